#include "race/RaceParts.h"

#include "race/CheckLine.h"
#include "race/EnemyCar.h"
#include "race/FinishLine.h"
#include "race/Instruments.h"

void UseRaceWorldParts(RaceContext& race) {
  race.Parts.CreateOpponent = [&race](const OpponentStart& s) {
    auto* car = new TEnemyCar(race, s.UsesMenuImages, s.Slot.Angle, s.Index, "enemy", s.CarKind,
                              s.Slot.X, s.Slot.Y);
    car->Driving = s.DrivesAtOnce;
    return car;
  };
  race.Parts.CreateCheckLine = [&race](int32_t index, double centreX, double centreY) {
    new TCheckLine(race, index, centreX, centreY);
  };
  race.Parts.CreateFinishLine = [&race](double angle, double x, double centreY) {
    new TFinishLine(race, angle, x, centreY);
  };
  race.Parts.CreateInstruments = [&race] { CreateRaceInstruments(race); };
}

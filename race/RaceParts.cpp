#include "race/RaceParts.h"

#include "race/CheckLine.h"
#include "race/FinishLine.h"

void UseRaceWorldParts(RaceContext& race) {
  race.Parts.CreateCheckLine = [&race](int32_t index, double centreX, double centreY) {
    new TCheckLine(race, index, centreX, centreY);
  };
  race.Parts.CreateFinishLine = [&race](double angle, double x, double centreY) {
    new TFinishLine(race, angle, x, centreY);
  };
}

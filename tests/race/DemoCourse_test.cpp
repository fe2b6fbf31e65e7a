// The shipped demo course behind the menus (Data/data1.prd, compiled by the build): its
// four computer cars stay on the screen and keep clear of the invisible demo player.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PictureTable.h"
#include "race/EnemyCar.h"
#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/RaceParts.h"
#include "race/RaceStep.h"
#include "tests/race/RaceFixture.h"

TEST(DemoCourse, FourCarsStayOnTheScreenForTwoMinutes) {
  TKaltoImageList sized;  // cars of their real size
  FillSizedPictureList(sized, kMenuList);
  RaceFixture f(11);
  f.race.MenuImages = &sized;
  f.files[race::kDemoCourseFile] = "Data/data1.prd";
  f.state.CarsAvailable = race::kCarCount;
  UseRaceWorldParts(f.race);
  StartDemoRace(f.race);
  ASSERT_EQ(f.race.Opponents.size(), 4u);

  constexpr int kFrames = 2 * 60 * 90;
  int framesAllVisible = 0, framesTouchingPlayer = 0;
  std::vector<int> rounds(4, 0);  // times each car's target came back to point 1
  std::vector<int32_t> targets(4, 1);
  for (int frame = 0; frame < kFrames; ++frame) {
    RunRaceStep(f.race);
    f.engine.KillDead();
    bool allVisible = true, touching = false;
    for (size_t i = 0; i < 4; ++i) {
      const auto* car = static_cast<const TEnemyCar*>(f.race.Opponents[i]);
      const Vec2 c = car->Centre();
      allVisible = allVisible && c.X > 0 && c.X < 800 && c.Y > 0 && c.Y < 600;
      touching = touching || car->PlayerContact;
      if (car->TargetPoint == 1 && targets[i] != 1) ++rounds[i];
      targets[i] = car->TargetPoint;
    }
    framesAllVisible += allVisible ? 1 : 0;
    framesTouchingPlayer += touching ? 1 : 0;
  }
  std::printf("all four demo cars on the screen in %d of %d frames; rounds %d %d %d %d\n",
              framesAllVisible, kFrames, rounds[0], rounds[1], rounds[2], rounds[3]);
  EXPECT_GE(framesAllVisible, kFrames * 95 / 100);
  EXPECT_EQ(framesTouchingPlayer, 0);
  // The demo world has no finish line: rounds are counted by the cars' targets.
  for (int r : rounds) EXPECT_GE(r, 10) << "drove round";
}

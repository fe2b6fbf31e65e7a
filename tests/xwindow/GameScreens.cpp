#include "tests/xwindow/GameScreens.h"

#include <chrono>
#include <thread>

#include "tests/xwindow/GameWindow.h"
#include "tests/xwindow/RussianKeyboard.h"

GameScreens::GameScreens(const std::filesystem::path& gameFolder)
    : Menus(gameFolder / "Data" / "data1.oil"),
      Race(gameFolder / "Data" / "data2.oil"),
      NameEntry({{Menus.Pattern("scr_entername"), 107, 104}}),
      StartGame(PlacedButton(Menus, "b_stgame", 320, 250)),
      // The browse buttons rest at different places on the two screens.
      TrackNext(PlacedButton(Menus, "bc_next", 580, 131)),
      CarNext(PlacedButton(Menus, "bc_next", 685, 123)),
      RaceButton(PlacedButton(Menus, "bc_race", 642, 524)),
      ExitQuestion({{Menus.Pattern("scr_ExitTheGame"), 107, 104}}),
      YesExit(PlacedButton(Menus, "b_yes", 420, 434)),
      // Red lights up for a second, then yellow beside it for another, before the start.
      StartLights({{Race.Pattern("redlight"), 265, 18}, {Race.Pattern("yellowlight"), 335, 18}}),
      RaceOver({{Race.Pattern("scr_raceover"), 146, 129}}),
      Continue(PlacedButton(Race, "bro_next", 472, 411)),
      SendQuestion({{Race.Pattern("scr_send"), 146, 129}}),
      SendYes(PlacedButton(Race, "b_yes1", 375, 409)),
      SendNo(PlacedButton(Race, "b_no1", 511, 409)),
      Exit(ShippedExitButton(gameFolder)) {}

bool EnterRussianName(const std::string& window, const std::string& shotName,
                      const std::vector<PlacedPicture>& mainMenu) {
  RussianKeyboard russian;
  if (!russian.Switched() || !PressKeys(kRussianNameKeys)) return false;
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  Shot(window, shotName);
  return PressKeys("Return") && ScreenShows(window, mainMenu, "main menu");
}

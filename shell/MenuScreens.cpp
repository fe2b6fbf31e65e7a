#include "shell/MenuScreens.h"

#include <memory>

#include "shell/CarScreen.h"
#include "shell/ClearRecordsScreen.h"
#include "shell/ExitQuestionScreen.h"
#include "shell/HelpScreen.h"
#include "shell/MainMenuScreen.h"
#include "shell/MenuBackground.h"
#include "shell/NameEntryScreen.h"
#include "shell/OptionsScreen.h"
#include "shell/RecordsScreen.h"
#include "shell/SplashScreen.h"
#include "shell/TrackScreen.h"
#include "shell/Unit_pr.h"

std::shared_ptr<MenuBackground> InstallMenuScreens(TForm1& form) {
  auto menus = std::make_shared<MenuBackground>(form.Race, form.KaltoFont2);
  form.SetScreen(ScrSplash, std::make_unique<SplashScreen>(form, menus));
  form.SetScreen(ScrEnterName, std::make_unique<NameEntryScreen>(form, menus));
  form.SetScreen(ScrMainMenu, std::make_unique<MainMenuScreen>(form, menus));
  form.SetScreen(ScrOptions, std::make_unique<OptionsScreen>(form, menus));
  form.SetScreen(ScrHelp, std::make_unique<HelpScreen>(form, menus));
  form.SetScreen(ScrRecords, std::make_unique<RecordsScreen>(form, menus));
  form.SetScreen(ScrClearRecords, std::make_unique<ClearRecordsScreen>(form, menus));
  form.SetScreen(ScrExitConfirm, std::make_unique<ExitQuestionScreen>(form, menus));
  form.SetScreen(ScrChooseTrack, std::make_unique<TrackScreen>(form, menus));
  form.SetScreen(ScrChooseCar, std::make_unique<CarScreen>(form, menus));
  return menus;
}

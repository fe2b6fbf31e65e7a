#include "shell/MenuScreens.h"

#include <memory>

#include "shell/CarScreen.h"
#include "shell/ClearRecordsScreen.h"
#include "shell/ExitQuestionScreen.h"
#include "shell/HelpScreen.h"
#include "shell/MainMenuScreen.h"
#include "shell/NameEntryScreen.h"
#include "shell/OptionsScreen.h"
#include "shell/RecordsScreen.h"
#include "shell/SplashScreen.h"
#include "shell/TrackScreen.h"
#include "shell/Unit_pr.h"

void InstallMenuScreens(TForm1& form) {
  form.SetScreen(ScrSplash, std::make_unique<SplashScreen>(form));
  form.SetScreen(ScrEnterName, std::make_unique<NameEntryScreen>(form));
  form.SetScreen(ScrMainMenu, std::make_unique<MainMenuScreen>(form));
  form.SetScreen(ScrOptions, std::make_unique<OptionsScreen>(form));
  form.SetScreen(ScrHelp, std::make_unique<HelpScreen>(form));
  form.SetScreen(ScrRecords, std::make_unique<RecordsScreen>(form));
  form.SetScreen(ScrClearRecords, std::make_unique<ClearRecordsScreen>(form));
  form.SetScreen(ScrExitConfirm, std::make_unique<ExitQuestionScreen>(form));
  form.SetScreen(ScrChooseTrack, std::make_unique<TrackScreen>(form));
  form.SetScreen(ScrChooseCar, std::make_unique<CarScreen>(form));
}

#pragma once
#include <memory>
#include <utility>

#include "shell/GameScreen.h"
#include "shell/MenuPage.h"

class MenuBackground;
class TForm1;
class TKaltoButton;

// The question whether to leave the race (ScrQuitRace), over the frozen race: the panel and
// its two buttons slide in from the left. "No" or Escape resumes the race; "yes" or Enter
// returns to the main menu with the demo race behind it.
class QuitRaceScreen : public GameScreen {
 public:
  QuitRaceScreen(TForm1& form, std::shared_ptr<MenuBackground> menus)
      : form_(form), menus_(std::move(menus)) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;
  MenuPage* Page() override { return &page_; }
  bool IsPanel() const override { return true; }

 private:
  void Resume();
  void Quit();

  TForm1& form_;
  MenuPage page_;
  std::shared_ptr<MenuBackground> menus_;
  TKaltoButton* resumeButton_ = nullptr;
  TKaltoButton* quitButton_ = nullptr;
};

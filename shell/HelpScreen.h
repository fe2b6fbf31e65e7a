#pragma once
#include <array>
#include <cstdint>

#include "shell/MenuScreenBase.h"

class THelpButton;

// Help (ScrHelp): three pages of explanations browsed with next and previous; the second
// shows the eight key icons.
class HelpScreen : public MenuScreenBase {
 public:
  static constexpr int32_t kPageCount = 3;

  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  int32_t HelpPage() const { return helpPage_; }
  const std::array<THelpButton*, 8>& KeyIcons() const { return icons_; }

 private:
  void NextPage();
  void PreviousPage();
  // The title picture of the page and the icons shown on page 2 only.
  void ShowPage(int32_t page);

  int32_t helpPage_ = 1;
  std::array<THelpButton*, 8> icons_{};
};

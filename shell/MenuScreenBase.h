#pragma once
#include <memory>
#include <utility>

#include "shell/GameScreen.h"
#include "shell/MenuPage.h"

class MenuBackground;
class TForm1;

// A screen of the menus: it owns its page and sprites, and shows the menus' background,
// which every menu screen shares.
class MenuScreenBase : public GameScreen {
 public:
  MenuScreenBase(TForm1& form, std::shared_ptr<MenuBackground> background)
      : form_(form), background_(std::move(background)) {}

  MenuPage* Page() override { return &page_; }
  const MenuBackground* Background() const override { return background_.get(); }

 protected:
  TForm1& form_;
  std::shared_ptr<MenuBackground> background_;
  MenuPage page_;
};

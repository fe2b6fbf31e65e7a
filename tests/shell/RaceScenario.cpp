#include "tests/shell/RaceScenario.h"

#include <gtest/gtest.h>

#include "engine/graphics/KaltoImageList.h"
#include "race/Autopilot.h"
#include "race/Player.h"
#include "tests/harness/ScreenParts.h"

namespace fs = std::filesystem;

RaceScenario::RaceScenario(Tracks tracks) {
  HarnessOptions options;
  if (tracks == Tracks::Square) {
    data_ = std::make_unique<RaceDataRoot>();
    options.DataRoot = data_->Path();
  }
  game_ = std::make_unique<GameHarness>(options);
}

PixelImage RaceScenario::StartRace(int laps, int opponents) {
  TrackInfo& track = Form().Race.Tracks.Tracks[State().SelectedTrack];
  track.Laps = laps;
  track.Opponents = opponents;
  Form().GoTo(ScrChooseCar);
  game_->PressKey(vk::Enter);
  return game_->RenderFrame();
}

bool RaceScenario::DriveUntilRaceOver(int frameLimit) {
  Autopilot pilot(Form().Race);
  for (int frame = 0; frame < frameLimit; ++frame) {
    if (State().ScreenState != ScrRace) return true;
    pilot.PressKeys();
    game_->StepFrame();
  }
  return State().ScreenState != ScrRace;
}

void RaceScenario::RaceAloneToTheCountUp() {
  constexpr int kContinueFrameWithoutBonus = 453;
  StartRace(1, 0);
  ASSERT_TRUE(DriveUntilRaceOver());
  ASSERT_EQ(State().ScreenState, ScrRaceOver);
  ASSERT_EQ(Form().Race.Player->FinalPlace, 1);
  const int32_t bonus = State().PlaceBonus;
  ASSERT_EQ(bonus, ScaledPrize(Form().Race.Tracks.Tracks[State().SelectedTrack].Prizes[0],
                               State().DriverDifficulty));
  game_->StepFrames(kContinueFrameWithoutBonus + bonus - 1);
}

TKaltoButton* RaceScenario::VisibleButton(const std::string& picture) {
  TKaltoGUIList* gui = CurrentGui(Form());
  if (!gui) return nullptr;
  for (const auto& widget : gui->Widgets) {
    auto* button = dynamic_cast<TKaltoButton*>(widget.get());
    const TImageListItem* image = button ? button->Slots[slNormal].Image : nullptr;
    if (button && button->Visible && image && image->Name == picture) return button;
  }
  return nullptr;
}

void RaceScenario::ClickButton(const std::string& picture) {
  TKaltoButton* button = VisibleButton(picture);
  ASSERT_NE(button, nullptr) << "no button shows " << picture;
  game_->Click(button->X + button->Width / 2, button->Y + button->Height / 2);
  game_->StepFrame();
}

PixelImage RaceScenario::SaveScene(const std::string& name) {
  const PixelImage frame = game_->RenderFrame();
  const fs::path dir = fs::current_path() / ".." / "scenes";
  fs::create_directories(dir);
  EXPECT_TRUE(GameHarness::SaveFrame(frame, (dir / name).string()));
  return frame;
}

std::set<std::string> RaceScenario::PlayingMusic() {
  std::set<std::string> playing;
  for (const auto& module : Form().Sound3D.ModList) {
    if (module->Stream() && module->Stream()->IsPlaying()) playing.insert(module->Name);
  }
  return playing;
}

bool RaceScenario::EffectStartedNow(const std::string& effect) {
  TSoundListItem* sound = Form().Sound3D.FindSound(effect);
  const TAudioPathListItem* path = sound ? sound->LastPath() : nullptr;
  return path && path->CurrentSound == sound && path->StartTime == Form().Sound3D.Milliseconds();
}

int RaceScenario::CountSprites(const std::string& name) {
  int count = 0;
  for (int i = 0; i < Form().KaltoSprite1.SpriteCount(); ++i) {
    const TSprite* sprite = Form().KaltoSprite1.Sprites(i);
    if (sprite->Name() == name && !sprite->IsDead()) ++count;
  }
  return count;
}

#include "shell/TrackScreen.h"

#include <cstdio>

#include "core/GameTexts.h"
#include "engine/graphics/PictureTable.h"
#include "race/Catalogue.h"
#include "race/GhostRecorder.h"
#include "shell/GhostFiles.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/SelectionScreen.h"
#include "shell/TimeTrial.h"
#include "shell/Unit_pr.h"

namespace {

constexpr size_t kRaceSlot = 4;
constexpr size_t kTrialSlot = 5;
constexpr int32_t kTrialX = 642;  // above the race button: the pad's focus goes down through both
constexpr int32_t kTrialY = 455;
constexpr int kTrialKey = vk::LetterA + ('T' - 'A');
constexpr SlidingButton kSliding[4] = {{1, -20, 580}, {2, 20, 234}, {3, 20, 9}, {4, -20, 642}};
constexpr int32_t kNameCentreX = 419;
constexpr int32_t kNameY = 68;
constexpr int32_t kLabelX = 335;
constexpr int32_t kValueCentreX = 480;
constexpr int32_t kRowY[4] = {385, 425, 463, 501};
const std::string kLabels[4] = {TextOf(GameText::Record) + std::string(" "),
                                TextOf(GameText::Length), TextOf(GameText::Laps),
                                TextOf(GameText::Opponents)};
const char* const kNoRecord = "--:--:--";
// The time trial's best lap, small and gold, just below the record.
constexpr int32_t kBestLapY = 406;
constexpr uint32_t kBestLapColour = 0xFFFFC83C;
constexpr uint32_t kGreetingColour = 0xFF0F0F0F;  // KaltoFont2's colour on this screen

}  // namespace

std::string TrackScreen::RecordText(const RaceTime& time) {
  if (time.Minutes > RaceTime::kNoTimeMinutes - 1) return kNoRecord;
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", time.Minutes, time.Seconds, time.Hundredths);
  return text;
}

std::string TrackScreen::BestLapText(int32_t hundredths) {
  return TextOf(GameText::BestLapOnTrack) + std::string(" ") +
         RecordText(FromHundredths(hundredths));
}

void TrackScreen::Enter() {
  form_.Race.TimeTrial = false;  // set again only by the time trial's start
  form_.KaltoFont1.SetFont("Arial Black", 13, 0);
  form_.KaltoFont2.SetFont("Arial Black", 10, 0);
  form_.KaltoFont2.SetColor(kGreetingColour);
  form_.KaltoFont3.SetFont("Arial Black", 15, 0);
  form_.KaltoFont3.SetColor(0xFF0E3A45);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "bc_next", 900, 131, [this] { Browse(1); });
  AddMenuButton(form_, page_, "bc_prev", -100, 323, [this] { Browse(-1); });
  AddMenuButton(form_, page_, "b_back", -200, 524, [this] {
    PlayCheck(form_);
    form_.GoTo(ScrMainMenu);
  });
  AddMenuButton(form_, page_, "bc_race", 900, 524, [this] { GoToCars(); });
  AddMenuButton(form_, page_, "bc_trial", kTrialX, kTrialY, [this] { StartTimeTrial(form_); });
  page_.Title = new TMenuScreen(form_, 0, 0, 500, "scr_choose", "choosetrack", 255, true);
  page_.Picture = new TMenuScreen(form_, 312, 156, 521, "tr_notav", "trackimage", 255, true);
  ShowSelectedTrack();
  form_.State.PhaseCounter = 0;
  ClearKeyReleased(form_.State);
  form_.State.AnimCounter = 0;
}

void TrackScreen::ShowSelectedTrack() {
  const TrackInfo& track = form_.Race.Tracks.Tracks[static_cast<size_t>(form_.State.SelectedTrack)];
  TImageListItem& picture =
      RequirePicture(form_.KaltoImageList1, track.Unlocked ? track.PreviewImage : "tr_notav");
  page_.Picture->SetImage(&picture);
  page_.Picture->SetWidth(picture.PictureWidth());
  page_.Picture->SetHeight(picture.PictureHeight());
  page_.Buttons[kRaceSlot]->Visible = track.Unlocked;
  page_.Buttons[kTrialSlot]->Visible = track.Unlocked;
  const std::optional<GhostLap> ghost =
      track.Unlocked ? LoadGhost(form_.State.SelectedTrack) : std::nullopt;
  bestLap_ = ghost ? std::optional<int32_t>(ghost->LapHundredths) : std::nullopt;
}

void TrackScreen::Browse(int32_t step) {
  BrowseSelection(form_, form_.State.SelectedTrack,
                  static_cast<int32_t>(form_.Race.Tracks.Tracks.size()), step);
  ShowSelectedTrack();
}

void TrackScreen::GoToCars() {
  PlayCheck(form_);
  form_.GoTo(ScrChooseCar);
}

void TrackScreen::RunFrame() {
  const bool taken = TakeSelectionKeys(
      form_, ScrMainMenu,
      [this] {
        const size_t track = static_cast<size_t>(form_.State.SelectedTrack);
        if (form_.Race.Tracks.Tracks[track].Unlocked) GoToCars();
      },
      [this](int32_t step) { Browse(step); });
  if (taken) return;
  if (TakeKeyRelease(form_.State, kTrialKey)) {
    StartTimeTrial(form_);
    if (form_.State.ScreenState != ScrChooseTrack) return;  // the trial began
  }
  SlideSelectionButtons(form_, page_, kSliding);
  BeginMenuFrame(form_);
  StepMenuWorld(form_);
  DrawSpritesBelowPointer(form_, *background_);
  DrawTrackTexts();
  background_->DrawGreeting();
  background_->DrawLamps();
  form_.KaltoGUI1.Draw();
  EndMenuFrame(form_);
}

void TrackScreen::DrawTrackTexts() {
  const int32_t index = form_.State.SelectedTrack;
  const TrackInfo& track = form_.Race.Tracks.Tracks[static_cast<size_t>(index)];
  std::string name = track.Name;
  std::string values[4] = {kNoRecord, "-", "-", "-"};
  if (track.Unlocked) {
    values[0] = RecordText(track.BestTime);
    values[1] = track.LengthText;
    values[2] = std::to_string(track.Laps);
    values[3] = std::to_string(track.Opponents);
  } else {
    name = NumberedTrackName(index + 1);
  }
  TextCentredOn(form_.KaltoFont3, kNameCentreX, kNameY, name);
  for (size_t row = 0; row < 4; ++row) {
    form_.KaltoFont1.TextOut(kLabelX, kRowY[row], kLabels[row]);
    TextCentredOn(form_.KaltoFont1, kValueCentreX, kRowY[row], values[row]);
  }
  if (track.Unlocked && bestLap_) {
    form_.KaltoFont2.SetColor(kBestLapColour);
    TextCentredOn(form_.KaltoFont2, kValueCentreX, kBestLapY, BestLapText(*bestLap_));
    form_.KaltoFont2.SetColor(kGreetingColour);
  }
}

void TrackScreen::Leave() {
  FreeMenuPage(form_, page_);
  KillSlot(page_.Title);
  KillSlot(page_.Picture);
  form_.KaltoSprite1.KillDead();
}

#include "shell/ScoreSending.h"

#include <utility>

#include "core/GameTexts.h"
#include "engine/gui/KaltoButton.h"
#include "online/ScoreServerAddress.h"
#include "platform/MessageBox.h"
#include "shell/MenuFrame.h"
#include "shell/Unit_pr.h"

namespace {

constexpr GameText kSendingLines[] = {GameText::SendingScore, GameText::EscapeCancels};
constexpr int32_t kLineHeight = 27;

}  // namespace

void ScoreSending::Start(std::function<void()> done) {
  done_ = std::move(done);
  form_.ScoreReport.Start(ConfiguredScoreServerAddress(), form_.State);
}

void ScoreSending::Cancel() {
  form_.ScoreReport.Cancel();
}

void ScoreSending::Update() {
  if (!Active()) return;
  if (TakeKeyRelease(form_.State, vk::Escape)) Cancel();
  if (!form_.ScoreReport.Finished()) return;
  if (const auto message = form_.ScoreReport.Message()) ShowMessageBox("Brindle Karts", *message);
  std::function<void()> done = std::move(done_);
  done_ = nullptr;
  done();
}

void ScoreSending::Draw(int32_t centreX, int32_t y) const {
  if (!Active()) return;
  TKaltoFont& font = form_.KaltoFont1;
  for (GameText text : kSendingLines) {
    const char* line = TextOf(text);
    font.TextOutRGBA(centreX - font.TextWidth(line) / 2, y, line, 255, 255, 255, 255);
    y += kLineHeight;
  }
}

void ScoreSending::AnswerYes(TKaltoButton& yesButton, std::function<void()> done) {
  yesButton.Visible = false;
  Start(std::move(done));
}

bool ScoreSending::AnswerNo(const std::function<void()>& done) {
  if (Active()) {
    Cancel();
    return false;
  }
  done();
  return true;
}

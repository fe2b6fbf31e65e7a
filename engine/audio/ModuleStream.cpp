#include "engine/audio/ModuleStream.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <libopenmpt/libopenmpt.hpp>
#include <sstream>

std::unique_ptr<ModuleStream> ModuleStream::Load(const std::vector<uint8_t>& fileBytes,
                                                 int mixRate) {
  try {
    std::ostringstream log;
    auto module = std::make_unique<openmpt::module>(fileBytes, log);
    module->ctl_set_integer("dither", 0);
    return std::unique_ptr<ModuleStream>(new ModuleStream(std::move(module), mixRate));
  } catch (const std::exception&) {  // openmpt::exception and allocation failures
    return nullptr;
  }
}

ModuleStream::ModuleStream(std::unique_ptr<openmpt::module> module, int mixRate)
    : module_(std::move(module)),
      ring_(2 * kRingFrames, 0),
      scratch_(2 * kHalfFrames, 0),
      converter_(kModuleRate, mixRate),
      thread_([this] { StreamingLoop(); }) {}

ModuleStream::~ModuleStream() {
  {
    std::lock_guard<std::mutex> guard(bufferLock_);
    terminating_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void ModuleStream::Play(bool loop) {
  {
    std::lock_guard<std::mutex> guard(moduleLock_);
    module_->set_repeat_count(loop ? -1 : 0);
  }
  {
    std::lock_guard<std::mutex> guard(bufferLock_);
    std::fill(ring_.begin(), ring_.end(), int16_t{0});
    converter_.Clear();
    playing_ = true;
    suspended_ = false;
    // Starting counts as entering the half under the play cursor: the other half is
    // refilled at once, so the zeroed start lasts at most until the next half.
    (playCursor_ < kHalfFrames ? refillSecondHalf_ : refillFirstHalf_) = true;
  }
  wake_.notify_all();
}

void ModuleStream::Stop() {
  std::lock_guard<std::mutex> guard(bufferLock_);
  playing_ = false;
  suspended_ = true;
}

bool ModuleStream::IsPlaying() const {
  std::lock_guard<std::mutex> guard(bufferLock_);
  return playing_;
}

double ModuleStream::RenderedSeconds() const {
  std::lock_guard<std::mutex> guard(moduleLock_);
  return module_->get_position_seconds();
}

void ModuleStream::WaitUntilRefilled() {
  std::unique_lock<std::mutex> lock(bufferLock_);
  refilled_.wait(lock, [this] { return suspended_ || terminating_ || !RefillPending(); });
}

void ModuleStream::StreamingLoop() {
  std::unique_lock<std::mutex> lock(bufferLock_);
  while (!terminating_) {
    // The timeout only bounds how long a lost wake-up could delay a refill.
    wake_.wait_for(lock, std::chrono::milliseconds(500), [this] {
      return terminating_ || (!suspended_ && (refillFirstHalf_ || refillSecondHalf_));
    });
    if (terminating_ || suspended_ || !(refillFirstHalf_ || refillSecondHalf_)) continue;
    const int half = refillFirstHalf_ ? 0 : 1;
    (half == 0 ? refillFirstHalf_ : refillSecondHalf_) = false;
    refilling_ = true;
    lock.unlock();
    const int rendered = RenderHalf();
    lock.lock();
    int16_t* target = ring_.data() + 2 * half * kHalfFrames;
    std::memcpy(target, scratch_.data(), sizeof(int16_t) * 2 * rendered);
    std::fill(target + 2 * rendered, target + 2 * kHalfFrames, int16_t{0});
    if (rendered == 0) {  // played out and not looping
      playing_ = false;
      suspended_ = true;
    }
    refilling_ = false;
    refilled_.notify_all();
  }
  refilled_.notify_all();
}

int ModuleStream::RenderHalf() {
  std::lock_guard<std::mutex> guard(moduleLock_);
  int done = 0;
  while (done < kHalfFrames) {
    const size_t got = module_->read_interleaved_stereo(
        kModuleRate, static_cast<size_t>(kHalfFrames - done), scratch_.data() + 2 * done);
    if (got == 0) break;
    done += static_cast<int>(got);
  }
  return done;
}

void ModuleStream::AdvanceCursor(int frames) {
  const int before = playCursor_;
  playCursor_ = (playCursor_ + frames) % kRingFrames;
  if (before < kHalfFrames && playCursor_ >= kHalfFrames) refillFirstHalf_ = true;
  if (playCursor_ < before) refillSecondHalf_ = true;
  if (refillFirstHalf_ || refillSecondHalf_) wake_.notify_all();
}

void ModuleStream::MixInto(float* stereo, int frames) {
  std::lock_guard<std::mutex> guard(bufferLock_);
  if (!playing_) return;
  constexpr int kChunk = 256;
  // The bound keeps a converter that produces nothing from spinning here forever.
  for (int fed = 0; converter_.Available() < frames && fed <= 4 * frames + 4096;) {
    const int untilHalfEnd = kHalfFrames - playCursor_ % kHalfFrames;
    const int chunk = std::min(kChunk, untilHalfEnd);
    converter_.Put(ring_.data() + 2 * playCursor_, chunk);
    AdvanceCursor(chunk);
    fed += chunk;
  }
  converted_.resize(2 * static_cast<size_t>(frames));
  const int got = converter_.Get(converted_.data(), frames);
  for (int i = 0; i < 2 * got; ++i) stereo[i] += converted_[i];
}

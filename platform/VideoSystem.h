#pragma once

// Holds the system's video subsystem for its lifetime. Holds nest: the subsystem stops when
// the last one goes. Started is false when the subsystem could not start (no video at all).
class VideoSystemHold {
 public:
  VideoSystemHold();
  ~VideoSystemHold();
  VideoSystemHold(const VideoSystemHold&) = delete;
  VideoSystemHold& operator=(const VideoSystemHold&) = delete;

  bool Started() const { return started_; }

 private:
  bool started_;
};

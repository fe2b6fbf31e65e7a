#pragma once
#include <memory>
#include <string>

#include "engine/audio/ModuleStream.h"

class TKaltoSound3D;

// A named tracker module streamed as music. Loaded on its first Play.
class TModListItem {
 public:
  explicit TModListItem(TKaltoSound3D& owner) : owner_(owner) {}
  ~TModListItem();
  TModListItem(const TModListItem&) = delete;
  TModListItem& operator=(const TModListItem&) = delete;

  std::string Name;
  std::string FileName;  // relative to the data root, e.g. "Sounds\\1.xm"
  bool Loop = false;
  int RepeatCount = 0;  // kept for the configuration; Loop decides
  int Volume = 100;     // kept for the configuration; modules play at their own level

  // Starts or resumes streaming without rewinding (loading first). A file that cannot be
  // read is reported once on stderr and the module stays silent.
  void Play();
  // Stops the output and suspends streaming.
  void Stop();
  // Stops, ends the streaming thread and frees the module.
  void Unload();
  bool Loaded() const { return stream_ != nullptr; }
  // The module's stream while loaded, for inspection.
  ModuleStream* Stream() const { return stream_.get(); }

 private:
  bool Load();

  TKaltoSound3D& owner_;
  std::unique_ptr<ModuleStream> stream_;
  bool loadFailed_ = false;
};

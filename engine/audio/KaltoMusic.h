#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/audio/AudioMixer.h"

// One song of the song player: a wave file played whole, from memory.
struct TSongListItem {
  std::string Name;
  std::string FileName;  // relative to the data root
  bool Loop = false;
  std::shared_ptr<const DecodedWave> Clip;  // set while the song is loaded
  bool Playing = false;
};

// The song player: plays whole songs on a path of its own. Update() is called every frame
// while music is on and starts a looping song over once it has reached its end.
class TKaltoMusic {
 public:
  explicit TKaltoMusic(AudioMixer& mixer);
  std::vector<TSongListItem> SongList;

  // Starts the named song (loading it first); false when there is no such song or its
  // file cannot be read.
  bool Play(const std::string& name);
  void Stop(const std::string& name);
  void Update();

 private:
  TSongListItem* Find(const std::string& name);

  AudioMixer& mixer_;
  int path_;
};

#pragma once
#include <filesystem>
#include <string>

// A data folder for races run by tests and benchmarks: the built game's pictures and sounds
// (from the working folder), with one track in every track slot and as the menus' demo
// course, so a race does not depend on which tracks are shipped.
class RaceDataRoot {
 public:
  enum class Track {
    // A 2000-pixel square with road under its path and eight start slots before the finish
    // line: quick to race.
    SmallSquare,
    // The largest track the game ships; the square with 1600 flower beds inside while no
    // track ships.
    Largest,
  };

  explicit RaceDataRoot(Track track = Track::SmallSquare);
  ~RaceDataRoot();
  RaceDataRoot(const RaceDataRoot&) = delete;
  RaceDataRoot& operator=(const RaceDataRoot&) = delete;

  const std::filesystem::path& Path() const { return root_; }
  // Sprite records of the track in the slots.
  size_t TrackRecords() const { return records_; }
  // Takes a track file away, as a broken installation would ("Data\\dataN.prd").
  void RemoveTrack(const std::string& gameName);

 private:
  std::filesystem::path root_;
  size_t records_ = 0;
};

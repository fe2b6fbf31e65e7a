#include "tools/assetgen/pictures/CompiledTracks.h"

#include <filesystem>
#include <map>

namespace {

std::string& folder() {
  static std::string f;
  return f;
}

}  // namespace

void setCompiledTrackFolder(const std::string& f) {
  folder() = f;
}

const std::vector<TrackRecord>& compiledTrack(int number) {
  static std::map<std::string, std::vector<TrackRecord>> cache;
  const std::string file =
      (std::filesystem::path(folder()) / ("data" + std::to_string(number) + ".prd")).string();
  auto found = cache.find(file);
  if (found == cache.end()) found = cache.emplace(file, ReadTrackFile(file)).first;
  return found->second;
}

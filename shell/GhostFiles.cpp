#include "shell/GhostFiles.h"

#include <cstdio>

#include "platform/GamePaths.h"
#include "platform/SafeFile.h"

std::string GhostFileName(int32_t track) {
  return "Ghost" + std::to_string(track + 1) + ".bkg";
}

std::optional<GhostLap> LoadGhost(int32_t track) {
  const std::filesystem::path path = SavePath(GhostFileName(track));
  const FileReadResult file = ReadWholeFile(path);
  if (file.Outcome == FileReadResult::Status::Missing) return std::nullopt;
  if (file.Outcome == FileReadResult::Status::Failed) {
    std::fprintf(stderr, "brindle-karts: ghost %s ignored: %s\n", path.string().c_str(),
                 file.Error.c_str());
    return std::nullopt;
  }
  GhostDecodeResult decoded = DecodeGhostLap(file.Contents, track);
  if (!decoded.Lap) {
    std::fprintf(stderr, "brindle-karts: ghost %s ignored: %s\n", path.string().c_str(),
                 decoded.Problem.c_str());
  }
  return std::move(decoded.Lap);
}

std::optional<std::string> SaveGhost(const GhostLap& lap) {
  return WriteFileAtomically(SavePath(GhostFileName(lap.Track)), EncodeGhostLap(lap));
}

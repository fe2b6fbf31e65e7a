#include "shell/Settings.h"

#include <algorithm>
#include <filesystem>

#include "platform/GamePaths.h"
#include "shell/RecordsTable.h"

namespace {

constexpr char kConfigFile[] = "Config.cfg";
constexpr char kProgressFile[] = "Configdat.cfg";
constexpr char kDamagedSuffix[] = ".damaged";

SettingsProblem SaveFile(const char* name, const std::string& contents,
                         const ReplaceGate& replaceGate) {
  const std::filesystem::path path = SavePath(name);
  if (auto error = WriteFileAtomically(path, contents, replaceGate)) {
    return "Could not save the file\n" + path.string() + "\n(" + *error +
           ").\nThe previous file was left as it was.";
  }
  return std::nullopt;
}

std::string CannotRead(const std::filesystem::path& path, const std::string& error,
                       const std::string& whatStays) {
  return "Could not read the file\n" + path.string() + "\n(" + error +
         ").\nThe game goes on with " + whatStays + ".";
}

}  // namespace

void ResetRecords(GameState& state) {
  for (int n = 1; n <= static_cast<int>(state.Records.size()); ++n) {
    state.Records[n - 1] =
        RecordRow{std::to_string(n), kDefaultRecordName, std::to_string(1100 - 100 * n)};
  }
}

SettingsProblem SaveConfig(GameState& state, const ReplaceGate& replaceGate) {
  RemoveTrailingPadding(state.ExtraText);
  RemoveTrailingPadding(state.PlayerName);
  return SaveFile(kConfigFile, ConfigFileText(state), replaceGate);
}

SettingsProblem SaveProgress(const GameState& state, const TrackSlotTimes& bestTimes,
                             const ReplaceGate& replaceGate) {
  return SaveFile(kProgressFile, ProgressFileText(state, bestTimes), replaceGate);
}

SettingsProblem SaveProgressAndRecords(GameState& state, const TrackSlotTimes& bestTimes,
                                       const ReplaceGate& replaceGate) {
  if (auto problem = SaveProgress(state, bestTimes, replaceGate)) return problem;
  return SaveConfig(state, replaceGate);
}

std::vector<std::string> LoadSavedGame(GameState& state, TrackSlotTimes& bestTimes) {
  for (const char* name : {kConfigFile, kProgressFile}) RemoveUnfinishedWrite(SavePath(name));
  std::vector<std::string> problems;
  if (auto problem = LoadConfig(state)) problems.push_back(*problem);
  // Only a progress file that was read measures the table: a missing one (a first start, or
  // one moved aside as damaged) explains nothing, and the table stays as it is.
  const bool progressSaved = std::filesystem::exists(SavePath(kProgressFile));
  if (auto problem = LoadProgress(state, bestTimes)) {
    problems.push_back(*problem);
  } else if (progressSaved) {
    LimitPlayerRecords(state.Records, state.PlayerName, state.Score);
  }
  return problems;
}

SettingsProblem LoadConfig(GameState& state) {
  const std::filesystem::path path = SavePath(kConfigFile);
  const FileReadResult file = ReadWholeFile(path);
  if (file.Outcome == FileReadResult::Status::Missing) return std::nullopt;
  if (file.Outcome == FileReadResult::Status::Failed) {
    return CannotRead(path, file.Error, "the default options, name and records");
  }
  ApplyConfigFileText(file.Contents, state);
  return std::nullopt;
}

SettingsProblem LoadProgress(GameState& state, TrackSlotTimes& bestTimes) {
  const std::filesystem::path path = SavePath(kProgressFile);
  const FileReadResult file = ReadWholeFile(path);
  if (file.Outcome == FileReadResult::Status::Missing) return std::nullopt;
  if (file.Outcome == FileReadResult::Status::Failed) {
    return CannotRead(path, file.Error, "the progress of a new game");
  }
  if (ApplyProgressFileText(file.Contents, state, bestTimes)) return std::nullopt;

  const std::string damaged = "This file is damaged:\n" + path.string() +
                              "\nThe game starts with the progress of a new game.\n";
  if (const auto aside = MoveAside(path, kDamagedSuffix)) {
    return damaged + "The damaged file was kept as\n" + aside->string();
  }
  return damaged + "The damaged file could not be moved aside and was left in place.";
}

std::vector<bool> UnlockedFlags(int32_t available, std::size_t catalogueSize) {
  std::vector<bool> flags(catalogueSize, false);
  const std::size_t count = static_cast<std::size_t>(
      std::clamp<int64_t>(available, 0, static_cast<int64_t>(catalogueSize)));
  std::fill(flags.begin(), flags.begin() + static_cast<std::ptrdiff_t>(count), true);
  return flags;
}

// trackc check on compiled files: each damage is refused with a message naming it, and the
// shipped courses pass.
#include "tools/trackc/lib/TrackCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "race/GameConstants.h"
#include "race/TrackFile.h"
#include "tools/trackc/lib/TrackCompiler.h"
#include "tools/trackc/lib/TrackSource.h"
#include "tools/trackc/lib/TrackStats.h"

namespace {

namespace kind = track_kind;

const char* kSoundTrack =
    "seed 9\nroad\nr------7\n|......|\n|......|\nL-->---J\nend\nscatter 10 30 tree\n";

struct ToolRun {
  int Status = 0;
  std::string Output;
};

ToolRun Trackc(const std::string& arguments) {
  const std::string command = std::string("\"") + BK_TOOLS_DIR + "/trackc\" " + arguments + " 2>&1";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe)) run.Output += buffer.data();
  run.Status = pclose(pipe);
  return run;
}

std::filesystem::path WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string DataFile(const char* gameName) {
  std::string path = gameName;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

int32_t LastPathPoint(const std::vector<TrackRecord>& records) {
  return static_cast<int32_t>(
      std::count_if(records.begin(), records.end(),
                    [](const TrackRecord& t) { return t.Kind == kind::PathPoint; }));
}

}  // namespace

TEST(TrackCheck, RefusesEachDamageNamingIt) {
  const std::vector<TrackRecord> sound = CompileTrack(ParseTrackSource(kSoundTrack));
  const struct {
    const char* Name;
    std::vector<uint8_t> Bytes;
    const char* Problem;
  } cases[] = {
      {"sound", EncodeTrackRecords(sound), "sound"},
      {"few-slots",
       [&] {
         std::vector<TrackRecord> r = sound;
         r.erase(std::remove_if(
                     r.begin(), r.end(),
                     [](const TrackRecord& t) { return t.Kind == kind::StartSlot && t.B >= 6; }),
                 r.end());
         return EncodeTrackRecords(r);
       }(),
       "too few start slots: slots 1..5 for 7 opponents and the player (needs 8)"},
      {"open-loop",
       [&] {
         std::vector<TrackRecord> r = sound;
         r.erase(
             std::find_if(r.begin(), r.end(), [](const TrackRecord& t) { return t.Kind == 2; }));
         return EncodeTrackRecords(r);
       }(),
       "open loop"},
      {"unordered-lines",
       [&] {
         std::vector<TrackRecord> r = sound;
         for (TrackRecord& t : r) {
           if (t.Kind == kind::CheckLine && t.B <= 1) t.B = 1 - t.B;
         }
         return EncodeTrackRecords(r);
       }(),
       "check lines out of lap order: line 1 comes before line 0"},
      // The start straight runs east: move the lap's closing point 60 pixels back, as far
      // from the spot where the finish line counts laps as the line once lay from it.
      {"wrap-off-line",
       [&] {
         std::vector<TrackRecord> r = sound;
         const int32_t last = LastPathPoint(r);
         for (TrackRecord& t : r) {
           if (t.Kind == kind::PathPoint && t.B == last) t.X -= 60;
         }
         return EncodeTrackRecords(r);
       }(),
       "the lap does not wrap where the finish line counts it"},
      {"creeping-slot",
       [&] {
         std::vector<TrackRecord> r = sound;
         const int32_t last = LastPathPoint(r);
         const auto point = std::find_if(r.begin(), r.end(), [&](const TrackRecord& t) {
           return t.Kind == kind::PathPoint && t.B == last;
         });
         for (TrackRecord& t : r) {
           if (t.Kind == kind::StartSlot && t.B == 1) t.X = point->X - 20;
         }
         return EncodeTrackRecords(r);
       }(),
       "start slot 1 is so near path point 1 that its car creeps over the line"},
      {"torn",
       [&] {
         std::vector<uint8_t> bytes = EncodeTrackRecords(sound);
         bytes.resize(bytes.size() + 5, 0);
         return bytes;
       }(),
       "is not a multiple of 128"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::filesystem::path file =
        WriteBytes(std::string("bk-check-") + c.Name + ".prd", c.Bytes);
    const ToolRun run = Trackc("check \"" + file.string() + "\" --opponents 7");
    EXPECT_NE(run.Output.find(c.Problem), std::string::npos) << run.Output;
    EXPECT_EQ(run.Status == 0, std::string(c.Name) == "sound") << run.Output;
    std::filesystem::remove(file);
  }
}

TEST(TrackCheck, BuildWritesWhatCheckAccepts) {
  const std::filesystem::path source = std::filesystem::temp_directory_path() / "bk-build.track";
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "bk-build.prd";
  std::ofstream(source) << kSoundTrack;
  EXPECT_EQ(Trackc("build \"" + source.string() + "\" \"" + out.string() + "\"").Status, 0);
  EXPECT_EQ(ReadTrackFile(out).size(), CompileTrack(ParseTrackSource(kSoundTrack)).size());
  const ToolRun stats = Trackc("dump \"" + out.string() + "\" --stats");
  EXPECT_NE(stats.Output.find("turns 4\n"), std::string::npos) << stats.Output;
  EXPECT_NE(stats.Output.find("\nlandscape meadow\npieces straight 16 turn 4\n"), std::string::npos)
      << stats.Output;
  // A description that cannot compile names its problem and leaves the old file alone.
  std::ofstream(source) << "road\nr->7\n|..|\nL--.\nend\n";
  const ToolRun broken = Trackc("build \"" + source.string() + "\" \"" + out.string() + "\"");
  EXPECT_NE(broken.Status, 0);
  EXPECT_NE(broken.Output.find("open loop"), std::string::npos) << broken.Output;
  EXPECT_EQ(ReadTrackFile(out).size(), CompileTrack(ParseTrackSource(kSoundTrack)).size());
  std::filesystem::remove(source);
  std::filesystem::remove(out);
}

// The courses the build compiled into the game folder (the tests run there).
TEST(ShippedTracks, EveryCoursePassesAndTheyGetHarderAlongTheCatalogue) {
  std::set<std::string> layouts;
  double previousDifficulty = -1;
  std::printf("%-6s %-11s %5s %7s %5s %5s %6s %9s %7s\n", "track", "file", "turns", "s-bends",
              "walls", "gap", "lap", "catalogue", "score");
  for (size_t i = 0; i < race::kTracks.size(); ++i) {
    const race::TrackConstants& t = race::kTracks[i];
    SCOPED_TRACE(t.DataFile);
    const std::vector<TrackRecord> records = ReadTrackFile(DataFile(t.DataFile));
    const double length = std::stod(t.LengthText);
    EXPECT_EQ(CheckTrack(records, {t.Opponents, length}), std::vector<std::string>{});
    const TrackStats stats = MeasureTrack(records);
    EXPECT_TRUE(layouts.insert(stats.RoadSignature).second) << "a road grid is shipped twice";
    // Three tracks a landscape, so the scenery changes as the player gets on.
    EXPECT_EQ(stats.Scenery, static_cast<Landscape>(i / 3)) << "track " << i + 1;
    EXPECT_GT(stats.Difficulty(), previousDifficulty) << "track " << i + 1;
    previousDifficulty = stats.Difficulty();
    std::printf("%-6zu %-11s %5d %7d %5d %5.0f %6.1f %9s %7.1f\n", i + 1,
                DataFile(t.DataFile).c_str() + 5, stats.Turns, stats.SBends, stats.Walls,
                stats.NarrowestGap.value_or(0), stats.LapLength, t.LengthText, stats.Difficulty());
  }
  const std::vector<TrackRecord> demo = ReadTrackFile(DataFile(race::kDemoCourseFile));
  EXPECT_EQ(CheckTrack(demo, {race::kDemoOpponents - 1, std::nullopt}), std::vector<std::string>{});
  EXPECT_EQ(TrackLandscape(demo), Landscape::Meadow);
}

// trackc build SOURCE.track OUT.prd      compile a track description
// trackc dump FILE.prd [--stats]          print a track file's records, or its figures
// trackc check FILE.prd --opponents N [--length TEXT]
//                                         list what keeps the file from being a fair course
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "race/GameConstants.h"
#include "race/TrackFile.h"
#include "tools/trackc/lib/TrackCheck.h"
#include "tools/trackc/lib/TrackCompiler.h"
#include "tools/trackc/lib/TrackDump.h"
#include "tools/trackc/lib/TrackSource.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: trackc build SOURCE.track OUT.prd\n"
               "       trackc dump FILE.prd [--stats]\n"
               "       trackc check FILE.prd --opponents N [--length TEXT]\n");
  return 2;
}

int Build(const std::string& sourceFile, const std::string& out) {
  std::ifstream in(sourceFile);
  if (!in) {
    std::fprintf(stderr, "trackc: cannot read %s\n", sourceFile.c_str());
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  std::vector<uint8_t> bytes;
  try {
    bytes = EncodeTrackRecords(CompileTrack(ParseTrackSource(text.str())));
  } catch (const TrackSourceError& e) {
    std::fprintf(stderr, "%s: %s\n", sourceFile.c_str(), e.what());
    return 1;
  }
  // Written beside the target and renamed, so a failed write leaves the old file whole.
  const std::string partial = out + ".partial";
  {
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
      std::fprintf(stderr, "trackc: cannot write %s\n", out.c_str());
      return 1;
    }
  }
  if (std::rename(partial.c_str(), out.c_str()) != 0) {
    std::fprintf(stderr, "trackc: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

bool ReadNumber(const char* text, double low, double high, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0' && value >= low && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  if (command == "build") return argc == 4 ? Build(argv[2], argv[3]) : Usage();
  std::vector<TrackRecord> records;
  try {
    records = ReadTrackFile(argv[2]);
  } catch (const TrackFileError& e) {
    std::fprintf(stderr, "trackc: %s\n", e.what());
    return 1;
  }
  if (command == "dump") {
    if (argc == 3) {
      std::fputs(DumpRecords(records).c_str(), stdout);
    } else if (argc == 4 && std::string(argv[3]) == "--stats") {
      std::fputs(DumpStats(MeasureTrack(records)).c_str(), stdout);
    } else {
      return Usage();
    }
    return 0;
  }
  if (command != "check") return Usage();
  TrackCheckOptions options;
  bool opponentsGiven = false;
  for (int i = 3; i < argc; i += 2) {
    const std::string option = argv[i];
    double value = 0;
    if (i + 1 >= argc) return Usage();
    if (option == "--opponents" && ReadNumber(argv[i + 1], 0, race::kMaxOpponents, value)) {
      options.Opponents = static_cast<int>(value);
      opponentsGiven = true;
    } else if (option == "--length" && ReadNumber(argv[i + 1], 1, 1e6, value)) {
      options.Length = value;
    } else {
      return Usage();
    }
  }
  if (!opponentsGiven) return Usage();
  const std::vector<std::string> problems = CheckTrack(records, options);
  for (const std::string& p : problems) std::fprintf(stderr, "%s: %s\n", argv[2], p.c_str());
  if (!problems.empty()) return 1;
  std::printf("%s: sound\n", argv[2]);
  return 0;
}

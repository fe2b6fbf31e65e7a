#include "tools/trackc/lib/TrackSource.h"

#include <cmath>
#include <sstream>

namespace {

[[noreturn]] void Fail(int line, const std::string& message) {
  throw TrackSourceError("line " + std::to_string(line) + ": " + message);
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

double Number(const std::string& word, double low, double high, int line) {
  char* end = nullptr;
  const double v = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !std::isfinite(v) || v < low || v > high) {
    Fail(line, "\"" + word + "\" is not a number in " + std::to_string(static_cast<long>(low)) +
                   ".." + std::to_string(static_cast<long>(high)));
  }
  return v;
}

int Whole(const std::string& word, long low, long high, int line) {
  const double v = Number(word, static_cast<double>(low), static_cast<double>(high), line);
  if (v != std::floor(v)) Fail(line, "\"" + word + "\" is not a whole number");
  return static_cast<int>(v);
}

void Expect(const std::vector<std::string>& words, size_t count, const char* usage, int line) {
  if (words.size() != count) Fail(line, std::string("expected \"") + usage + "\"");
}

Side SideByName(const std::string& name, int line) {
  if (name == "north") return Side::North;
  if (name == "east") return Side::East;
  if (name == "south") return Side::South;
  if (name == "west") return Side::West;
  Fail(line, "\"" + name + "\" is not a side (north, east, south, west)");
}

ObstacleKind Kind(const std::string& name, int line) {
  ObstacleKind kind;
  if (!ObstacleKindByName(name, kind)) Fail(line, "unknown obstacle \"" + name + "\"");
  return kind;
}

}  // namespace

bool ObstacleKindByName(const std::string& name, ObstacleKind& kind) {
  static const struct {
    const char* Name;
    ObstacleKind Kind;
  } kNames[] = {{"tree", {1, 4}},  {"tree1", {1, 1}}, {"tree2", {2, 2}}, {"tree3", {3, 3}},
                {"tree4", {4, 4}}, {"house", {5, 5}}, {"fir", {6, 7}},   {"elka1", {6, 6}},
                {"elka2", {7, 7}}, {"rock", {8, 8}},  {"arch", {9, 9}},  {"tyres", {12, 12}}};
  for (const auto& n : kNames) {
    if (name == n.Name) {
      kind = n.Kind;
      return true;
    }
  }
  return false;
}

TrackSource ParseTrackSource(const std::string& text) {
  TrackSource source;
  std::istringstream in(text);
  std::string raw;
  int line = 0;
  bool inGrid = false;
  bool gridSeen = false;
  while (std::getline(in, raw)) {
    ++line;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (inGrid) {
      if (Words(raw) == std::vector<std::string>{"end"}) {
        inGrid = false;
        continue;
      }
      if (static_cast<int>(raw.size()) > kMaxGridSide) Fail(line, "grid row too long");
      if (static_cast<int>(source.Grid.size()) >= kMaxGridSide) Fail(line, "too many grid rows");
      source.Grid.push_back(raw);
      continue;
    }
    const size_t hash = raw.find('#');
    const std::vector<std::string> w = Words(hash == std::string::npos ? raw : raw.substr(0, hash));
    if (w.empty()) continue;
    const std::string& key = w[0];
    if (key == "tile") {
      Expect(w, 2, "tile SIZE", line);
      source.TileSize = Whole(w[1], 64, 1024, line);
    } else if (key == "origin") {
      Expect(w, 3, "origin X Y", line);
      source.OriginX = Number(w[1], -100000, 100000, line);
      source.OriginY = Number(w[2], -100000, 100000, line);
    } else if (key == "demo") {
      Expect(w, 1, "demo", line);
      source.Demo = true;
    } else if (key == "landscape") {
      Expect(w, 2, "landscape NAME", line);
      if (!LandscapeByName(w[1], source.Scenery)) {
        Fail(line, "\"" + w[1] + "\" is not a landscape (meadow, autumn, coast, winter)");
      }
    } else if (key == "seed") {
      Expect(w, 2, "seed N", line);
      source.Seed = static_cast<uint32_t>(Number(w[1], 0, 4294967295.0, line));
    } else if (key == "road") {
      Expect(w, 1, "road", line);
      if (gridSeen) Fail(line, "a second road grid");
      gridSeen = inGrid = true;
      source.GridLine = line + 1;
    } else if (key == "place") {
      Expect(w, 6, "place NAME C R DX DY", line);
      source.Obstacles.push_back(
          {Kind(w[1], line), Whole(w[2], 0, kMaxGridSide, line), Whole(w[3], 0, kMaxGridSide, line),
           Number(w[4], -1000, 1000, line), Number(w[5], -1000, 1000, line), line});
    } else if (key == "wall") {
      Expect(w, 5, "wall C R SIDE GAP", line);
      source.Walls.push_back({Whole(w[1], 0, kMaxGridSide, line),
                              Whole(w[2], 0, kMaxGridSide, line), SideByName(w[3], line),
                              Number(w[4], 0, 1000, line), line});
    } else if (key == "scatter") {
      if (w.size() < 4) Fail(line, "expected \"scatter COUNT GAP NAME...\"");
      ScatterSpec spec;
      spec.Count = Whole(w[1], 0, kMaxScatter, line);
      spec.Gap = Number(w[2], 0, 1000, line);
      for (size_t i = 3; i < w.size(); ++i) spec.Kinds.push_back(Kind(w[i], line));
      source.Scatters.push_back(spec);
    } else if (key == "flowers") {
      Expect(w, 2, "flowers COUNT", line);
      source.Flowers = Whole(w[1], 0, kMaxScatter, line);
    } else if (key == "water") {
      Expect(w, 2, "water COUNT", line);
      source.Ponds = Whole(w[1], 0, kMaxPonds, line);
    } else {
      Fail(line, "unknown word \"" + key + "\"");
    }
  }
  if (inGrid) Fail(line, "the road grid has no \"end\"");
  if (!gridSeen) Fail(line, "no road grid");
  return source;
}

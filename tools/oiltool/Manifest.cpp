#include "tools/oiltool/Manifest.h"

#include <cstdlib>
#include <sstream>

#include "engine/graphics/PlatformColor.h"

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

bool ParseInt(const std::string& s, long long& value) {
  if (s.empty()) return false;
  char* end = nullptr;
  value = std::strtoll(s.c_str(), &end, 0);
  return *end == '\0';
}

}  // namespace

bool ParseManifest(const std::string& text, std::vector<ManifestLine>& lines, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.empty() || raw[0] == '#') continue;
    const std::vector<std::string> f = SplitTabs(raw);
    const auto fail = [&](const std::string& why) {
      error = "line " + std::to_string(number) + ": " + why;
      return false;
    };
    if (f.size() < 6 || f.size() > 7) return fail("expected 6 or 7 tab-separated fields");
    ManifestLine line;
    line.Name = f[0];
    line.PictureFile = f[1] == "-" ? "" : f[1];
    long long tileWidth = 0;
    long long tileHeight = 0;
    if (!ParseInt(f[2], tileWidth) || !ParseInt(f[3], tileHeight) || tileWidth < INT32_MIN ||
        tileWidth > INT32_MAX || tileHeight < INT32_MIN || tileHeight > INT32_MAX) {
      return fail("tile sizes must be integers");
    }
    line.TileWidth = static_cast<int>(tileWidth);
    line.TileHeight = static_cast<int>(tileHeight);
    long long colour = 0;
    uint32_t named = 0;
    if (ParseInt(f[4], colour) && colour >= INT32_MIN && colour <= UINT32_MAX) {
      line.TransparentColor = static_cast<unsigned>(colour);
    } else if (ColorFromIdentifier(f[4], named)) {
      line.TransparentColor = named;
    } else {
      return fail("unknown transparent colour '" + f[4] + "'");
    }
    if (f[5] != "0" && f[5] != "1") return fail("transparent must be 0 or 1");
    line.Transparent = f[5] == "1";
    if (f.size() == 7) line.Filepath = f[6];
    lines.push_back(line);
  }
  return true;
}

std::string FormatManifest(const std::vector<ManifestLine>& lines) {
  std::ostringstream out;
  out << "# name\tpicture\ttile-width\ttile-height\ttransparent-colour\ttransparent\tfilepath\n";
  for (const ManifestLine& l : lines) {
    out << l.Name << '\t' << (l.PictureFile.empty() ? "-" : l.PictureFile) << '\t' << l.TileWidth
        << '\t' << l.TileHeight << "\t0x" << std::hex << l.TransparentColor << std::dec << '\t'
        << (l.Transparent ? 1 : 0) << '\t' << l.Filepath << '\n';
  }
  return out.str();
}

// The world table as a person sees it: the real page in headless Chromium on a phone-sized
// window, its screenshot kept in the build.
#include <gtest/gtest.h>
#include <httplib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/graphics/PngCodec.h"
#include "online/ScoreProtocol.h"
#include "tools/score-server/LoopbackScoreServer.h"

namespace {

const std::filesystem::path kProfile =
    std::filesystem::temp_directory_path() / ("bk-chromium-" + std::to_string(getpid()));

// What headless Chromium prints for the arguments (a page's DOM with --dump-dom).
std::string Chromium(const std::string& arguments) {
  const std::string profile = kProfile.string();
  const std::string command =
      "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
      "--user-data-dir=" +
      profile + " " + arguments + " 2>/dev/null";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  for (size_t got; (got = fread(buffer, 1, sizeof(buffer), pipe)) > 0;) out.append(buffer, got);
  pclose(pipe);
  return out;
}

// The address a page link's href (as the browser wrote it back, "&" as "&amp;") leads to
// from `page`: a link of a query alone keeps the page's path.
std::string Followed(const std::string& page, std::string href) {
  for (size_t at; (at = href.find("&amp;")) != std::string::npos;) href.replace(at, 5, "&");
  return page.substr(0, page.find('?')) + href;
}

std::string HrefOf(const std::string& dom, const std::string& rel) {
  const std::string marker = "rel=\"" + rel + "\" href=\"";
  const size_t start = dom.find(marker);
  if (start == std::string::npos) return "";
  const size_t from = start + marker.size();
  return dom.substr(from, dom.find('"', from) - from);
}

}  // namespace

TEST(WorldTableInABrowser, ShowsTheRowsCyrillicNamesAndWorkingPageLinks) {
  const std::filesystem::path database = std::filesystem::temp_directory_path() /
                                         ("bk-browser-" + std::to_string(getpid()) + ".sqlite");
  ScoreServerConfig config;
  config.DatabasePath = database.string();
  config.RequestsPerMinute = 0;
  config.Log = [](const std::string&) {};
  {
    LoopbackScoreServer server(config);
    httplib::Client client("127.0.0.1", server.Port());
    // Names in the game's code page: "Иван", "Мария", one that tries to be markup, and more
    // players than one page holds.
    std::vector<std::pair<std::string, int>> players = {
        {"\xC8\xE2\xE0\xED", 9000}, {"\xCC\xE0\xF0\xE8\xFF", 8000}, {"<b>Bold</b>", 7000}};
    for (int i = 0; i < 57; ++i) players.emplace_back("Racer" + std::to_string(i), 100 + i);
    for (const auto& [name, score] : players) {
      auto version = client.Get("/cgi/version.pl?version&prg=Brindle");
      ASSERT_TRUE(version);
      const std::string setCookie = version->get_header_value("Set-Cookie");
      const std::string inf =
          EncodeScoreReport(BuildScoreReport(name, score, VersionReplyToken(version->body), ""));
      auto report = client.Get(("/cgi/version.pl?hs&prg=Brindle&inf=" + inf).c_str(),
                               {{"Cookie", setCookie.substr(0, setCookie.find(';'))}});
      ASSERT_TRUE(report && report->status == 200) << name;
    }
    const std::string url = server.Address() + "/cgi/version.pl?prg=Brindle&show&type=0";

    const std::string screenshot = std::string(BK_SCREENSHOT_DIR) + "/world-table-phone.png";
    std::filesystem::create_directories(BK_SCREENSHOT_DIR);
    std::filesystem::remove(screenshot);
    const std::string russian = Chromium(
        "--accept-lang=ru-RU --window-size=412,915 --dump-dom "
        "--screenshot=" +
        screenshot + " '" + url + "'");
    EXPECT_NE(russian.find("<html lang=\"ru\">"), std::string::npos) << russian;
    EXPECT_NE(russian.find("<tr class=\"first\"><td class=\"place\">1</td><td>Иван</td>"),
              std::string::npos);
    EXPECT_NE(russian.find("<td>Мария</td>"), std::string::npos);
    EXPECT_NE(russian.find("<td>&lt;b&gt;Bold&lt;/b&gt;</td>"), std::string::npos);
    EXPECT_EQ(russian.find("<b>"), std::string::npos);
    EXPECT_NE(russian.find("<td class=\"place\">50</td>"), std::string::npos);
    EXPECT_EQ(russian.find("<td class=\"place\">51</td>"), std::string::npos);

    const std::string next = HrefOf(russian, "next");
    ASSERT_FALSE(next.empty()) << russian;
    const std::string second =
        Chromium("--accept-lang=en-US --dump-dom '" + Followed(url, next) + "'");
    EXPECT_NE(second.find("<html lang=\"en\">"), std::string::npos) << second;
    EXPECT_NE(second.find("<span>Page 2 of 2</span>"), std::string::npos);
    EXPECT_NE(second.find("<td class=\"place\">60</td><td>Racer0</td>"), std::string::npos);
    EXPECT_EQ(Followed(url, HrefOf(second, "prev")), url + "&page=1");

    // On the screenshot: the table's gold first row and light text on the dark page.
    std::ifstream file(screenshot, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    PixelImage image;
    ASSERT_TRUE(DecodePng(bytes.data(), bytes.size(), image)) << screenshot;
    EXPECT_EQ(image.Width, 412);
    int gold = 0;
    int light = 0;
    for (int y = 0; y < image.Height; ++y) {
      for (int x = 0; x < image.Width; ++x) {
        const uint8_t* p = image.Pixel(x, y);
        gold += p[0] == 0x80 && p[1] == 0x66 && p[2] == 0x14 ? 1 : 0;
        light += p[0] > 200 && p[1] > 200 && p[2] > 200 ? 1 : 0;
      }
    }
    EXPECT_GT(gold, 412 * 20);
    EXPECT_GT(light, 2000);
  }
  for (const char* suffix : {"", "-wal", "-shm"})
    std::filesystem::remove(database.string() + suffix);
}

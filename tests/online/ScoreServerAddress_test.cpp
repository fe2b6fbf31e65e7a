#include "online/ScoreServerAddress.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

TEST(ScoreServerAddress, ServerCfgOverridesTheBuildDefaultWhenItHoldsAWebAddress) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("Server-" + std::to_string(::getpid()) + ".cfg");
  const struct {
    const char* content;  // nullptr: no file
    std::string address;
  } cases[] = {
      {nullptr, DefaultScoreServerAddress()},
      {"http://scores.example.org:9000\n", "http://scores.example.org:9000"},
      {"  https://club.example/ \r\nsecond line ignored\n", "https://club.example"},
      {"http://127.0.0.1:8711", "http://127.0.0.1:8711"},
      {"", DefaultScoreServerAddress()},
      {"scores.example.org", DefaultScoreServerAddress()},
      {"ftp://scores.example.org", DefaultScoreServerAddress()},
      {"http://bad host", DefaultScoreServerAddress()},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(file);
    if (c.content != nullptr) std::ofstream(file, std::ios::binary) << c.content;
    EXPECT_EQ(LoadScoreServerAddress(file), c.address) << (c.content ? c.content : "(no file)");
  }
  // A huge first line is not read in: only its start is looked at, and it is refused.
  std::ofstream(file, std::ios::binary) << "http://x" << std::string(8 << 20, 'a') << "\n";
  EXPECT_EQ(LoadScoreServerAddress(file), DefaultScoreServerAddress());
  const std::string longest = "http://" + std::string(4096 - 7, 'a');
  std::ofstream(file, std::ios::binary) << longest << "\nrest";
  EXPECT_EQ(LoadScoreServerAddress(file), longest);
  std::filesystem::remove(file);
  EXPECT_EQ(DefaultScoreServerAddress().rfind("http://", 0), 0u);
}

TEST(ScoreServerAddress, RequestAndPageAddressesHangOffTheBase) {
  const std::string base = "http://scores.example.org:9000";
  EXPECT_EQ(VersionRequestUrl(base), base + "/cgi/version.pl?version&prg=Brindle");
  EXPECT_EQ(ScoreReportUrl(base, "NFTGG3DF"), base + "/cgi/version.pl?hs&prg=Brindle&inf=NFTGG3DF");
  EXPECT_EQ(WorldHighScoresUrl(base), base + "/cgi/version.pl?prg=Brindle&show&type=0");
}

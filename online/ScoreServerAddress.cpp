#include "online/ScoreServerAddress.h"

#include <fstream>
#include <iostream>

#include "online/ScoreProtocol.h"
#include "platform/GamePaths.h"

namespace {

// No address comes near this; a longer first line is not read into memory at all.
constexpr std::size_t kMaxAddressLine = 4096;

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool HasWebScheme(const std::string& address) {
  return address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0;
}

std::string WithoutTrailingSlashes(std::string address) {
  while (!address.empty() && address.back() == '/') address.pop_back();
  return address;
}

}  // namespace

std::string DefaultScoreServerAddress() {
  return BK_DEFAULT_SCORE_SERVER;
}

std::string LoadScoreServerAddress(const std::filesystem::path& configFile) {
  std::ifstream in(configFile, std::ios::binary);
  if (!in) return DefaultScoreServerAddress();
  std::string head(kMaxAddressLine + 1, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  const std::string line = head.substr(0, head.find('\n'));
  if (line.size() > kMaxAddressLine) {
    std::cerr << configFile.string() << ": the first line is longer than " << kMaxAddressLine
              << " bytes, using " << DefaultScoreServerAddress() << "\n";
    return DefaultScoreServerAddress();
  }
  const std::string address = WithoutTrailingSlashes(Trimmed(line));
  if (!HasWebScheme(address) || address.find_first_of(" \t") != std::string::npos) {
    std::cerr << configFile.string() << ": not an http:// address, using "
              << DefaultScoreServerAddress() << "\n";
    return DefaultScoreServerAddress();
  }
  return address;
}

std::string ConfiguredScoreServerAddress() {
  return LoadScoreServerAddress(SavePath("Server.cfg"));
}

std::string VersionRequestUrl(const std::string& serverAddress) {
  return serverAddress + kScriptPath + "?" + VersionRequestQuery();
}

std::string ScoreReportUrl(const std::string& serverAddress, const std::string& encodedReport) {
  return serverAddress + kScriptPath + "?" + ScoreReportQuery(encodedReport);
}

std::string WorldHighScoresUrl(const std::string& serverAddress) {
  return serverAddress + kScriptPath + "?" + HighScoreTableQuery();
}

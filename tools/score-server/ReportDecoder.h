#pragma once
#include <cstdint>
#include <string>

// The fields of a score report, texts converted to UTF-8.
struct ScoreReportFields {
  std::string Name;
  int32_t Score = 0;
  std::string Token;
  std::string ExtraText;
};

struct ReportDecodeResult {
  bool Ok = false;
  ScoreReportFields Fields;
  std::string Error;  // why the report was refused, for the reply
};

// Decodes the "inf" value of a score report: symbols of the 32-symbol alphabet, 8 for every
// 5 characters of "type=0|name=…|score=…|key=X|p=…|add=…|z=" padded with "0". The game
// escapes nothing, so fields are found by their fixed order and by what the server issued
// (p is always one of its tokens): a name or text holding "|" or "=" comes out exactly as
// sent. A report that could be read in two ways is refused rather than guessed at.
ReportDecodeResult DecodeScoreReport(const std::string& symbols, size_t maxSymbols);

#pragma once
#include <cstdint>
#include <string>

// The texts the game exchanges with the score server. All texts are Windows-1251 bytes.

// A version reply is usable only when it starts with "OK" exactly (case-sensitive).
bool VersionReplyAccepted(const std::string& reply);

// The server value a report must echo: the fifth "|"-terminated field of the reply
// ("OK|version|min client|message|p|"). Each of five passes takes the text before the first
// "|" and keeps the rest; a pass that finds no "|" yields "" and keeps the text as it is.
std::string VersionReplyToken(const std::string& reply);

// "type=0|name=…|score=…|key=X|p=…|add=…|z=", padded with "0" to a multiple of 5
// characters. Nothing is escaped: the server parses fields by their fixed order.
std::string BuildScoreReport(const std::string& playerName, int32_t score, const std::string& token,
                             const std::string& extraText);

// The report in the 32-symbol alphabet: 8 symbols for every 5 report characters.
std::string EncodeScoreReport(const std::string& paddedReport);

#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The texts the game exchanges with the score server: written and read here by the game,
// and by the server (tools/score-server) for its side. All texts are Windows-1251 bytes.

// Every request is a GET of kScriptPath with a query that names the program
// (kProgramParam=kProgramName) and holds one request word: kVersionRequest,
// kReportRequest (the encoded report in kReportParam) or kTableRequest (the table
// kTableTypeParam=kTableType, page kTablePageParam, from 1).
inline constexpr char kScriptPath[] = "/cgi/version.pl";
inline constexpr char kProgramParam[] = "prg";
inline constexpr char kProgramName[] = "Brindle";
inline constexpr char kVersionRequest[] = "version";
inline constexpr char kReportRequest[] = "hs";
inline constexpr char kReportParam[] = "inf";
inline constexpr char kTableRequest[] = "show";
inline constexpr char kTableTypeParam[] = "type";
inline constexpr char kTableType[] = "0";
inline constexpr char kTablePageParam[] = "page";

// The queries (the text after "?") of the three requests.
std::string VersionRequestQuery();                               // "version&prg=Brindle"
std::string ScoreReportQuery(const std::string& encodedReport);  // "hs&prg=Brindle&inf=…"
// "prg=Brindle&show&type=0", with "&page=N" when page is above 0.
std::string HighScoreTableQuery(int64_t page = 0);

// A reply starts with a verdict and ends each field with "|".
inline constexpr char kAccepted[] = "OK";
inline constexpr char kRefused[] = "ERROR";
// A verdict with one field: "OK|stored|", "ERROR|reason|".
std::string ShortReply(const char* verdict, const std::string& field);

// The version reply: "OK|version|min client|message|p|", p the token the report must echo.
std::string VersionReply(const std::string& serverVersion, const std::string& minClientVersion,
                         const std::string& message, const std::string& token);

// A version reply is usable only when it starts with "OK" exactly (case-sensitive).
bool VersionReplyAccepted(const std::string& reply);

// The server value a report must echo: the fifth "|"-terminated field of the reply
// ("OK|version|min client|message|p|"). Each of five passes takes the text before the first
// "|" and keeps the rest; a pass that finds no "|" yields "" and keeps the text as it is.
std::string VersionReplyToken(const std::string& reply);

// The fixed parts of a score report, in order:
// kReportHead name kReportScoreField score kReportTokenField p kReportExtraField text
// kReportTail, then kReportPadding up to a multiple of kReportBlock characters.
inline constexpr char kReportHead[] = "type=0|name=";
inline constexpr char kReportScoreField[] = "|score=";
inline constexpr char kReportTokenField[] = "|key=X|p=";
inline constexpr char kReportExtraField[] = "|add=";
inline constexpr char kReportTail[] = "|z=";
inline constexpr char kReportPadding = '0';
inline constexpr size_t kReportBlock = 5;

// The report "type=0|name=…|score=…|key=X|p=…|add=…|z=" of the parts above, padded.
// Nothing is escaped: the server parses fields by their fixed order.
std::string BuildScoreReport(const std::string& playerName, int32_t score, const std::string& token,
                             const std::string& extraText);

// The report in the 32-symbol alphabet: 8 symbols for every 5 report characters.
std::string EncodeScoreReport(const std::string& paddedReport);

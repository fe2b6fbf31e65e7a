#pragma once
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "tools/score-server/ReportDecoder.h"

struct sqlite3;
struct sqlite3_stmt;

struct BestScore {
  std::string Name;  // UTF-8
  int64_t Score = 0;
};

enum class StoreOutcome {
  Stored,
  TokenAlreadyUsed,
  TokenNotIssued,  // no token for this session, or a different one
  TokenExpired,
};

// The server's database (SQLite, write-ahead log): the token issued to each session and the
// accepted reports. Safe to call from many threads; every statement is prepared once.
// Throws std::runtime_error when the file cannot be opened or written.
class ScoreStore {
 public:
  // Refuses a file that fails its integrity check, naming what is damaged.
  explicit ScoreStore(const std::string& databasePath);
  ~ScoreStore();
  ScoreStore(const ScoreStore&) = delete;
  ScoreStore& operator=(const ScoreStore&) = delete;

  // Binds a fresh token to the session, replacing any earlier one, and drops tokens issued
  // before forgetBefore that were never used.
  void IssueToken(const std::string& session, const std::string& token, int64_t now,
                  int64_t forgetBefore);

  // Stores the report when its token is the one issued to this session at or after
  // issuedNoEarlierThan and was never used; the token is spent with it, atomically.
  StoreOutcome StoreReport(const std::string& session, const ScoreReportFields& report,
                           const std::string& address, int64_t now, int64_t issuedNoEarlierThan);

  // Whether the database answers a query on the reports.
  bool Healthy();

  // The best score of each name, highest first (ties by name), at most `limit` rows.
  std::vector<BestScore> BestScores(int limit);

 private:
  void Open(const std::string& databasePath);
  void Close();
  void CheckIntegrity(const std::string& databasePath);
  StoreOutcome CheckToken(const std::string& session, const std::string& token,
                          int64_t issuedNoEarlierThan);
  sqlite3_stmt* Prepare(const char* sql);
  void Execute(const char* sql);
  void Check(int code, const char* what);
  void Finish(sqlite3_stmt* statement, const char* what);

  std::mutex mutex_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* issueToken_ = nullptr;
  sqlite3_stmt* forgetTokens_ = nullptr;
  sqlite3_stmt* findIssuedToken_ = nullptr;
  sqlite3_stmt* findUsedToken_ = nullptr;
  sqlite3_stmt* spendToken_ = nullptr;
  sqlite3_stmt* insertReport_ = nullptr;
  sqlite3_stmt* bestScores_ = nullptr;
};

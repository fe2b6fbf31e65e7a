#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/score-server/ReportDecoder.h"

class SqlDatabase;

struct BestScore {
  std::string Name;  // UTF-8
  int64_t Score = 0;
  int64_t ReceivedAt = 0;  // seconds since the epoch, of the report that set it
};

struct BestScoresPage {
  std::vector<BestScore> Rows;
  int64_t Names = 0;  // names in the whole table
};

enum class StoreOutcome {
  Stored,
  TokenAlreadyUsed,
  TokenNotIssued,  // no token for this session, or a different one
  TokenExpired,
};

// The server's data: the token issued to each session, the accepted reports and the
// request counts of the rate limit, in SQLite or PostgreSQL alike, so that any number of
// servers may share one PostgreSQL. Opening creates the tables or brings them up to the
// current schema version. Safe to call from many threads. Throws std::runtime_error when
// the database cannot be opened, is damaged, or fails.
class ScoreStore {
 public:
  // `location`: a postgresql:// connection string, or the path of an SQLite file.
  explicit ScoreStore(const std::string& location);
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

  // Counts a request from the address and says whether it is within `perMinute` in the
  // address's current one-minute window (which starts at its first request).
  bool AllowRequest(const std::string& address, int64_t now, int perMinute);

  // The best score of each name, highest first (ties by name): `limit` rows from `offset`.
  BestScoresPage BestScores(int64_t offset, int64_t limit);

  // Whether the database answers a query on the reports.
  bool Healthy();

 private:
  void Upgrade();

  static constexpr uint64_t kRequestsBetweenCleanups = 1000;

  std::unique_ptr<SqlDatabase> db_;
  std::atomic<uint64_t> requestsCounted_{0};
};

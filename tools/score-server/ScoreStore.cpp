#include "tools/score-server/ScoreStore.h"

#include <stdexcept>

#include "tools/score-server/SqlDatabase.h"

namespace {

// The statements that bring the schema from each version to the next; "{key}" stands for
// the engine's self-numbered key. Version 1 is the first server's schema, which kept no
// version, so its statements leave existing tables alone.
const std::vector<std::vector<std::string>> kUpgrades = {
    {
        "CREATE TABLE IF NOT EXISTS sessions (id TEXT PRIMARY KEY, token TEXT NOT NULL, "
        "issued_at BIGINT NOT NULL)",
        "CREATE INDEX IF NOT EXISTS sessions_by_issue ON sessions (issued_at)",
        "CREATE TABLE IF NOT EXISTS reports (id {key}, token TEXT NOT NULL UNIQUE, "
        "name TEXT NOT NULL, score BIGINT NOT NULL, extra TEXT NOT NULL, "
        "address TEXT NOT NULL, received_at BIGINT NOT NULL)",
        "CREATE INDEX IF NOT EXISTS reports_by_name ON reports (name, score)",
    },
    {
        "CREATE TABLE rate_windows (address TEXT PRIMARY KEY, window_start BIGINT NOT NULL, "
        "requests BIGINT NOT NULL)",
        "CREATE INDEX rate_windows_by_start ON rate_windows (window_start)",
    },
};

std::string WithKey(std::string sql, const std::string& key) {
  const std::string mark = "{key}";
  const size_t at = sql.find(mark);
  if (at != std::string::npos) sql.replace(at, mark.size(), key);
  return sql;
}

// Runs `work` inside the transaction `begin` starts: committed when it returns true, rolled
// back when it returns false or throws.
template <typename Work>
bool InTransaction(SqlConnection& connection, const char* begin, Work work) {
  connection.Run(begin);
  try {
    const bool commit = work();
    connection.Run(commit ? "COMMIT" : "ROLLBACK");
    return commit;
  } catch (...) {
    try {
      connection.Run("ROLLBACK");
    } catch (const std::runtime_error&) {
      // The connection is gone; the server rolls the transaction back itself.
    }
    throw;
  }
}

}  // namespace

ScoreStore::ScoreStore(const std::string& location) : db_(OpenSqlDatabase(location)) {
  Upgrade();
}

ScoreStore::~ScoreStore() = default;

void ScoreStore::Upgrade() {
  SqlLease connection = db_->Borrow();
  InTransaction(*connection, db_->BeginSchemaChange(), [&] {
    connection->Run("CREATE TABLE IF NOT EXISTS schema_version (version BIGINT NOT NULL)");
    const std::string found =
        connection->Run("SELECT MAX(version) FROM schema_version").at(0).at(0);
    const int version = found.empty() ? 0 : std::stoi(found);
    if (version > static_cast<int>(kUpgrades.size())) {
      throw std::runtime_error("the database is at schema version " + found +
                               ", newer than this server knows (" +
                               std::to_string(kUpgrades.size()) + "): run a newer server");
    }
    for (size_t next = static_cast<size_t>(version); next < kUpgrades.size(); ++next) {
      for (const std::string& sql : kUpgrades[next]) {
        connection->Run(WithKey(sql, db_->GeneratedKey()));
      }
    }
    connection->Run("DELETE FROM schema_version");
    connection->Run("INSERT INTO schema_version (version) VALUES ($1)",
                    {static_cast<int64_t>(kUpgrades.size())});
    return true;
  });
}

void ScoreStore::IssueToken(const std::string& session, const std::string& token, int64_t now,
                            int64_t forgetBefore) {
  SqlLease connection = db_->Borrow();
  connection->Run("DELETE FROM sessions WHERE issued_at < $1", {forgetBefore});
  connection->Run(
      "INSERT INTO sessions (id, token, issued_at) VALUES ($1, $2, $3) "
      "ON CONFLICT (id) DO UPDATE SET token = excluded.token, issued_at = excluded.issued_at",
      {session, token, now});
}

StoreOutcome ScoreStore::StoreReport(const std::string& session, const ScoreReportFields& report,
                                     const std::string& address, int64_t now,
                                     int64_t issuedNoEarlierThan) {
  SqlLease connection = db_->Borrow();
  StoreOutcome outcome = StoreOutcome::Stored;
  // Spending the token and storing the report form one transaction; a server racing to
  // spend the same token waits for it, then finds the token gone and the report stored.
  InTransaction(*connection, db_->BeginWriting(), [&] {
    const bool spent = !connection
                            ->Run(
                                "DELETE FROM sessions WHERE id = $1 AND token = $2 "
                                "AND issued_at >= $3 RETURNING id",
                                {session, report.Token, issuedNoEarlierThan})
                            .empty();
    if (spent) {
      connection->Run(
          "INSERT INTO reports (token, name, score, extra, address, received_at) "
          "VALUES ($1, $2, $3, $4, $5, $6)",
          {report.Token, report.Name, static_cast<int64_t>(report.Score), report.ExtraText, address,
           now});
      return true;
    }
    if (!connection->Run("SELECT 1 FROM reports WHERE token = $1", {report.Token}).empty()) {
      outcome = StoreOutcome::TokenAlreadyUsed;
    } else if (!connection
                    ->Run("SELECT 1 FROM sessions WHERE id = $1 AND token = $2",
                          {session, report.Token})
                    .empty()) {
      outcome = StoreOutcome::TokenExpired;
    } else {
      outcome = StoreOutcome::TokenNotIssued;
    }
    return false;
  });
  return outcome;
}

bool ScoreStore::AllowRequest(const std::string& address, int64_t now, int perMinute) {
  SqlLease connection = db_->Borrow();
  // Windows long past are dropped now and then, which keeps the table to the recent addresses.
  if (requestsCounted_++ % kRequestsBetweenCleanups == 0) {
    connection->Run("DELETE FROM rate_windows WHERE window_start < $1", {now - 60});
  }
  const std::vector<SqlRow> counted = connection->Run(
      "INSERT INTO rate_windows (address, window_start, requests) VALUES ($1, $2, 1) "
      "ON CONFLICT (address) DO UPDATE SET "
      "requests = CASE WHEN $2 - rate_windows.window_start >= 60 THEN 1 "
      "ELSE rate_windows.requests + 1 END, "
      "window_start = CASE WHEN $2 - rate_windows.window_start >= 60 THEN $2 "
      "ELSE rate_windows.window_start END "
      "RETURNING requests",
      {address, now});
  return std::stoll(counted.at(0).at(0)) <= perMinute;
}

BestScoresPage ScoreStore::BestScores(int64_t offset, int64_t limit) {
  SqlLease connection = db_->Borrow();
  BestScoresPage page;
  // Each name's best score, dated by the earliest report that reached it.
  for (const SqlRow& row : connection->Run(
           "SELECT name, score, received_at FROM ("
           "SELECT name, score, received_at, ROW_NUMBER() OVER "
           "(PARTITION BY name ORDER BY score DESC, received_at, id) AS rank FROM reports) best "
           "WHERE rank = 1 ORDER BY score DESC, name LIMIT $1 OFFSET $2",
           {limit, offset})) {
    page.Rows.push_back({row.at(0), std::stoll(row.at(1)), std::stoll(row.at(2))});
  }
  page.Names = std::stoll(connection->Run("SELECT COUNT(DISTINCT name) FROM reports").at(0).at(0));
  return page;
}

bool ScoreStore::Healthy() {
  try {
    db_->Borrow()->Run("SELECT 1 FROM reports LIMIT 1");
    return true;
  } catch (const std::runtime_error&) {
    return false;
  }
}

#include "tools/score-server/ScoreStore.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

const char kSchema[] = R"sql(
  CREATE TABLE IF NOT EXISTS sessions (
    id TEXT PRIMARY KEY,
    token TEXT NOT NULL,
    issued_at INTEGER NOT NULL);
  CREATE INDEX IF NOT EXISTS sessions_by_issue ON sessions (issued_at);
  CREATE TABLE IF NOT EXISTS reports (
    id INTEGER PRIMARY KEY,
    token TEXT NOT NULL UNIQUE,
    name TEXT NOT NULL,
    score INTEGER NOT NULL,
    extra TEXT NOT NULL,
    address TEXT NOT NULL,
    received_at INTEGER NOT NULL);
  CREATE INDEX IF NOT EXISTS reports_by_name ON reports (name, score);
)sql";

void BindText(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text == nullptr ? std::string()
                         : std::string(text, sqlite3_column_bytes(statement, column));
}

}  // namespace

ScoreStore::ScoreStore(const std::string& databasePath) {
  try {
    Open(databasePath);
  } catch (...) {
    Close();
    throw;
  }
}

ScoreStore::~ScoreStore() {
  Close();
}

void ScoreStore::Open(const std::string& databasePath) {
  const int opened =
      sqlite3_open_v2(databasePath.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (opened != SQLITE_OK) {
    const std::string reason = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
    throw std::runtime_error("cannot open " + databasePath + ": " + reason);
  }
  sqlite3_busy_timeout(db_, 5000);
  CheckIntegrity(databasePath);
  Execute("PRAGMA journal_mode=WAL");
  // With the write-ahead log, NORMAL never corrupts the file; at worst a power cut loses
  // the last moments of reports.
  Execute("PRAGMA synchronous=NORMAL");
  Execute(kSchema);
  issueToken_ = Prepare("INSERT OR REPLACE INTO sessions (id, token, issued_at) VALUES (?, ?, ?)");
  forgetTokens_ = Prepare("DELETE FROM sessions WHERE issued_at < ?");
  findIssuedToken_ = Prepare("SELECT token, issued_at FROM sessions WHERE id = ?");
  findUsedToken_ = Prepare("SELECT 1 FROM reports WHERE token = ?");
  spendToken_ = Prepare("DELETE FROM sessions WHERE id = ?");
  insertReport_ = Prepare(
      "INSERT INTO reports (token, name, score, extra, address, received_at) "
      "VALUES (?, ?, ?, ?, ?, ?)");
  bestScores_ = Prepare(
      "SELECT name, MAX(score) AS best FROM reports GROUP BY name "
      "ORDER BY best DESC, name LIMIT ?");
}

void ScoreStore::Close() {
  for (sqlite3_stmt* statement : {issueToken_, forgetTokens_, findIssuedToken_, findUsedToken_,
                                  spendToken_, insertReport_, bestScores_}) {
    sqlite3_finalize(statement);
  }
  sqlite3_close(db_);
  db_ = nullptr;
}

void ScoreStore::IssueToken(const std::string& session, const std::string& token, int64_t now,
                            int64_t forgetBefore) {
  std::lock_guard<std::mutex> lock(mutex_);
  sqlite3_bind_int64(forgetTokens_, 1, forgetBefore);
  Finish(forgetTokens_, "forget old tokens");
  BindText(issueToken_, 1, session);
  BindText(issueToken_, 2, token);
  sqlite3_bind_int64(issueToken_, 3, now);
  Finish(issueToken_, "issue a token");
}

StoreOutcome ScoreStore::StoreReport(const std::string& session, const ScoreReportFields& report,
                                     const std::string& address, int64_t now,
                                     int64_t issuedNoEarlierThan) {
  std::lock_guard<std::mutex> lock(mutex_);
  // The checks and the writes form one transaction, so a token is spent exactly once even
  // when another process shares the database file.
  Execute("BEGIN IMMEDIATE");
  try {
    const StoreOutcome outcome = CheckToken(session, report.Token, issuedNoEarlierThan);
    if (outcome == StoreOutcome::Stored) {
      BindText(spendToken_, 1, session);
      Finish(spendToken_, "spend a token");
      BindText(insertReport_, 1, report.Token);
      BindText(insertReport_, 2, report.Name);
      sqlite3_bind_int64(insertReport_, 3, report.Score);
      BindText(insertReport_, 4, report.ExtraText);
      BindText(insertReport_, 5, address);
      sqlite3_bind_int64(insertReport_, 6, now);
      Finish(insertReport_, "store a report");
    }
    Execute(outcome == StoreOutcome::Stored ? "COMMIT" : "ROLLBACK");
    return outcome;
  } catch (...) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

StoreOutcome ScoreStore::CheckToken(const std::string& session, const std::string& token,
                                    int64_t issuedNoEarlierThan) {
  BindText(findUsedToken_, 1, token);
  const bool used = sqlite3_step(findUsedToken_) == SQLITE_ROW;
  sqlite3_reset(findUsedToken_);
  if (used) return StoreOutcome::TokenAlreadyUsed;

  BindText(findIssuedToken_, 1, session);
  std::string issuedToken;
  int64_t issuedAt = 0;
  if (sqlite3_step(findIssuedToken_) == SQLITE_ROW) {
    issuedToken = ColumnText(findIssuedToken_, 0);
    issuedAt = sqlite3_column_int64(findIssuedToken_, 1);
  }
  sqlite3_reset(findIssuedToken_);
  if (issuedToken.empty() || issuedToken != token) return StoreOutcome::TokenNotIssued;
  if (issuedAt < issuedNoEarlierThan) return StoreOutcome::TokenExpired;
  return StoreOutcome::Stored;
}

void ScoreStore::CheckIntegrity(const std::string& databasePath) {
  sqlite3_stmt* check = nullptr;
  std::string verdict;
  int code = sqlite3_prepare_v2(db_, "PRAGMA integrity_check(20)", -1, &check, nullptr);
  if (code == SQLITE_OK) {
    while ((code = sqlite3_step(check)) == SQLITE_ROW) {
      if (!verdict.empty()) verdict += "; ";
      verdict += ColumnText(check, 0);
    }
  }
  if (code != SQLITE_DONE) verdict = sqlite3_errmsg(db_);
  sqlite3_finalize(check);
  if (verdict != "ok") {
    throw std::runtime_error("the database " + databasePath + " is damaged (" + verdict +
                             "): restore it from a backup, or move it away to start empty");
  }
}

bool ScoreStore::Healthy() {
  std::lock_guard<std::mutex> lock(mutex_);
  return sqlite3_exec(db_, "SELECT 1 FROM reports LIMIT 1", nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::vector<BestScore> ScoreStore::BestScores(int limit) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<BestScore> rows;
  sqlite3_bind_int(bestScores_, 1, limit);
  int code;
  while ((code = sqlite3_step(bestScores_)) == SQLITE_ROW) {
    rows.push_back({ColumnText(bestScores_, 0), sqlite3_column_int64(bestScores_, 1)});
  }
  sqlite3_reset(bestScores_);
  Check(code == SQLITE_DONE ? SQLITE_OK : code, "read the best scores");
  return rows;
}

sqlite3_stmt* ScoreStore::Prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  Check(sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr), sql);
  return statement;
}

void ScoreStore::Execute(const char* sql) {
  Check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), sql);
}

void ScoreStore::Check(int code, const char* what) {
  if (code != SQLITE_OK) {
    throw std::runtime_error(std::string("database: ") + what + ": " + sqlite3_errmsg(db_));
  }
}

void ScoreStore::Finish(sqlite3_stmt* statement, const char* what) {
  const int code = sqlite3_step(statement);
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  Check(code == SQLITE_DONE ? SQLITE_OK : code, what);
}

#include "tools/score-server/SqliteDatabase.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text == nullptr ? std::string()
                         : std::string(text, sqlite3_column_bytes(statement, column));
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::string& path) {
  const int opened =
      sqlite3_open_v2(path.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  try {
    if (opened != SQLITE_OK) {
      const std::string reason = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
      throw std::runtime_error("cannot open " + path + ": " + reason);
    }
    sqlite3_busy_timeout(db_, 5000);
    CheckIntegrity(path);
    Run("PRAGMA journal_mode=WAL", {});
    // With the write-ahead log, NORMAL never corrupts the file; at worst a power cut loses
    // the last moments of reports.
    Run("PRAGMA synchronous=NORMAL", {});
  } catch (...) {
    Close();
    throw;
  }
}

SqliteDatabase::~SqliteDatabase() {
  Close();
}

void SqliteDatabase::Close() {
  for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
  statements_.clear();
  sqlite3_close(db_);
  db_ = nullptr;
}

SqlLease SqliteDatabase::Borrow() {
  mutex_.lock();
  return SqlLease(this, [this](SqlConnection*) { mutex_.unlock(); });
}

void SqliteDatabase::CheckIntegrity(const std::string& path) {
  std::string verdict;
  try {
    for (const SqlRow& row : Run("PRAGMA integrity_check(20)", {})) {
      if (!verdict.empty()) verdict += "; ";
      verdict += row.at(0);
    }
  } catch (const std::runtime_error&) {
    verdict = sqlite3_errmsg(db_);
  }
  if (verdict != "ok") {
    throw std::runtime_error("the database " + path + " is damaged (" + verdict +
                             "): restore it from a backup, or move it away to start empty");
  }
}

sqlite3_stmt* SqliteDatabase::Prepared(const std::string& sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) return found->second;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
      SQLITE_OK) {
    throw std::runtime_error("database: " + sql + ": " + sqlite3_errmsg(db_));
  }
  return statements_[sql] = statement;
}

std::vector<SqlRow> SqliteDatabase::Run(const std::string& sql,
                                        const std::vector<SqlValue>& parameters) {
  if (parameters.empty() && sql.find(';') != std::string::npos) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string reason = error != nullptr ? error : sqlite3_errmsg(db_);
      sqlite3_free(error);
      throw std::runtime_error("database: " + sql + ": " + reason);
    }
    return {};
  }
  sqlite3_stmt* statement = Prepared(sql);
  for (size_t i = 0; i < parameters.size(); ++i) {
    const int index =
        sqlite3_bind_parameter_index(statement, ("$" + std::to_string(i + 1)).c_str());
    if (index == 0) continue;
    const SqlValue& value = parameters[i];
    if (value.IsNumber) {
      sqlite3_bind_int64(statement, index, value.Number);
    } else {
      sqlite3_bind_text(statement, index, value.Text.data(), static_cast<int>(value.Text.size()),
                        SQLITE_TRANSIENT);
    }
  }
  std::vector<SqlRow> rows;
  int code;
  while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
    SqlRow row;
    for (int column = 0; column < sqlite3_column_count(statement); ++column) {
      row.push_back(ColumnText(statement, column));
    }
    rows.push_back(std::move(row));
  }
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (code != SQLITE_DONE)
    throw std::runtime_error("database: " + sql + ": " + sqlite3_errmsg(db_));
  return rows;
}

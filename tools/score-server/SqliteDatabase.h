#pragma once
#include <mutex>
#include <string>
#include <unordered_map>

#include "tools/score-server/SqlDatabase.h"

struct sqlite3;
struct sqlite3_stmt;

// An SQLite file in write-ahead-log mode behind one connection that threads take in turn;
// every statement is prepared once. Opening refuses a file that fails its integrity check.
class SqliteDatabase final : public SqlDatabase, private SqlConnection {
 public:
  explicit SqliteDatabase(const std::string& path);
  ~SqliteDatabase() override;

  SqlLease Borrow() override;
  const char* BeginWriting() const override { return "BEGIN IMMEDIATE"; }
  const char* BeginSchemaChange() const override { return "BEGIN IMMEDIATE"; }
  const char* GeneratedKey() const override { return "INTEGER PRIMARY KEY"; }

 private:
  std::vector<SqlRow> Run(const std::string& sql, const std::vector<SqlValue>& parameters) override;
  void CheckIntegrity(const std::string& path);
  sqlite3_stmt* Prepared(const std::string& sql);
  void Close();

  std::mutex mutex_;
  sqlite3* db_ = nullptr;
  std::unordered_map<std::string, sqlite3_stmt*> statements_;
};

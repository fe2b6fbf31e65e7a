#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tools/score-server/SqlDatabase.h"

// A PostgreSQL server reached through libpq, with a pool of connections opened as threads
// need them (at most `maxConnections`); a connection the server dropped is reopened.
class PostgresDatabase final : public SqlDatabase {
 public:
  // Connects once to check the address; throws std::runtime_error when that fails.
  PostgresDatabase(std::string connectionString, size_t maxConnections);
  ~PostgresDatabase() override;

  SqlLease Borrow() override;
  const char* BeginWriting() const override { return "BEGIN"; }
  const char* BeginSchemaChange() const override {
    return "BEGIN; SELECT pg_advisory_xact_lock(7405523)";
  }
  const char* GeneratedKey() const override { return "BIGSERIAL PRIMARY KEY"; }

 private:
  class Connection;

  const std::string connectionString_;
  const size_t maxConnections_;
  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<std::unique_ptr<Connection>> idle_;
  size_t open_ = 0;
};

#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A statement parameter: an integer or a text.
struct SqlValue {
  SqlValue(int64_t number) : IsNumber(true), Number(number) {}
  SqlValue(int number) : IsNumber(true), Number(number) {}
  SqlValue(std::string text) : Text(std::move(text)) {}
  SqlValue(const char* text) : Text(text) {}

  bool IsNumber = false;
  int64_t Number = 0;
  std::string Text;
};

// A result row, every column as text (NULL as "").
using SqlRow = std::vector<std::string>;

// One connection to the database, used by one thread at a time. Statements name their
// parameters $1, $2, … in the order of the values given.
class SqlConnection {
 public:
  virtual ~SqlConnection() = default;
  // Runs one statement (several when no parameters are given) and returns its rows; throws
  // std::runtime_error naming the statement and the engine's reason.
  virtual std::vector<SqlRow> Run(const std::string& sql,
                                  const std::vector<SqlValue>& parameters = {}) = 0;
};

// A connection lent by its database; it goes back when the pointer is dropped.
using SqlLease = std::unique_ptr<SqlConnection, std::function<void(SqlConnection*)>>;

// A database engine: lends connections and knows the few words its dialect spells its own way.
class SqlDatabase {
 public:
  virtual ~SqlDatabase() = default;
  // Waits for a free connection.
  virtual SqlLease Borrow() = 0;
  // Starts a transaction that writes; concurrent writers wait for it rather than fail later.
  virtual const char* BeginWriting() const = 0;
  // Starts a transaction that changes the schema, exclusive against every other server.
  virtual const char* BeginSchemaChange() const = 0;
  // The column type of an integer key the database numbers itself.
  virtual const char* GeneratedKey() const = 0;
};

// The database at `location`: a postgresql:// (or postgres://) connection string, or else
// the path of an SQLite file, created when missing. Throws std::runtime_error when it cannot
// be opened or is damaged.
std::unique_ptr<SqlDatabase> OpenSqlDatabase(const std::string& location);

#include "tools/score-server/PostgresDatabase.h"

#include <libpq-fe.h>

#include <stdexcept>

namespace {

void IgnoreNotice(void*, const char*) {}

}  // namespace

class PostgresDatabase::Connection final : public SqlConnection {
 public:
  explicit Connection(const std::string& connectionString)
      : connection_(PQconnectdb(connectionString.c_str())) {
    if (PQstatus(connection_) != CONNECTION_OK) {
      const std::string reason = PQerrorMessage(connection_);
      PQfinish(connection_);
      throw std::runtime_error("cannot connect to PostgreSQL: " + reason);
    }
    // "already exists, skipping" and the like are not worth a line in the log.
    PQsetNoticeProcessor(connection_, IgnoreNotice, nullptr);
  }
  ~Connection() override { PQfinish(connection_); }

  bool Broken() const { return PQstatus(connection_) != CONNECTION_OK; }
  void Reset() { PQreset(connection_); }

  std::vector<SqlRow> Run(const std::string& sql,
                          const std::vector<SqlValue>& parameters) override {
    std::vector<std::string> texts;
    texts.reserve(parameters.size());
    for (const SqlValue& value : parameters) {
      texts.push_back(value.IsNumber ? std::to_string(value.Number) : value.Text);
    }
    std::vector<const char*> values;
    for (const std::string& text : texts) values.push_back(text.c_str());
    PGresult* result = parameters.empty()
                           ? PQexec(connection_, sql.c_str())
                           : PQexecParams(connection_, sql.c_str(), static_cast<int>(values.size()),
                                          nullptr, values.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
      const std::string reason = PQresultErrorMessage(result);
      PQclear(result);
      throw std::runtime_error("database: " + sql + ": " + reason);
    }
    std::vector<SqlRow> rows(static_cast<size_t>(PQntuples(result)));
    for (int row = 0; row < PQntuples(result); ++row) {
      for (int column = 0; column < PQnfields(result); ++column) {
        rows[static_cast<size_t>(row)].emplace_back(PQgetvalue(result, row, column),
                                                    PQgetlength(result, row, column));
      }
    }
    PQclear(result);
    return rows;
  }

 private:
  PGconn* connection_;
};

PostgresDatabase::PostgresDatabase(std::string connectionString, size_t maxConnections)
    : connectionString_(std::move(connectionString)), maxConnections_(maxConnections) {
  idle_.push_back(std::make_unique<Connection>(connectionString_));
  open_ = 1;
}

PostgresDatabase::~PostgresDatabase() = default;

SqlLease PostgresDatabase::Borrow() {
  std::unique_ptr<Connection> connection;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    returned_.wait(lock, [this] { return !idle_.empty() || open_ < maxConnections_; });
    if (!idle_.empty()) {
      connection = std::move(idle_.back());
      idle_.pop_back();
    } else {
      ++open_;
    }
  }
  if (!connection) {
    try {
      connection = std::make_unique<Connection>(connectionString_);
    } catch (...) {
      std::lock_guard<std::mutex> lock(mutex_);
      --open_;
      returned_.notify_one();
      throw;
    }
  } else if (connection->Broken()) {
    connection->Reset();
  }
  return SqlLease(connection.release(), [this](SqlConnection* lent) {
    std::lock_guard<std::mutex> lock(mutex_);
    idle_.emplace_back(static_cast<Connection*>(lent));
    returned_.notify_one();
  });
}

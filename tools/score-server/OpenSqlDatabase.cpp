#include "tools/score-server/PostgresDatabase.h"
#include "tools/score-server/SqlDatabase.h"
#include "tools/score-server/SqliteDatabase.h"

namespace {

// As many connections as the server has workers, so no request waits for one.
constexpr size_t kPostgresConnections = 16;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::unique_ptr<SqlDatabase> OpenSqlDatabase(const std::string& location) {
  if (StartsWith(location, "postgresql://") || StartsWith(location, "postgres://")) {
    return std::make_unique<PostgresDatabase>(location, kPostgresConnections);
  }
  return std::make_unique<SqliteDatabase>(location);
}

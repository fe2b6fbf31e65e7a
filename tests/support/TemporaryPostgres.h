#pragma once
#include <string>

// A PostgreSQL server of the tests' own: a cluster made by initdb in a temporary folder and
// started by pg_ctl on a free loopback port, once per test program on first use, stopped
// and removed when the program ends. Run as root, it runs them as "nobody" (initdb refuses
// root). Throws std::runtime_error, with the server's log, when it cannot start.
class TemporaryPostgres {
 public:
  static TemporaryPostgres& Shared();
  ~TemporaryPostgres();

  // A connection string to a new, empty database on the server.
  std::string NewDatabase();

 private:
  TemporaryPostgres();
  std::string TemplateCluster() const;
  void Run(const std::string& command, const std::string& log) const;

  std::string folder_;
  std::string binaries_;
  std::string asUser_;  // the command prefix that drops root, or ""
  int port_ = 0;
  int databases_ = 0;
};

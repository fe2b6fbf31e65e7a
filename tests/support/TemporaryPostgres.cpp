#include "tests/support/TemporaryPostgres.h"

#include <fcntl.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// The newest installed server's programs (Debian keeps them out of PATH).
std::string ServerBinaries() {
  std::string best;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
    const std::string bin = entry.path().string() + "/bin";
    if (std::filesystem::exists(bin + "/initdb") && bin > best) best = bin;
  }
  if (best.empty()) {
    throw std::runtime_error("PostgreSQL's server is not installed (scripts/install-deps)");
  }
  return best;
}

int FreeLoopbackPort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  close(probe);
  return ntohs(address.sin_port);
}

std::string Contents(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

TemporaryPostgres& TemporaryPostgres::Shared() {
  static TemporaryPostgres server;
  return server;
}

TemporaryPostgres::TemporaryPostgres() : binaries_(ServerBinaries()), port_(FreeLoopbackPort()) {
  char folder[] = "/tmp/bk-postgres-XXXXXX";
  if (mkdtemp(folder) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  folder_ = folder;
  if (geteuid() == 0) {
    const passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr || chown(folder, nobody->pw_uid, nobody->pw_gid) != 0) {
      throw std::runtime_error("cannot hand " + folder_ + " to the user nobody");
    }
    asUser_ = "setpriv --reuid=" + std::to_string(nobody->pw_uid) +
              " --regid=" + std::to_string(nobody->pw_gid) + " --clear-groups -- ";
  }
  Run("cp -a " + TemplateCluster() + " " + folder_ + "/data", folder_ + "/copy.log");
  // No fsync: a test server needs no protection from power cuts, and starts faster without.
  Run(binaries_ + "/pg_ctl -D " + folder_ + "/data -l " + folder_ + "/server.log -w -o \"-p " +
          std::to_string(port_) + " -c listen_addresses=127.0.0.1 -k " + folder_ +
          " -c fsync=off -c max_connections=200\" start",
      folder_ + "/pg_ctl.log");
}

TemporaryPostgres::~TemporaryPostgres() {
  const std::string stop =
      asUser_ + binaries_ + "/pg_ctl -D " + folder_ + "/data -m immediate -w stop >/dev/null 2>&1";
  [[maybe_unused]] const int stopped = std::system(stop.c_str());
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

std::string TemporaryPostgres::TemplateCluster() const {
  // Made once per machine and server version, then copied: initdb takes seconds, a copy a
  // fraction of one, and every test program starts a server of its own.
  const std::string version = std::filesystem::path(binaries_).parent_path().filename().string();
  const std::string cluster =
      "/tmp/bk-postgres-template-" + std::to_string(geteuid()) + "-" + version;
  const int lock = open((cluster + ".lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
  flock(lock, LOCK_EX);
  std::error_code error;
  if (!std::filesystem::exists(cluster + "/PG_VERSION", error)) {
    std::filesystem::remove_all(cluster, error);
    std::filesystem::remove_all(cluster + ".new", error);
    try {
      Run(binaries_ + "/initdb -D " + cluster +
              ".new -U brindle --auth=trust -E UTF8 --locale=C -N",
          folder_ + "/initdb.log");
    } catch (...) {
      close(lock);
      throw;
    }
    std::filesystem::rename(cluster + ".new", cluster, error);
  }
  close(lock);
  return cluster;
}

void TemporaryPostgres::Run(const std::string& command, const std::string& log) const {
  const std::string line = asUser_ + command + " >" + log + " 2>&1";
  if (std::system(line.c_str()) != 0) {
    throw std::runtime_error("PostgreSQL failed: " + command + "\n" + Contents(log) +
                             Contents(folder_ + "/server.log"));
  }
}

std::string TemporaryPostgres::NewDatabase() {
  const std::string server = "postgresql://brindle@127.0.0.1:" + std::to_string(port_) + "/";
  const std::string name = "scores" + std::to_string(++databases_);
  PGconn* connection = PQconnectdb((server + "postgres").c_str());
  // A file copy of the template is quickest on a server that does not sync.
  PGresult* created =
      PQexec(connection, ("CREATE DATABASE " + name + " STRATEGY = FILE_COPY").c_str());
  const bool ok = PQresultStatus(created) == PGRES_COMMAND_OK;
  const std::string reason = PQerrorMessage(connection);
  PQclear(created);
  PQfinish(connection);
  if (!ok) throw std::runtime_error("cannot create a database: " + reason);
  return server + name;
}

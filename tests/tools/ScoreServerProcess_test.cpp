#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "online/ScoreProtocol.h"
#include "tests/support/TemporaryPostgres.h"
#include "tools/score-server/SqlDatabase.h"

namespace {

std::string ReadLine(FILE* stream) {
  std::string line;
  for (int c; (c = std::fgetc(stream)) != EOF && c != '\n';) line += static_cast<char>(c);
  return line;
}

// The executable on a free loopback port without a rate limit, its standard output readable
// line by line.
class ServerProcess {
 public:
  explicit ServerProcess(const std::string& database) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[1], STDOUT_FILENO);
      close(fds[0]);
      close(fds[1]);
      const std::string program = std::string(BK_TOOLS_DIR) + "/brindle-score-server";
      // The request log is not the test's business.
      [[maybe_unused]] FILE* silenced = freopen("/dev/null", "w", stderr);
      execl(program.c_str(), program.c_str(), "--host", "127.0.0.1", "--port", "0", "--rate", "0",
            "--db", database.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    output_ = fdopen(fds[0], "r");
  }
  ~ServerProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    std::fclose(output_);
  }
  std::string NextLine() { return ReadLine(output_); }
  // Sends the signal and returns the exit status.
  int Terminate(int signal = SIGTERM) {
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
  }

 private:
  pid_t pid_ = -1;
  FILE* output_ = nullptr;
};

// The port from the executable's first line.
int ServingPort(ServerProcess& server) {
  const std::string serving = server.NextLine();
  const std::string prefix = "brindle-score-server: serving http://127.0.0.1:";
  EXPECT_EQ(serving.rfind(prefix, 0), 0u) << serving;
  return serving.rfind(prefix, 0) == 0 ? std::stoi(serving.substr(prefix.size())) : 0;
}

class ScoreServerKill : public ::testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Engines, ScoreServerKill, ::testing::Values("sqlite", "postgresql"),
                         [](const ::testing::TestParamInfo<std::string>& engine) {
                           return engine.param;
                         });

}  // namespace

// Killed while eight clients report: every report it acknowledged is in the database, and
// the database opens again (for SQLite, after its integrity check).
TEST_P(ScoreServerKill, LosesNoAcknowledgedReport) {
  const std::string file =
      (std::filesystem::temp_directory_path() / ("bk-kill-" + std::to_string(getpid()) + ".sqlite"))
          .string();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
  const std::string database =
      GetParam() == "postgresql" ? TemporaryPostgres::Shared().NewDatabase() : file;
  {
    ServerProcess server(database);
    const int port = ServingPort(server);
    std::mutex mutex;
    std::set<std::string> acknowledged;
    std::atomic<bool> killed{false};
    std::vector<std::thread> clients;
    for (int c = 0; c < 8; ++c) {
      clients.emplace_back([&, c] {
        httplib::Client client("127.0.0.1", port);
        for (int i = 0; !killed; ++i) {
          auto version = client.Get("/cgi/version.pl?version&prg=Brindle");
          if (!version) continue;
          const std::string name = "k" + std::to_string(c) + "-" + std::to_string(i);
          const std::string setCookie = version->get_header_value("Set-Cookie");
          const std::string inf =
              EncodeScoreReport(BuildScoreReport(name, i, VersionReplyToken(version->body), ""));
          auto report = client.Get(("/cgi/version.pl?hs&prg=Brindle&inf=" + inf).c_str(),
                                   {{"Cookie", setCookie.substr(0, setCookie.find(';'))}});
          if (report && report->body == "OK|stored|") {
            std::lock_guard<std::mutex> lock(mutex);
            acknowledged.insert(name);
          }
        }
      });
    }
    for (int wait = 0; wait < 500; ++wait) {
      {
        std::lock_guard<std::mutex> lock(mutex);
        if (acknowledged.size() >= 200) break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const int status = server.Terminate(SIGKILL);
    killed = true;
    for (std::thread& client : clients) client.join();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ASSERT_GE(acknowledged.size(), 200u);

    std::set<std::string> stored;
    for (const SqlRow& row : OpenSqlDatabase(database)->Borrow()->Run("SELECT name FROM reports")) {
      stored.insert(row[0]);
    }
    for (const std::string& name : acknowledged) EXPECT_EQ(stored.count(name), 1u) << name;
  }
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
}

TEST(ScoreServerProcess, StopsCleanlyOnSigtermAndKeepsTheReports) {
  const std::string database = (std::filesystem::temp_directory_path() /
                                ("bk-process-" + std::to_string(getpid()) + ".sqlite"))
                                   .string();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(database + suffix);

  for (int run = 0; run < 2; ++run) {
    ServerProcess server(database);
    const std::string serving = server.NextLine();
    const std::string prefix = "brindle-score-server: serving http://127.0.0.1:";
    ASSERT_EQ(serving.rfind(prefix, 0), 0u) << serving;
    httplib::Client client("127.0.0.1", std::stoi(serving.substr(prefix.size())));

    if (run == 0) {
      auto version = client.Get("/cgi/version.pl?version&prg=Brindle");
      ASSERT_TRUE(version);
      const std::string setCookie = version->get_header_value("Set-Cookie");
      const std::string inf =
          EncodeScoreReport(BuildScoreReport("Survivor", 77, VersionReplyToken(version->body), ""));
      auto report = client.Get(("/cgi/version.pl?hs&prg=Brindle&inf=" + inf).c_str(),
                               {{"Cookie", setCookie.substr(0, setCookie.find(';'))}});
      ASSERT_TRUE(report);
      EXPECT_EQ(report->status, 200);
    } else {
      auto page = client.Get("/cgi/version.pl?prg=Brindle&show&type=0");
      ASSERT_TRUE(page);
      EXPECT_NE(page->body.find("<td>Survivor</td><td class=\"score\">77</td>"), std::string::npos);
    }
    const int status = server.Terminate();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(server.NextLine(), "brindle-score-server: stopped");
  }
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(database + suffix);
}

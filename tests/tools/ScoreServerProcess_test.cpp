#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "online/ScoreProtocol.h"

namespace {

std::string ReadLine(FILE* stream) {
  std::string line;
  for (int c; (c = std::fgetc(stream)) != EOF && c != '\n';) line += static_cast<char>(c);
  return line;
}

// The executable on a free loopback port, its standard output readable line by line.
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
      execl(program.c_str(), program.c_str(), "--host", "127.0.0.1", "--port", "0", "--db",
            database.c_str(), static_cast<char*>(nullptr));
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
  // Sends SIGTERM and returns the exit status.
  int Terminate() {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
  }

 private:
  pid_t pid_ = -1;
  FILE* output_ = nullptr;
};

}  // namespace

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

#include "online/ScoreClient.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "online/ScoreReportJob.h"
#include "online/ScoreServerAddress.h"
#include "online/TextCodec.h"
#include "platform/Cp1251.h"
#include "tests/support/HostileServers.h"
#include "tools/score-server/LoopbackScoreServer.h"

namespace {

using namespace std::chrono_literals;

// Short time-outs keep the failure cases quick; loopback answers in microseconds.
constexpr HttpTimeouts kTestTimeouts{1000ms, 1000ms};

struct SeenRequest {
  bool IsReport = false;
  std::string Report;  // the decoded inf text
  std::string UserAgent, Accept, ContentType, Cookie;
};

// A server on loopback that answers the version request as told and records every request.
class ScriptedServer {
 public:
  ScriptedServer(int versionStatus, std::string versionBody, int reportStatus)
      : versionStatus_(versionStatus),
        versionBody_(std::move(versionBody)),
        reportStatus_(reportStatus) {
    server_.Get("/cgi/version.pl", [this](const httplib::Request& req, httplib::Response& res) {
      SeenRequest seen{req.has_param("hs"),
                       BitsToText(SymbolsToBits(req.get_param_value("inf"))),
                       req.get_header_value("User-Agent"),
                       req.get_header_value("Accept"),
                       req.get_header_value("Content-Type"),
                       req.get_header_value("Cookie")};
      {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(seen);
      }
      res.status = seen.IsReport ? reportStatus_ : versionStatus_;
      if (!seen.IsReport) res.set_header("Set-Cookie", "bksid=session42; Path=/");
      res.set_content(seen.IsReport ? "OK" : versionBody_, "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~ScriptedServer() {
    server_.stop();
    thread_.join();
  }
  std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<SeenRequest> Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  int versionStatus_;
  std::string versionBody_;
  int reportStatus_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<SeenRequest> seen_;
};

GameState Player(const std::string& name, int32_t score, const std::string& extra) {
  GameState state;
  state.PlayerName = name;
  state.Score = score;
  state.ExtraText = extra;
  return state;
}

struct Submission {
  std::vector<std::string> Messages;
};

Submission Submit(const std::string& address, const GameState& state) {
  Submission result;
  HttpClient http(kTestTimeouts);
  ScoreClient client(http, address,
                     [&](const std::string& text) { result.Messages.push_back(text); });
  const GameState before = state;
  client.SubmitScore(state);
  EXPECT_EQ(state.PlayerName, before.PlayerName);
  EXPECT_EQ(state.Score, before.Score);
  return result;
}

const std::string kToken = "0123456789abcdef0123456789abcdef";
const std::string kIvan = Utf8ToCp1251("Иван");

}  // namespace

TEST(ScoreClient, SendsTheReportWithTheGameHeadersAndTheVersionCookie) {
  ScriptedServer server(200, "OK|2.0|1.0|Welcome|" + kToken + "|", 200);
  const Submission done = Submit(server.Address(), Player(kIvan, -120, "fast|mode=on"));

  EXPECT_TRUE(done.Messages.empty());
  const std::vector<SeenRequest> seen = server.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_FALSE(seen[0].IsReport);
  EXPECT_TRUE(seen[1].IsReport);
  EXPECT_EQ(seen[1].Report,
            "type=0|name=" + kIvan + "|score=-120|key=X|p=" + kToken + "|add=fast|mode=on|z=00");
  EXPECT_EQ(seen[1].Cookie, "bksid=session42");
  for (const SeenRequest& request : seen) {
    EXPECT_EQ(request.UserAgent, "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(request.Accept, "text/html, */*");
    EXPECT_EQ(request.ContentType, "text/html");
  }
}

TEST(ScoreClient, VersionRepliesDecideBetweenReportAndMessage) {
  const std::string fullReply = "OK|2.0|1.0|Welcome|" + kToken + "|";
  const std::string withoutToken = "type=0|name=Ann|score=7|key=X|p=|add=|z=";
  const std::string withToken = "type=0|name=Ann|score=7|key=X|p=" + kToken + "|add=|z=000";
  const struct {
    const char* what;
    int versionStatus;
    std::string versionBody;
    int reportStatus;
    std::string report;  // empty: no report may be sent and the message must show
  } cases[] = {
      {"just OK", 200, "OK", 200, withoutToken},
      {"fifth field without its bar", 200, "OK|2.0|1.0|Welcome|" + kToken, 200, withoutToken},
      {"lower-case ok", 200, "ok|2.0|1.0|Welcome|" + kToken + "|", 200, ""},
      {"HTTP error", 500, fullReply, 200, ""},
      {"empty reply", 200, "", 200, ""},
      {"failed report stays silent", 200, fullReply, 503, withToken},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedServer server(c.versionStatus, c.versionBody, c.reportStatus);
    const Submission done = Submit(server.Address(), Player("Ann", 7, ""));
    const std::vector<SeenRequest> seen = server.Seen();
    if (c.report.empty()) {
      EXPECT_EQ(done.Messages, std::vector<std::string>{"Can't connect to server!"});
      EXPECT_EQ(seen.size(), 1u);
    } else {
      EXPECT_TRUE(done.Messages.empty());
      ASSERT_EQ(seen.size(), 2u);
      EXPECT_EQ(seen[1].Report, c.report);
    }
  }
}

TEST(ScoreClient, UnreachableOrSilentServerShowsTheMessageAndReturns) {
  for (bool listens : {false, true}) {
    SCOPED_TRACE(listens ? "server never answers" : "connection refused");
    DeadEndSocket socket(listens);
    const Submission done = Submit(socket.Address(), Player("Ann", 7, ""));
    EXPECT_EQ(done.Messages, std::vector<std::string>{"Can't connect to server!"});
  }
}

TEST(ScoreClient, ReportsReachTheRealServerAndItsWorldPage) {
  const std::filesystem::path database = std::filesystem::temp_directory_path() /
                                         ("bk-client-" + std::to_string(getpid()) + ".sqlite");
  std::filesystem::remove(database);
  {
    ScoreServerConfig config;
    config.DatabasePath = database.string();
    LoopbackScoreServer server(config);

    // One client for the run, as in the game: the second report rides on a new token.
    HttpClient http(kTestTimeouts);
    std::vector<std::string> messages;
    ScoreClient client(http, server.Address(),
                       [&](const std::string& m) { messages.push_back(m); });
    client.SubmitScore(Player(kIvan, -120, "a|b=c"));
    client.SubmitScore(Player(kIvan, 350, ""));
    client.SubmitScore(Player("Ann", -5, ""));
    EXPECT_TRUE(messages.empty());

    const HttpResult page = http.Get(server.Address() + "/cgi/version.pl?prg=Brindle&show&type=0");
    ASSERT_TRUE(page.Ok) << page.Error;
    // The best score of each name, highest first, the name in UTF-8.
    const size_t ivan = page.Body.find("<td>Иван</td><td class=\"score\">350</td>");
    const size_t ann = page.Body.find("<td>Ann</td><td class=\"score\">-5</td>");
    ASSERT_NE(ivan, std::string::npos) << page.Body;
    ASSERT_NE(ann, std::string::npos) << page.Body;
    EXPECT_LT(ivan, ann);
    EXPECT_EQ(page.Body.find("-120"), std::string::npos);
  }
  std::filesystem::remove(database);
  std::filesystem::remove(database.string() + "-wal");
  std::filesystem::remove(database.string() + "-shm");
}

TEST(ScoreClient, AnEndlessReplyEndsAtTheCapWithoutFillingTheMemory) {
  EndlessReplyServer server;
  HttpClient http(kTestTimeouts);
  const long before = ResidentBytes();
  const HttpResult reply = http.Get(VersionRequestUrl(server.Address()));
  EXPECT_FALSE(reply.Ok);
  EXPECT_TRUE(reply.Body.empty());
  EXPECT_NE(reply.Error.find("longer than 65536 bytes"), std::string::npos) << reply.Error;
  EXPECT_LT(ResidentBytes() - before, 20L << 20);
}

// The report on its own thread: the caller's frames go on, the memory stays put, and the
// result comes within the time-outs or at once on cancel.
TEST(ScoreReportJob, TheCallerKeepsRunningWhileTheServerIsEndlessOrSilent) {
  EndlessReplyServer endless;
  DeadEndSocket silent(true);
  for (const std::string& address : {endless.Address(), silent.Address()}) {
    SCOPED_TRACE(address == silent.Address() ? "never answers" : "endless reply");
    HttpClient http(kTestTimeouts);
    ScoreReportJob job(http);
    const long before = ResidentBytes();
    long peak = before;
    const auto start = std::chrono::steady_clock::now();
    job.Start(address, Player("Ann", 7, ""));
    int frames = 0;
    while (!job.Finished() && std::chrono::steady_clock::now() - start < 10s) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1000 / 90));
      ++frames;
      peak = std::max(peak, ResidentBytes());
    }
    ASSERT_TRUE(job.Finished()) << "no result 10 s after the 1 s time-out";
    EXPECT_EQ(job.Message(), std::optional<std::string>("Can't connect to server!"));
    EXPECT_LT(peak - before, 20L << 20);
    std::cout << frames << " frames while sending, "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
              << " s, memory grew by " << (peak - before) / 1024 << " KiB\n";
    if (address == silent.Address()) {
      EXPECT_GE(frames, 10) << "the caller waited";
    }
  }
}

TEST(ScoreReportJob, CancelEndsTheWaitAtOnceAndTheThreadSoonAfter) {
  DeadEndSocket silent(true);
  ScriptedServer server(200, "OK|2.0|1.0|Welcome|" + kToken + "|", 200);
  HttpClient http;  // the game's time-outs: 10 s for the whole exchange
  const auto start = std::chrono::steady_clock::now();
  {
    ScoreReportJob job(http);
    job.Start(silent.Address(), Player("Ann", 7, ""));
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(job.Finished());
    job.Cancel();
    EXPECT_TRUE(job.Finished());
    EXPECT_EQ(job.Message(), std::nullopt);  // a cancelled report says nothing
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 5.0) << "the cancelled thread ran on towards the 10 s time-out";
  std::cout << "the cancelled report's thread ended after " << seconds << " s\n";

  // The same client serves the next report.
  ScoreReportJob job(http);
  job.Start(server.Address(), Player("Ann", 7, ""));
  while (!job.Finished()) std::this_thread::sleep_for(10ms);
  EXPECT_EQ(job.Message(), std::nullopt);
  EXPECT_EQ(server.Seen().size(), 2u);
}

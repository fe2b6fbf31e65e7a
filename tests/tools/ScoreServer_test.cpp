#include "tools/score-server/ScoreServer.h"

#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "online/ScoreProtocol.h"
#include "tests/support/TemporaryPostgres.h"
#include "tools/score-server/HighScorePage.h"
#include "tools/score-server/LoopbackScoreServer.h"
#include "tools/score-server/ScoreStore.h"
#include "tools/score-server/SqlDatabase.h"

namespace {

struct Session {
  std::string Cookie;  // "bksid=…"
  std::string Token;
};

struct StoredReport {
  std::string Name;
  int64_t Score;
  std::string Extra;
  std::string Token;
};

std::string ReportInf(const std::string& name, int32_t score, const std::string& token,
                      const std::string& extra = "") {
  return EncodeScoreReport(BuildScoreReport(name, score, token, extra));
}

// Every stored report, read straight from the database.
std::vector<StoredReport> ReadStoredReports(const std::string& location) {
  std::vector<StoredReport> rows;
  for (const SqlRow& row : OpenSqlDatabase(location)->Borrow()->Run(
           "SELECT name, score, extra, token FROM reports ORDER BY id")) {
    rows.push_back({row[0], std::stoll(row[1]), row[2], row[3]});
  }
  return rows;
}

// A version request to one server and the report with its token to another (or the same):
// the report's status, after sending it once more to `replayTo` (which must refuse it).
int VersionThenReport(httplib::Client& versionFrom, httplib::Client& reportTo,
                      httplib::Client& replayTo, const std::string& name, int32_t score) {
  auto version = versionFrom.Get("/cgi/version.pl?version&prg=Brindle");
  if (!version) return 0;
  const std::string setCookie = version->get_header_value("Set-Cookie");
  const httplib::Headers cookie{{"Cookie", setCookie.substr(0, setCookie.find(';'))}};
  const std::string path = "/cgi/version.pl?hs&prg=Brindle&inf=" +
                           ReportInf(name, score, VersionReplyToken(version->body));
  auto report = reportTo.Get(path.c_str(), cookie);
  auto replay = replayTo.Get(path.c_str(), cookie);
  EXPECT_TRUE(!replay || replay->status == 409 || !report || report->status != 200) << name;
  return report ? report->status : 0;
}

// Every accepted name is stored exactly once, and nothing else is.
void ExpectStoredOnceEach(const std::vector<std::vector<std::string>>& accepted,
                          const std::vector<StoredReport>& stored) {
  std::map<std::string, int> seen;
  for (const StoredReport& report : stored) ++seen[report.Name];
  size_t acceptedCount = 0;
  for (const auto& names : accepted) {
    acceptedCount += names.size();
    for (const std::string& name : names) EXPECT_EQ(seen[name], 1) << name;
  }
  EXPECT_EQ(seen.size(), acceptedCount);
}

// A score server on loopback with its own database file, a clock the test moves, and no
// rate limit unless a test sets one.
class ScoreServerTest : public ::testing::Test {
 protected:
  ScoreServerTest()
      : database_(std::filesystem::temp_directory_path() /
                  ("bk-server-" + std::to_string(getpid()) + "-" + std::to_string(++tests_) +
                   ".sqlite")) {
    RemoveDatabase();
    config_.DatabasePath = database_.string();
    config_.RequestsPerMinute = 0;
    config_.NowSeconds = [this] { return now_.load(); };
    config_.Log = [this](const std::string& line) {
      std::lock_guard<std::mutex> lock(logMutex_);
      log_.push_back(line);
    };
  }
  ~ScoreServerTest() override {
    server_.reset();
    RemoveDatabase();
  }

  void Start() {
    server_ = std::make_unique<LoopbackScoreServer>(config_);
    client_ = std::make_unique<httplib::Client>("127.0.0.1", server_->Port());
  }
  void Stop() { server_.reset(); }

  httplib::Result Get(const std::string& query, const std::string& cookie = "") {
    httplib::Headers headers;
    if (!cookie.empty()) headers.emplace("Cookie", cookie);
    return client_->Get(("/cgi/version.pl?" + query).c_str(), headers);
  }

  Session Version(const std::string& cookie = "") {
    const httplib::Result reply = Get("version&prg=Brindle", cookie);
    EXPECT_TRUE(reply && reply->status == 200);
    if (!reply) return {};
    const std::string setCookie = reply->get_header_value("Set-Cookie");
    return {setCookie.substr(0, setCookie.find(';')), VersionReplyToken(reply->body)};
  }

  int Report(const Session& session, const std::string& inf, std::string* body = nullptr) {
    const httplib::Result reply = Get("hs&prg=Brindle&inf=" + inf, session.Cookie);
    if (!reply) return 0;
    if (body != nullptr) *body = reply->body;
    return reply->status;
  }

  std::string Page() {
    const httplib::Result reply = Get("prg=Brindle&show&type=0");
    EXPECT_TRUE(reply && reply->status == 200);
    return reply ? reply->body : "";
  }

  std::vector<StoredReport> StoredReports() { return ReadStoredReports(config_.DatabasePath); }

  void RemoveDatabase() {
    for (const char* suffix : {"", "-wal", "-shm"}) {
      std::filesystem::remove(database_.string() + suffix);
    }
  }

  std::filesystem::path database_;
  ScoreServerConfig config_;
  std::vector<std::string> Log() {
    std::lock_guard<std::mutex> lock(logMutex_);
    return log_;
  }

  static inline int tests_ = 0;
  std::atomic<int64_t> now_{1'000'000};
  std::mutex logMutex_;
  std::vector<std::string> log_;
  std::unique_ptr<LoopbackScoreServer> server_;
  std::unique_ptr<httplib::Client> client_;
};

// The same tests on each engine: SQLite in a file, and a database of the tests' own
// PostgreSQL server.
class EveryEngineTest : public ScoreServerTest, public ::testing::WithParamInterface<std::string> {
 protected:
  EveryEngineTest() {
    if (GetParam() == "postgresql")
      config_.DatabasePath = TemporaryPostgres::Shared().NewDatabase();
  }
};

INSTANTIATE_TEST_SUITE_P(Engines, EveryEngineTest, ::testing::Values("sqlite", "postgresql"),
                         [](const ::testing::TestParamInfo<std::string>& engine) {
                           return engine.param;
                         });

}  // namespace

TEST_P(EveryEngineTest, VersionReplyCarriesAFreshTokenAndASessionCookie) {
  Start();
  const httplib::Result reply = Get("version&prg=Brindle");
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->body.rfind("OK|1.0|1.0|Welcome to the Brindle Karts world table|", 0), 0u);
  EXPECT_EQ(reply->body.back(), '|');
  const Session first = Version();
  const Session again = Version(first.Cookie);
  EXPECT_EQ(first.Cookie.rfind("bksid=", 0), 0u);
  EXPECT_EQ(again.Cookie, first.Cookie);  // the session stays, the token is new
  EXPECT_EQ(first.Token.size(), 32u);
  EXPECT_NE(again.Token, first.Token);
  EXPECT_NE(Version().Cookie, first.Cookie);
}

TEST_P(EveryEngineTest, AReportIsStoredOnceAndItsReplayRefused) {
  Start();
  const Session session = Version();
  const std::string inf = ReportInf("\xC8\xE2\xE0\xED", -120, session.Token, "a|b=c");
  std::string body;
  EXPECT_EQ(Report(session, inf, &body), 200);
  EXPECT_EQ(body, "OK|stored|");
  EXPECT_EQ(Report(session, inf, &body), 409);
  EXPECT_EQ(body, "ERROR|this report was already received|");
  // Replaying from a new session does not help either.
  EXPECT_EQ(Report(Version(), inf), 409);

  const std::vector<StoredReport> stored = StoredReports();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Name, "Иван");
  EXPECT_EQ(stored[0].Score, -120);
  EXPECT_EQ(stored[0].Extra, "a|b=c");
  EXPECT_EQ(stored[0].Token, session.Token);
}

TEST_P(EveryEngineTest, TokensNotIssuedToTheSessionAreRefused) {
  Start();
  const Session alice = Version();
  const Session bob = Version();
  const Session alicesOlderToken = alice;
  const Session aliceAgain = Version(alice.Cookie);
  const struct {
    const char* what;
    Session sender;
    std::string token;
    int status;
  } cases[] = {
      {"another session's token", bob, alice.Token, 403},
      {"a made-up token", alice, std::string(32, 'a'), 403},
      {"an earlier token of the session", aliceAgain, alicesOlderToken.Token, 403},
      {"no cookie", Session{"", alice.Token}, alice.Token, 403},
      {"a cookie we never issued", Session{"bksid=<script>", ""}, alice.Token, 403},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Report(c.sender, ReportInf("Mallory", 999999, c.token)), c.status) << c.what;
  }
  EXPECT_TRUE(StoredReports().empty());
  // The right token still works afterwards.
  EXPECT_EQ(Report(aliceAgain, ReportInf("Alice", 10, aliceAgain.Token)), 200);
}

TEST_P(EveryEngineTest, TokensExpireAfterTheirLifetime) {
  config_.TokenLifetimeSeconds = 600;
  Start();
  const Session late = Version();
  now_ += 10;
  const Session inTime = Version();
  now_ += 600;
  std::string body;
  EXPECT_EQ(Report(late, ReportInf("Late", 1, late.Token), &body), 403);
  EXPECT_EQ(body, "ERROR|p has expired: ask for the version again|");
  EXPECT_EQ(Report(inTime, ReportInf("InTime", 1, inTime.Token)), 200);
}

TEST_P(EveryEngineTest, NamesAndTextsWithSeparatorsAreStoredExactly) {
  Start();
  const std::vector<std::pair<std::string, std::string>> fields = {
      {"a|b", "x=y"},
      {"=|=", "|add=|z="},
      {"name|score=12|key=X|p=", "|"},
      {"\xC8\xE2|\xE0=\xED", "\xEA|\xEE"},
  };
  for (const auto& [name, extra] : fields) {
    const Session session = Version();
    EXPECT_EQ(Report(session, ReportInf(name, 5, session.Token, extra)), 200) << name;
  }
  const std::vector<StoredReport> stored = StoredReports();
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[0].Name, "a|b");
  EXPECT_EQ(stored[0].Extra, "x=y");
  EXPECT_EQ(stored[1].Name, "=|=");
  EXPECT_EQ(stored[1].Extra, "|add=|z=");
  EXPECT_EQ(stored[2].Name, "name|score=12|key=X|p=");
  EXPECT_EQ(stored[2].Extra, "|");
  EXPECT_EQ(stored[3].Name, "Ив|а=н");
  EXPECT_EQ(stored[3].Extra, "к|о");
  for (const StoredReport& report : stored) EXPECT_EQ(report.Score, 5);
}

TEST_F(ScoreServerTest, OversizedAndGarbageRequestsAreRefusedWithoutHarm) {
  Start();
  const Session session = Version();
  const struct {
    const char* what;
    std::string query;
    int status;
    std::string body;  // empty: not checked
  } cases[] = {
      {"report too long", "hs&prg=Brindle&inf=" + std::string(4000, 'A'), 400,
       "ERROR|report too long|"},
      {"address too long", "hs&prg=Brindle&inf=" + std::string(20000, 'A'), 414, ""},
      {"symbols outside the alphabet", "hs&prg=Brindle&inf=%00%FF%3C%3E%7C%3D%25%26", 400,
       "ERROR|unknown symbol at position 0|"},
      {"no report", "hs&prg=Brindle", 400, "ERROR|empty report|"},
      {"valid symbols, garbage text", "hs&prg=Brindle&inf=ZZZZZZZZ99999999", 400, ""},
      {"other program", "version&prg=Other", 400, "ERROR|unknown program|"},
      {"no request", "prg=Brindle", 400, "ERROR|unknown request|"},
      {"other table", "prg=Brindle&show&type=1", 400, "ERROR|unknown table type|"},
  };
  for (const auto& c : cases) {
    const httplib::Result reply = Get(c.query, session.Cookie);
    ASSERT_TRUE(reply) << c.what;
    EXPECT_EQ(reply->status, c.status) << c.what;
    if (!c.body.empty()) {
      EXPECT_EQ(reply->body, c.body) << c.what;
    }
  }
  EXPECT_TRUE(StoredReports().empty());
  // The session's token was not spent by the garbage, and the server still serves.
  EXPECT_EQ(Report(session, ReportInf("Ann", 1, session.Token)), 200);
}

TEST_P(EveryEngineTest, PageListsTheBestScorePerNameEscaped) {
  Start();
  const std::vector<std::pair<std::string, int32_t>> reports = {
      {"<script>alert('x')</script>", 50}, {"Ann", 70}, {"Ann", 90}, {"Bob & Co", -5}, {"Ann", 10},
  };
  for (const auto& [name, score] : reports) {
    const Session session = Version();
    ASSERT_EQ(Report(session, ReportInf(name, score, session.Token)), 200);
  }
  const std::string page = Page();
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  const size_t ann = page.find("<td>Ann</td><td class=\"score\">90</td>");
  const size_t script = page.find(
      "<td>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</td><td class=\"score\">50</td>");
  const size_t bob = page.find("<td>Bob &amp; Co</td><td class=\"score\">-5</td>");
  ASSERT_NE(ann, std::string::npos) << page;
  ASSERT_NE(script, std::string::npos) << page;
  ASSERT_NE(bob, std::string::npos) << page;
  EXPECT_LT(ann, script);
  EXPECT_LT(script, bob);
  EXPECT_EQ(page.find("<td>Ann</td>", ann + 1), std::string::npos);
}

TEST_P(EveryEngineTest, PageShowsFiftyNamesAPageTopThreeMarkedWithLinksBetween) {
  Start();
  for (int i = 0; i < 121; ++i) {
    const Session session = Version();
    ASSERT_EQ(Report(session, ReportInf("P" + std::to_string(i), i, session.Token)), 200);
  }
  const std::string first = Page();
  EXPECT_NE(first.find("<tr class=\"first\"><td class=\"place\">1</td><td>P120</td>"
                       "<td class=\"score\">120</td><td class=\"date\">1970-01-12</td></tr>"),
            std::string::npos)
      << first;
  EXPECT_NE(first.find("<tr class=\"second\"><td class=\"place\">2</td><td>P119</td>"),
            std::string::npos);
  EXPECT_NE(first.find("<tr class=\"third\"><td class=\"place\">3</td><td>P118</td>"),
            std::string::npos);
  EXPECT_NE(first.find("<tr><td class=\"place\">4</td><td>P117</td>"), std::string::npos);
  EXPECT_NE(first.find("<tr><td class=\"place\">50</td><td>P71</td>"), std::string::npos);
  EXPECT_EQ(first.find("<td>P70</td>"), std::string::npos);
  EXPECT_NE(first.find("<span>Страница 1 из 3</span><a rel=\"next\" "
                       "href=\"?prg=Brindle&amp;show&amp;type=0&amp;page=2\">"),
            std::string::npos);
  EXPECT_EQ(first.find("rel=\"prev\""), std::string::npos);

  const std::string last = Get("prg=Brindle&show&type=0&page=3")->body;
  EXPECT_NE(last.find("<tr><td class=\"place\">101</td><td>P20</td>"), std::string::npos);
  EXPECT_NE(last.find("<tr><td class=\"place\">121</td><td>P0</td>"), std::string::npos);
  EXPECT_NE(last.find("href=\"?prg=Brindle&amp;show&amp;type=0&amp;page=2\">← Назад</a>"
                      "<span>Страница 3 из 3</span></nav>"),
            std::string::npos);
  // Past the end, and garbage, land on a page that exists.
  EXPECT_EQ(Get("prg=Brindle&show&type=0&page=99")->body, last);
  EXPECT_EQ(Get("prg=Brindle&show&type=0&page=-4x")->body, first);
}

TEST(PageLanguage, RussianUnlessTheBrowserRanksEnglishHigher) {
  const struct {
    const char* header;
    PageLanguage language;
  } cases[] = {
      {"", PageLanguage::Russian},
      {"fr-FR,fr;q=0.9", PageLanguage::Russian},
      {"ru-RU,ru;q=0.9,en-US;q=0.8,en;q=0.7", PageLanguage::Russian},
      {"en-US,en;q=0.9", PageLanguage::English},
      {"EN-gb", PageLanguage::English},
      {"de-DE, de;q=0.9, en;q=0.5", PageLanguage::English},
      {"en;q=0.3, ru;q=0.7", PageLanguage::Russian},
      {"ru;q=0.2, en-AU", PageLanguage::English},
      {"eng, russian", PageLanguage::Russian},
  };
  for (const auto& c : cases) EXPECT_EQ(PageLanguageFor(c.header), c.language) << c.header;
}

TEST_F(ScoreServerTest, PageIsInEnglishWhenTheBrowserAsks) {
  Start();
  const Session session = Version();
  ASSERT_EQ(Report(session, ReportInf("\xC8\xE2\xE0\xED", 350, session.Token)), 200);
  const std::string russian = Page();
  EXPECT_NE(russian.find("<html lang=\"ru\">"), std::string::npos);
  EXPECT_NE(russian.find("<th class=\"score\">Место</th><th>Имя</th><th class=\"score\">Очки</th>"
                         "<th>Дата</th>"),
            std::string::npos);
  const std::string english =
      client_->Get("/cgi/version.pl?prg=Brindle&show&type=0", {{"Accept-Language", "en-GB,en"}})
          ->body;
  EXPECT_NE(english.find("<html lang=\"en\">"), std::string::npos);
  EXPECT_NE(english.find("<th class=\"score\">Place</th><th>Name</th><th class=\"score\">Score</th>"
                         "<th>Date</th>"),
            std::string::npos);
  EXPECT_NE(english.find("<td>Иван</td><td class=\"score\">350</td>"), std::string::npos);
}

TEST_P(EveryEngineTest, ReportsAndIssuedTokensSurviveARestart) {
  Start();
  const Session stored = Version();
  ASSERT_EQ(Report(stored, ReportInf("Keeper", 42, stored.Token)), 200);
  const Session pending = Version();
  Stop();
  Start();
  EXPECT_NE(Page().find("<td>Keeper</td><td class=\"score\">42</td>"), std::string::npos);
  EXPECT_EQ(Report(pending, ReportInf("Later", 7, pending.Token)), 200);
  EXPECT_EQ(Report(stored, ReportInf("Keeper", 42, stored.Token)), 409);
}

TEST_P(EveryEngineTest, RateLimitCountsRequestsPerAddressPerMinute) {
  config_.RequestsPerMinute = 3;
  Start();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Get("version&prg=Brindle")->status, 200);
  const httplib::Result refused = Get("prg=Brindle&show&type=0");
  EXPECT_EQ(refused->status, 429);
  EXPECT_EQ(refused->body, "ERROR|too many requests, try again in a minute|");
  now_ += 60;
  EXPECT_EQ(Get("version&prg=Brindle")->status, 200);
}

TEST_F(ScoreServerTest, EachRequestIsLoggedWithTimeAddressAndVerdict) {
  Start();
  const Session session = Version();
  Report(Session{}, ReportInf("Ann", 1, session.Token));
  Get("prg=Brindle&show&type=0");
  // A line is written once its reply has gone out.
  for (int wait = 0; wait < 100 && Log().size() < 3; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_THAT(Log(),
              ::testing::UnorderedElementsAre(
                  "1970-01-12T13:46:40Z 127.0.0.1 version 200",
                  "1970-01-12T13:46:40Z 127.0.0.1 report 403 no session: ask for the version first",
                  "1970-01-12T13:46:40Z 127.0.0.1 page 200"));
}

TEST_P(EveryEngineTest, AStoreFailureIsLoggedAndAnsweredAsAFailure) {
  Start();
  EXPECT_EQ(client_->Get("/health")->body, "OK|healthy|");
  const Session session = Version();
  OpenSqlDatabase(config_.DatabasePath)->Borrow()->Run("DROP TABLE reports");

  std::string body;
  EXPECT_EQ(Report(session, ReportInf("Lost", 5, session.Token), &body), 500);
  EXPECT_EQ(body, "ERROR|server error|");
  const httplib::Result health = client_->Get("/health");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 503);
  EXPECT_THAT(Log(), ::testing::Contains(::testing::HasSubstr(" 127.0.0.1 fault database: ")));
  EXPECT_THAT(Log(), ::testing::Contains(::testing::EndsWith(" report 500 server error")));
}

TEST_F(ScoreServerTest, ADamagedDatabaseIsRefusedAtStart) {
  {
    ScoreStore store(database_.string());
    for (int i = 0; i < 400; ++i) {
      const std::string token = "token" + std::to_string(i);
      store.IssueToken("session", token, 10, 0);
      ASSERT_EQ(store.StoreReport("session", {"Player" + std::to_string(i), i, token, "extra"},
                                  "127.0.0.1", 10, 0),
                StoreOutcome::Stored);
    }
  }
  const auto size = std::filesystem::file_size(database_);
  ASSERT_GT(size, 16384u);
  {
    std::fstream file(database_, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes(200, '\0');
    file.seekg(static_cast<std::streamoff>(size / 2));
    file.read(bytes.data(), bytes.size());
    for (char& byte : bytes) byte = static_cast<char>(~byte);
    file.seekp(static_cast<std::streamoff>(size / 2));
    file.write(bytes.data(), bytes.size());
  }
  try {
    Start();
    ADD_FAILURE() << "a damaged database was opened";
  } catch (const std::runtime_error& error) {
    EXPECT_THAT(error.what(), ::testing::HasSubstr(" is damaged ("));
  }
}

TEST_F(ScoreServerTest, AFileOfTheFirstSchemaIsUpgradedAndANewerOneRefused) {
  {
    // The tables as the first server made them, with no version kept.
    OpenSqlDatabase(database_.string())
        ->Borrow()
        ->Run(
            "CREATE TABLE sessions (id TEXT PRIMARY KEY, token TEXT NOT NULL, "
            "issued_at INTEGER NOT NULL);"
            "CREATE INDEX sessions_by_issue ON sessions (issued_at);"
            "CREATE TABLE reports (id INTEGER PRIMARY KEY, token TEXT NOT NULL UNIQUE, "
            "name TEXT NOT NULL, score INTEGER NOT NULL, extra TEXT NOT NULL, address TEXT NOT "
            "NULL, "
            "received_at INTEGER NOT NULL);"
            "CREATE INDEX reports_by_name ON reports (name, score);"
            "INSERT INTO reports VALUES (1, 'old-token', 'Veteran', 640, '', '127.0.0.1', 5);");
  }
  config_.RequestsPerMinute = 10;
  Start();
  EXPECT_NE(Page().find("<td>Veteran</td><td class=\"score\">640</td>"), std::string::npos);
  const Session session = Version();
  EXPECT_EQ(Report(session, ReportInf("Rookie", 10, session.Token)), 200);
  Stop();
  EXPECT_EQ(
      OpenSqlDatabase(database_.string())->Borrow()->Run("SELECT version FROM schema_version"),
      std::vector<SqlRow>{{"2"}});

  OpenSqlDatabase(database_.string())->Borrow()->Run("UPDATE schema_version SET version = 3");
  try {
    Start();
    ADD_FAILURE() << "a database of a newer server was opened";
  } catch (const std::runtime_error& error) {
    EXPECT_THAT(error.what(), ::testing::HasSubstr("at schema version 3, newer than this server"));
  }
}

// A raw connection from a loopback source address of its own (all of 127/8 reaches us).
int ConnectFrom(const std::string& source, int port) {
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in from{};
  from.sin_family = AF_INET;
  inet_pton(AF_INET, source.c_str(), &from.sin_addr);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(port));
  inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
  EXPECT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&from), sizeof(from)), 0);
  EXPECT_EQ(connect(socket, reinterpret_cast<sockaddr*>(&to), sizeof(to)), 0);
  return socket;
}

// What the server sent on the connection within the time given ("" when it closed it
// without a word, "(nothing)" when it stayed silent and open).
std::string Heard(int socket, int milliseconds) {
  pollfd in{socket, POLLIN, 0};
  if (poll(&in, 1, milliseconds) <= 0) return "(nothing)";
  char text[64] = {};
  const ssize_t got = recv(socket, text, sizeof(text) - 1, MSG_DONTWAIT);
  return got > 0 ? std::string(text, static_cast<size_t>(got)) : "";
}

TEST_F(ScoreServerTest, SlowClientsHoldNoWorkerAndAreCutOff) {
  config_.RequestReadMilliseconds = 1500;
  config_.ConnectionsPerAddress = 32;
  Start();
  // 200 connections from ten addresses, each sending the first line of a request and then a
  // byte now and then, never the end of the head.
  std::vector<int> slow;
  for (int i = 0; i < 200; ++i) {
    slow.push_back(ConnectFrom("127.0.0." + std::to_string(2 + i % 10), server_->Port()));
    send(slow.back(), "GET /cgi/version.pl?prg=Brindle&show&type=0 HTTP/1.1\r\n", 55, 0);
  }
  // Past its cap, one address is turned away at once.
  std::vector<int> crowd;
  for (int i = 0; i < 40; ++i) crowd.push_back(ConnectFrom("127.0.0.20", server_->Port()));

  httplib::Client player("127.0.0.1", server_->Port());
  player.set_connection_timeout(1, 0);
  player.set_read_timeout(1, 0);
  for (int round = 0; round < 3; ++round) {
    for (int socket : slow) send(socket, "X", 1, MSG_NOSIGNAL);
    const httplib::Result page = player.Get("/cgi/version.pl?prg=Brindle&show&type=0");
    ASSERT_TRUE(page) << "round " << round;
    EXPECT_EQ(page->status, 200);
  }
  int turnedAway = 0;
  for (int socket : crowd) {
    turnedAway += Heard(socket, 0).rfind("HTTP/1.1 503", 0) == 0 ? 1 : 0;
  }
  EXPECT_EQ(turnedAway, 8);
  // Past the read time limit every slow connection is closed without an answer.
  for (int socket : slow) EXPECT_EQ(Heard(socket, 3000), "");
  for (int socket : slow) close(socket);
  for (int socket : crowd) close(socket);
}

// Many clients at once: every report the server accepts is in the database, exactly once.
TEST_P(EveryEngineTest, ConcurrentClientsLoseAndDuplicateNothing) {
  Start();
  constexpr int kClients = 8;
  constexpr int kPairsEach = 40;
  std::vector<std::vector<std::string>> accepted(kClients);
  std::vector<std::thread> clients;
  for (int c = 0; c < kClients; ++c) {
    clients.emplace_back([&, c] {
      httplib::Client client("127.0.0.1", server_->Port());
      client.set_read_timeout(10, 0);
      for (int i = 0; i < kPairsEach; ++i) {
        const std::string name = "c" + std::to_string(c) + "-" + std::to_string(i);
        if (VersionThenReport(client, client, client, name, i) == 200) accepted[c].push_back(name);
      }
    });
  }
  for (std::thread& t : clients) t.join();
  ExpectStoredOnceEach(accepted, StoredReports());
  EXPECT_EQ(StoredReports().size(), size_t{kClients * kPairsEach});
}

// Two servers sharing one PostgreSQL: a client may ask one for its token and report to the
// other, every report is stored once, a token spent on one is refused on the other, and
// the rate limit counts the requests to both.
TEST(TwoServersOnePostgres, ShareTokensReportsAndTheRateLimit) {
  ScoreServerConfig config;
  config.DatabasePath = TemporaryPostgres::Shared().NewDatabase();
  config.RequestsPerMinute = 0;
  config.Log = [](const std::string&) {};
  {
    LoopbackScoreServer first(config);
    LoopbackScoreServer second(config);
    constexpr int kClients = 8;
    constexpr int kPairsEach = 25;
    std::vector<std::vector<std::string>> accepted(kClients);
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
      clients.emplace_back([&, c] {
        httplib::Client one("127.0.0.1", first.Port());
        httplib::Client other("127.0.0.1", second.Port());
        for (int i = 0; i < kPairsEach; ++i) {
          const std::string name = "c" + std::to_string(c) + "-" + std::to_string(i);
          const bool flip = (c + i) % 2 == 1;
          if (VersionThenReport(flip ? other : one, flip ? one : other, flip ? other : one, name,
                                i) == 200) {
            accepted[c].push_back(name);
          }
        }
      });
    }
    for (std::thread& t : clients) t.join();
    const std::vector<StoredReport> stored = ReadStoredReports(config.DatabasePath);
    ExpectStoredOnceEach(accepted, stored);
    EXPECT_EQ(stored.size(), size_t{kClients * kPairsEach});
  }

  config.DatabasePath = TemporaryPostgres::Shared().NewDatabase();
  config.RequestsPerMinute = 4;
  LoopbackScoreServer first(config);
  LoopbackScoreServer second(config);
  httplib::Client one("127.0.0.1", first.Port());
  httplib::Client other("127.0.0.1", second.Port());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ((i % 2 == 0 ? one : other).Get("/cgi/version.pl?version&prg=Brindle")->status, 200);
  }
  EXPECT_EQ(one.Get("/cgi/version.pl?version&prg=Brindle")->status, 429);
  EXPECT_EQ(other.Get("/cgi/version.pl?version&prg=Brindle")->status, 429);
}

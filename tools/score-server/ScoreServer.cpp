#include "tools/score-server/ScoreServer.h"

#include <httplib.h>

#include <chrono>
#include <stdexcept>

#include "tools/score-server/HighScorePage.h"
#include "tools/score-server/RateLimiter.h"
#include "tools/score-server/ReportDecoder.h"
#include "tools/score-server/ScoreStore.h"
#include "tools/score-server/SessionToken.h"

namespace {

const char kSessionCookie[] = "bksid";
constexpr int kPageRows = 100;
constexpr size_t kWorkers = 16;

int64_t WallClockSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void Refuse(httplib::Response& response, int status, const std::string& reason) {
  response.status = status;
  response.set_content("ERROR|" + reason + "|", "text/plain");
}

// The session id of the request's cookie, or "" when it has none that we could have issued.
std::string SessionOf(const httplib::Request& request) {
  const std::string cookies = request.get_header_value("Cookie");
  const std::string prefix = std::string(kSessionCookie) + "=";
  size_t at = 0;
  while (at < cookies.size()) {
    const size_t start = cookies.find_first_not_of(' ', at);
    if (start == std::string::npos) break;
    size_t end = cookies.find(';', start);
    if (end == std::string::npos) end = cookies.size();
    if (cookies.compare(start, prefix.size(), prefix) == 0) {
      const std::string value = cookies.substr(start + prefix.size(), end - start - prefix.size());
      if (IsSessionToken(value)) return value;
    }
    at = end + 1;
  }
  return {};
}

}  // namespace

ScoreServer::ScoreServer(ScoreServerConfig config)
    : config_(std::move(config)),
      store_(std::make_unique<ScoreStore>(config_.DatabasePath)),
      limiter_(std::make_unique<RateLimiter>(config_.RequestsPerMinute)),
      http_(std::make_unique<httplib::Server>()) {
  if (config_.Message.find('|') != std::string::npos) {
    throw std::invalid_argument("the server message must not contain \"|\"");
  }
  if (!config_.NowSeconds) config_.NowSeconds = WallClockSeconds;
  // Replies go out in more than one write; without this, each would wait for a delayed ACK.
  http_->set_tcp_nodelay(true);
  // An idle kept-alive connection holds a worker; release it soon and keep enough workers.
  http_->set_keep_alive_timeout(1);
  http_->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
  http_->set_payload_max_length(4096);
  http_->set_read_timeout(5, 0);
  http_->set_write_timeout(5, 0);
  http_->Get("/cgi/version.pl", [this](const httplib::Request& request,
                                       httplib::Response& response) { Handle(request, response); });
  http_->set_exception_handler([](const httplib::Request&, httplib::Response& response,
                                  std::exception_ptr) { Refuse(response, 500, "server error"); });
}

ScoreServer::~ScoreServer() = default;

int ScoreServer::Bind(const std::string& host, int port) {
  const bool bound =
      port == 0 ? (port = http_->bind_to_any_port(host)) > 0 : http_->bind_to_port(host, port);
  if (!bound) {
    throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
  }
  return port;
}

void ScoreServer::Run() {
  http_->listen_after_bind();
}

void ScoreServer::Stop() {
  http_->stop();
}

void ScoreServer::Handle(const httplib::Request& request, httplib::Response& response) {
  if (!limiter_->Allow(request.remote_addr, config_.NowSeconds())) {
    return Refuse(response, 429, "too many requests, try again in a minute");
  }
  if (request.get_param_value("prg") != "Brindle") {
    return Refuse(response, 400, "unknown program");
  }
  if (request.has_param("version")) return HandleVersion(request, response);
  if (request.has_param("hs")) return HandleReport(request, response);
  if (request.has_param("show")) return HandlePage(request, response);
  Refuse(response, 400, "unknown request");
}

void ScoreServer::HandleVersion(const httplib::Request& request, httplib::Response& response) {
  std::string session = SessionOf(request);
  if (session.empty()) session = NewSessionToken();
  const std::string token = NewSessionToken();
  const int64_t now = config_.NowSeconds();
  store_->IssueToken(session, token, now, now - config_.TokenLifetimeSeconds);
  response.set_header("Set-Cookie",
                      std::string(kSessionCookie) + "=" + session + "; Path=/; HttpOnly");
  response.set_content("OK|" + config_.ServerVersion + "|" + config_.MinClientVersion + "|" +
                           config_.Message + "|" + token + "|",
                       "text/plain");
}

void ScoreServer::HandleReport(const httplib::Request& request, httplib::Response& response) {
  const std::string session = SessionOf(request);
  if (session.empty()) return Refuse(response, 403, "no session: ask for the version first");
  const ReportDecodeResult decoded =
      DecodeScoreReport(request.get_param_value("inf"), config_.MaxReportSymbols);
  if (!decoded.Ok) return Refuse(response, 400, decoded.Error);
  const int64_t now = config_.NowSeconds();
  switch (store_->StoreReport(session, decoded.Fields, request.remote_addr, now,
                              now - config_.TokenLifetimeSeconds)) {
    case StoreOutcome::Stored:
      response.set_content("OK|stored|", "text/plain");
      return;
    case StoreOutcome::TokenAlreadyUsed:
      return Refuse(response, 409, "this report was already received");
    case StoreOutcome::TokenNotIssued:
      return Refuse(response, 403, "p was not issued to this session");
    case StoreOutcome::TokenExpired:
      return Refuse(response, 403, "p has expired: ask for the version again");
  }
}

void ScoreServer::HandlePage(const httplib::Request& request, httplib::Response& response) {
  if (request.get_param_value("type") != "0") return Refuse(response, 400, "unknown table type");
  response.set_content(RenderHighScorePage(store_->BestScores(kPageRows)),
                       "text/html; charset=utf-8");
}

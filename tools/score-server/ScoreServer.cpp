#include "tools/score-server/ScoreServer.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <stdexcept>

#include "online/ScoreProtocol.h"
#include "tools/score-server/GatedHttpServer.h"
#include "tools/score-server/HighScorePage.h"
#include "tools/score-server/ReportDecoder.h"
#include "tools/score-server/ScoreStore.h"
#include "tools/score-server/SessionToken.h"
#include "tools/score-server/UtcText.h"

namespace {

const char kSessionCookie[] = "bksid";
constexpr int64_t kPageRows = 50;
constexpr size_t kWorkers = 16;

int64_t WallClockSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void LogToStandardError(const std::string& line) {
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  std::clog << line << std::endl;
}

std::string UtcTimestamp(int64_t seconds) {
  return UtcText(seconds, "%Y-%m-%dT%H:%M:%SZ");
}

// What the request asked for, in one word.
std::string KindOf(const httplib::Request& request) {
  if (request.path == "/health") return "health";
  if (request.path != kScriptPath) return "other";
  if (request.has_param(kVersionRequest)) return "version";
  if (request.has_param(kReportRequest)) return "report";
  if (request.has_param(kTableRequest)) return "page";
  return "other";
}

void Refuse(httplib::Response& response, int status, const std::string& reason) {
  response.status = status;
  response.set_content(ShortReply(kRefused, reason), "text/plain");
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
      http_(std::make_unique<GatedHttpServer>(
          GateLimits{kWorkers, config_.ConnectionsPerAddress, config_.RequestReadMilliseconds})) {
  if (config_.Message.find('|') != std::string::npos) {
    throw std::invalid_argument("the server message must not contain \"|\"");
  }
  if (!config_.NowSeconds) config_.NowSeconds = WallClockSeconds;
  if (!config_.Log) config_.Log = LogToStandardError;
  http_->set_keep_alive_timeout(config_.RequestReadMilliseconds / 1000 + 1);
  http_->set_payload_max_length(4096);
  http_->Get(kScriptPath, [this](const httplib::Request& request, httplib::Response& response) {
    Handle(request, response);
  });
  http_->Get("/health", [this](const httplib::Request&, httplib::Response& response) {
    HandleHealth(response);
  });
  // A fault (the database failing, most often) is logged and answered as a failure.
  http_->set_exception_handler([this](const httplib::Request& request, httplib::Response& response,
                                      std::exception_ptr fault) {
    std::string what = "unknown fault";
    try {
      std::rethrow_exception(fault);
    } catch (const std::exception& error) {
      what = error.what();
    } catch (...) {
    }
    config_.Log(UtcTimestamp(config_.NowSeconds()) + " " + request.remote_addr + " fault " + what);
    Refuse(response, 500, "server error");
  });
  http_->set_logger([this](const httplib::Request& request, const httplib::Response& response) {
    LogRequest(request, response);
  });
}

ScoreServer::~ScoreServer() = default;

int ScoreServer::Bind(const std::string& host, int port) {
  const int bound = http_->Bind(host, port);
  if (bound < 0) throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
  return bound;
}

void ScoreServer::Run() {
  http_->Serve();
}

void ScoreServer::Stop() {
  http_->stop();
}

void ScoreServer::LogRequest(const httplib::Request& request, const httplib::Response& response) {
  std::string verdict = std::to_string(response.status);
  const std::string refusal = std::string(kRefused) + "|";
  if (response.body.compare(0, refusal.size(), refusal) == 0) {
    verdict += " " + response.body.substr(refusal.size(),
                                          response.body.find('|', refusal.size()) - refusal.size());
  }
  const std::string address = request.remote_addr.empty() ? "-" : request.remote_addr;
  config_.Log(UtcTimestamp(config_.NowSeconds()) + " " + address + " " + KindOf(request) + " " +
              verdict);
}

void ScoreServer::HandleHealth(httplib::Response& response) {
  if (!store_->Healthy()) return Refuse(response, 503, "database unavailable");
  response.set_content(ShortReply(kAccepted, "healthy"), "text/plain");
}

void ScoreServer::Handle(const httplib::Request& request, httplib::Response& response) {
  if (config_.RequestsPerMinute > 0 &&
      !store_->AllowRequest(request.remote_addr, config_.NowSeconds(), config_.RequestsPerMinute)) {
    return Refuse(response, 429, "too many requests, try again in a minute");
  }
  if (request.get_param_value(kProgramParam) != kProgramName) {
    return Refuse(response, 400, "unknown program");
  }
  if (request.has_param(kVersionRequest)) return HandleVersion(request, response);
  if (request.has_param(kReportRequest)) return HandleReport(request, response);
  if (request.has_param(kTableRequest)) return HandlePage(request, response);
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
  response.set_content(
      VersionReply(config_.ServerVersion, config_.MinClientVersion, config_.Message, token),
      "text/plain");
}

void ScoreServer::HandleReport(const httplib::Request& request, httplib::Response& response) {
  const std::string session = SessionOf(request);
  if (session.empty()) return Refuse(response, 403, "no session: ask for the version first");
  const ReportDecodeResult decoded =
      DecodeScoreReport(request.get_param_value(kReportParam), config_.MaxReportSymbols);
  if (!decoded.Ok) return Refuse(response, 400, decoded.Error);
  const int64_t now = config_.NowSeconds();
  switch (store_->StoreReport(session, decoded.Fields, request.remote_addr, now,
                              now - config_.TokenLifetimeSeconds)) {
    case StoreOutcome::Stored:
      response.set_content(ShortReply(kAccepted, "stored"), "text/plain");
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
  if (request.get_param_value(kTableTypeParam) != kTableType) {
    return Refuse(response, 400, "unknown table type");
  }
  PagePlace place;
  place.RowsPerPage = kPageRows;
  place.Number = std::max<int64_t>(1, std::atoll(request.get_param_value(kTablePageParam).c_str()));
  BestScoresPage rows = store_->BestScores((place.Number - 1) * kPageRows, kPageRows);
  place.Count = std::max<int64_t>(1, (rows.Names + kPageRows - 1) / kPageRows);
  if (place.Number > place.Count) {
    place.Number = place.Count;
    rows = store_->BestScores((place.Number - 1) * kPageRows, kPageRows);
  }
  response.set_content(
      RenderHighScorePage(rows, place,
                          PageLanguageFor(request.get_header_value("Accept-Language"))),
      "text/html; charset=utf-8");
}

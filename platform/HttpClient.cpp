#include "platform/HttpClient.h"

#include <curl/curl.h>

#include <mutex>

namespace {

// libcurl's global state must be set up once per process before the first handle.
void EnsureCurlInitialised() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Returning less than was offered makes libcurl end the transfer with CURLE_WRITE_ERROR.
size_t AppendToString(char* data, size_t size, size_t count, void* target) {
  std::string& body = *static_cast<std::string*>(target);
  const size_t bytes = size * count;
  if (body.size() + bytes > kMaxReplyBytes) return 0;
  body.append(data, bytes);
  return bytes;
}

// A non-zero return makes libcurl end the transfer with CURLE_ABORTED_BY_CALLBACK.
int StopWhenCancelled(void* cancel, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return cancel != nullptr && static_cast<const std::atomic<bool>*>(cancel)->load() ? 1 : 0;
}

}  // namespace

struct HttpClient::Handle {
  CURL* curl = nullptr;
  curl_slist* headers = nullptr;

  ~Handle() {
    curl_slist_free_all(headers);
    if (curl != nullptr) curl_easy_cleanup(curl);
  }
};

HttpClient::HttpClient(HttpTimeouts timeouts) : handle_(std::make_unique<Handle>()) {
  EnsureCurlInitialised();
  CURL* curl = curl_easy_init();
  handle_->curl = curl;
  if (curl == nullptr) return;
  handle_->headers = curl_slist_append(handle_->headers, "Accept: text/html, */*");
  handle_->headers = curl_slist_append(handle_->headers, "Content-Type: text/html");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
  // An empty cookie file turns on the in-memory cookie store without reading any file.
  curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.Connect.count()));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts.Total.count()));
  // Time-outs must not use signals: the game has other threads (audio).
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendToString);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

HttpClient::~HttpClient() = default;

HttpResult HttpClient::Get(const std::string& url, const std::atomic<bool>* cancel) {
  HttpResult result;
  CURL* curl = handle_->curl;
  if (curl == nullptr) {
    result.Error = "HTTP client could not be created";
    return result;
  }
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.Body);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, cancel);
  const CURLcode code = curl_easy_perform(curl);
  if (code != CURLE_OK) {
    if (code == CURLE_WRITE_ERROR) {
      result.Error = "the reply is longer than " + std::to_string(kMaxReplyBytes) + " bytes";
    } else if (code == CURLE_ABORTED_BY_CALLBACK) {
      result.Error = "cancelled";
    } else {
      result.Error = curl_easy_strerror(code);
    }
    result.Body.clear();
    return result;
  }
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.Status);
  result.Ok = result.Status >= 200 && result.Status < 300;
  if (!result.Ok) result.Error = "HTTP status " + std::to_string(result.Status);
  return result;
}

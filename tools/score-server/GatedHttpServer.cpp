#include "tools/score-server/GatedHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "tools/score-server/RequestCompleteness.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Connection {
  int Socket = -1;
  std::string Address;
  int Port = 0;
  std::string Received;  // bytes read and not yet served
  Clock::time_point Deadline;
};

// The IP address and port of an IPv4 or IPv6 socket address; false for other families.
bool AddressText(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = {};
  if (address.ss_family == AF_INET) {
    const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
    inet_ntop(AF_INET, &v4->sin_addr, text, sizeof(text));
    port = ntohs(v4->sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
    inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof(text));
    port = ntohs(v6->sin6_port);
  } else {
    return false;
  }
  ip = text;
  return true;
}

void SendBestEffort(int socket, const char* reply) {
  [[maybe_unused]] const ssize_t sent = send(socket, reply, std::strlen(reply), MSG_NOSIGNAL);
}

// A connection as httplib's request processing sees it: reads come from the bytes already
// received (never from the socket, so they cannot block), writes go to the socket.
class ReceivedStream final : public httplib::Stream {
 public:
  ReceivedStream(Connection& connection, int writeTimeoutMilliseconds)
      : connection_(connection), writeTimeout_(writeTimeoutMilliseconds) {}

  bool is_readable() const override { return read_ < connection_.Received.size(); }
  bool is_writable() const override { return true; }

  ssize_t read(char* ptr, size_t size) override {
    const size_t count = std::min(size, connection_.Received.size() - read_);
    std::memcpy(ptr, connection_.Received.data() + read_, count);
    read_ += count;
    return static_cast<ssize_t>(count);
  }

  ssize_t write(const char* ptr, size_t size) override {
    size_t written = 0;
    while (written < size) {
      const ssize_t sent = send(connection_.Socket, ptr + written, size - written, MSG_NOSIGNAL);
      if (sent > 0) {
        written += static_cast<size_t>(sent);
        continue;
      }
      if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return -1;
      pollfd out{connection_.Socket, POLLOUT, 0};
      if (poll(&out, 1, writeTimeout_) <= 0) return -1;
    }
    return static_cast<ssize_t>(size);
  }

  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    ip = connection_.Address;
    port = connection_.Port;
  }

  void get_local_ip_and_port(std::string& ip, int& port) const override {
    ip.clear();
    port = 0;
    sockaddr_storage local{};
    socklen_t length = sizeof(local);
    if (getsockname(connection_.Socket, reinterpret_cast<sockaddr*>(&local), &length) == 0) {
      AddressText(local, ip, port);
    }
  }

  socket_t socket() const override { return connection_.Socket; }

  // Drops the bytes the request processing consumed; a pipelined next request stays.
  void DropServed() { connection_.Received.erase(0, read_); }

 private:
  Connection& connection_;
  const int writeTimeout_;
  size_t read_ = 0;
};

// Runs each accepted socket's handover on the accepting thread: it only queues the socket.
class InlineQueue final : public httplib::TaskQueue {
 public:
  void enqueue(std::function<void()> fn) override { fn(); }
  void shutdown() override {}
};

bool PeerOf(int socket, std::string& address, int& port) {
  sockaddr_storage peer{};
  socklen_t length = sizeof(peer);
  return getpeername(socket, reinterpret_cast<sockaddr*>(&peer), &length) == 0 &&
         AddressText(peer, address, port);
}

}  // namespace

// The reading thread, the per-address counts and the workers. Connections move between the
// reading thread (waiting for a whole request) and a worker (serving it) and back.
class GatedHttpServer::Gate {
 public:
  Gate(GatedHttpServer& server, GateLimits limits)
      : server_(server),
        limits_(limits),
        epoll_(epoll_create1(EPOLL_CLOEXEC)),
        wake_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
        workers_(limits.Workers) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = wake_;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &event);
    reader_ = std::thread([this] { ReadLoop(); });
  }

  ~Gate() {
    Shutdown();
    close(epoll_);
    close(wake_);
  }

  // On the accepting thread: counts the connection against its address and hands it to the
  // reading thread, or closes it when the address holds too many already.
  void Admit(int socket) {
    auto connection = std::make_unique<Connection>();
    connection->Socket = socket;
    if (!PeerOf(socket, connection->Address, connection->Port)) {
      close(socket);
      return;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      int& open = perAddress_[connection->Address];
      if (stopping_ ||
          (limits_.ConnectionsPerAddress > 0 && open >= limits_.ConnectionsPerAddress)) {
        if (open == 0) perAddress_.erase(connection->Address);
        SendBestEffort(socket,
                       "HTTP/1.1 503 Service Unavailable\r\nConnection: close\r\n"
                       "Content-Length: 0\r\n\r\n");
        close(socket);
        return;
      }
      ++open;
    }
    fcntl(socket, F_SETFL, fcntl(socket, F_GETFL) | O_NONBLOCK);
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
    Hand(std::move(connection));
  }

  // Closes every waiting connection and lets the workers finish the requests they hold.
  void Shutdown() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopping_) return;
      stopping_ = true;
    }
    Wake();
    reader_.join();
    workers_.shutdown();
  }

 private:
  void Wake() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof(one));
  }

  // Gives a connection to the reading thread, its time to send a request starting now.
  void Hand(std::unique_ptr<Connection> connection) {
    connection->Deadline =
        Clock::now() + std::chrono::milliseconds(limits_.RequestReadMilliseconds);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!stopping_) {
        arriving_.push_back(std::move(connection));
        connection = nullptr;
      }
    }
    if (connection) return Release(std::move(connection));
    Wake();
  }

  void Release(std::unique_ptr<Connection> connection) {
    close(connection->Socket);
    std::lock_guard<std::mutex> lock(mutex_);
    auto open = perAddress_.find(connection->Address);
    if (open != perAddress_.end() && --open->second <= 0) perAddress_.erase(open);
  }

  void ReadLoop() {
    std::vector<epoll_event> events(64);
    for (;;) {
      const int ready = epoll_wait(epoll_, events.data(), static_cast<int>(events.size()), 100);
      for (int i = 0; i < ready; ++i) {
        if (events[i].data.fd == wake_) {
          uint64_t count = 0;
          [[maybe_unused]] const ssize_t got = read(wake_, &count, sizeof(count));
        } else {
          ReadFrom(events[i].data.fd);
        }
      }
      std::vector<std::unique_ptr<Connection>> arrived;
      bool stopping = false;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        arrived.swap(arriving_);
        stopping = stopping_;
      }
      for (auto& connection : arrived) Watch(std::move(connection));
      if (stopping) break;
      CloseLate();
    }
    for (auto& [socket, connection] : watched_) Release(std::move(connection));
    watched_.clear();
  }

  void Watch(std::unique_ptr<Connection> connection) {
    const int socket = connection->Socket;
    watched_[socket] = std::move(connection);
    epoll_event event{};
    event.events = EPOLLIN | EPOLLRDHUP;
    event.data.fd = socket;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, socket, &event);
    // A pipelined request may already be whole.
    Examine(socket);
  }

  void ReadFrom(int socket) {
    auto found = watched_.find(socket);
    if (found == watched_.end()) return;
    Connection& connection = *found->second;
    char chunk[4096];
    for (;;) {
      const ssize_t got = recv(socket, chunk, sizeof(chunk), 0);
      if (got > 0) {
        connection.Received.append(chunk, static_cast<size_t>(got));
        if (connection.Received.size() > limits_.MaxRequestBytes) break;
        continue;
      }
      if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
      if (got < 0 && errno == EINTR) continue;
      return Forget(socket);  // closed by the client, or failed
    }
    Examine(socket);
  }

  void Examine(int socket) {
    auto found = watched_.find(socket);
    switch (RequestStateOf(found->second->Received, limits_.MaxRequestBytes)) {
      case RequestState::Partial:
        return;
      case RequestState::TooLarge:
        SendBestEffort(socket,
                       "HTTP/1.1 431 Request Header Fields Too Large\r\nConnection: close\r\n"
                       "Content-Length: 0\r\n\r\n");
        return Forget(socket);
      case RequestState::Whole: {
        epoll_ctl(epoll_, EPOLL_CTL_DEL, socket, nullptr);
        std::shared_ptr<Connection> connection = std::move(found->second);
        watched_.erase(found);
        workers_.enqueue(
            [this, connection] { Serve(std::make_unique<Connection>(std::move(*connection))); });
        return;
      }
    }
  }

  void Forget(int socket) {
    auto found = watched_.find(socket);
    epoll_ctl(epoll_, EPOLL_CTL_DEL, socket, nullptr);
    auto connection = std::move(found->second);
    watched_.erase(found);
    Release(std::move(connection));
  }

  void CloseLate() {
    const Clock::time_point now = Clock::now();
    std::vector<int> late;
    for (const auto& [socket, connection] : watched_) {
      if (connection->Deadline <= now) late.push_back(socket);
    }
    for (int socket : late) Forget(socket);
  }

  // On a worker: answers the whole request, and the next ones while the client sends them
  // at once (a version request, then its report), a few at most; then returns the
  // connection to the reading thread, unless either side asked to close it.
  void Serve(std::unique_ptr<Connection> connection) {
    for (int turn = 0; turn < kRequestsPerTurn; ++turn) {
      ReceivedStream stream(*connection, limits_.WriteTimeoutMilliseconds);
      bool closed = false;
      const bool answered = server_.process_request(stream, false, closed, nullptr);
      stream.DropServed();
      if (!answered || closed || !ReceiveSoon(*connection)) return Release(std::move(connection));
      if (RequestStateOf(connection->Received, limits_.MaxRequestBytes) != RequestState::Whole)
        break;
    }
    Hand(std::move(connection));
  }

  // Waits briefly for more of the client's bytes; false when the client closed or failed.
  bool ReceiveSoon(Connection& connection) {
    pollfd in{connection.Socket, POLLIN, 0};
    if (poll(&in, 1, kLingerMilliseconds) <= 0) return true;
    char chunk[4096];
    while (connection.Received.size() <= limits_.MaxRequestBytes) {
      const ssize_t got = recv(connection.Socket, chunk, sizeof(chunk), 0);
      if (got > 0) {
        connection.Received.append(chunk, static_cast<size_t>(got));
      } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        return true;
      } else if (got < 0 && errno == EINTR) {
        continue;
      } else {
        return false;
      }
    }
    return true;
  }

  // How long a worker waits for a client's next request before handing the connection back,
  // and how many requests in a row it serves: short enough that a slow client costs a
  // worker next to nothing.
  static constexpr int kLingerMilliseconds = 2;
  static constexpr int kRequestsPerTurn = 8;

  GatedHttpServer& server_;
  const GateLimits limits_;
  const int epoll_;
  const int wake_;
  std::mutex mutex_;
  bool stopping_ = false;
  std::vector<std::unique_ptr<Connection>> arriving_;
  std::unordered_map<std::string, int> perAddress_;
  std::unordered_map<int, std::unique_ptr<Connection>> watched_;  // the reading thread's own
  httplib::ThreadPool workers_;
  std::thread reader_;
};

GatedHttpServer::GatedHttpServer(GateLimits limits) : gate_(std::make_unique<Gate>(*this, limits)) {
  new_task_queue = [] { return new InlineQueue; };
}

GatedHttpServer::~GatedHttpServer() = default;

int GatedHttpServer::Bind(const std::string& host, int port) {
  const bool bound = port == 0 ? (port = bind_to_any_port(host)) > 0 : bind_to_port(host, port);
  if (!bound) return -1;
  // Accepting is quick here, yet a burst of players connecting at once must not overflow
  // the small queue the socket was opened with.
  ::listen(svr_sock_, SOMAXCONN);
  return port;
}

bool GatedHttpServer::Serve() {
  const bool listened = listen_after_bind();
  gate_->Shutdown();
  return listened;
}

bool GatedHttpServer::process_and_close_socket(socket_t sock) {
  gate_->Admit(sock);
  return true;
}

#include "tests/support/HostileServers.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>

DeadEndSocket::DeadEndSocket(bool listens) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr*>(&address), length), 0);
  EXPECT_EQ(getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length), 0);
  port_ = ntohs(address.sin_port);
  if (listens) {
    EXPECT_EQ(listen(fd_, 4), 0);
  }
}

DeadEndSocket::~DeadEndSocket() {
  close(fd_);
}

std::string DeadEndSocket::Address() const {
  return "http://127.0.0.1:" + std::to_string(port_);
}

EndlessReplyServer::EndlessReplyServer() : socket_(true) {
  thread_ = std::thread([this] {
    const std::string header = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";
    const std::string chunk(64 * 1024, 'K');
    while (!stopping_) {
      const int client = accept(socket_.Fd(), nullptr, nullptr);
      if (client < 0) return;
      char request[4096];
      (void)recv(client, request, sizeof request, 0);
      bool open = send(client, header.data(), header.size(), MSG_NOSIGNAL) > 0;
      while (open && !stopping_) {
        open = send(client, chunk.data(), chunk.size(), MSG_NOSIGNAL) > 0;
      }
      close(client);
    }
  });
}

EndlessReplyServer::~EndlessReplyServer() {
  stopping_ = true;
  shutdown(socket_.Fd(), SHUT_RDWR);
  thread_.join();
}

long ResidentBytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

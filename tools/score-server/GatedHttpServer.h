#pragma once
#include <httplib.h>

#include <cstddef>
#include <memory>
#include <string>

struct GateLimits {
  size_t Workers = 16;
  // Open connections one client address may hold at once; 0 lifts the cap.
  int ConnectionsPerAddress = 32;
  // Time a connection has, from its accept or from its previous reply, to deliver a whole
  // request; past it the connection is closed.
  int RequestReadMilliseconds = 5000;
  // A request (head and body) larger than this is answered 431 and its connection closed.
  size_t MaxRequestBytes = 32 * 1024;
  int WriteTimeoutMilliseconds = 5000;
};

// An HTTP server whose requests are read in full by one thread watching every open
// connection before a worker serves them, so a client that sends slowly holds only its own
// socket, never a worker. Routes, handlers and the logger are httplib's, set as usual.
class GatedHttpServer : public httplib::Server {
 public:
  explicit GatedHttpServer(GateLimits limits);
  ~GatedHttpServer() override;

  // Listens on the address (port 0: any free one) and returns the port, or -1.
  int Bind(const std::string& host, int port);
  // Serves after Bind until stop(); returns once every request read is answered.
  bool Serve();

 private:
  class Gate;
  bool process_and_close_socket(socket_t sock) override;

  std::unique_ptr<Gate> gate_;
};

// A fake service on 127.0.0.1 for the tests: records every request it gets and answers
// with what the test sets.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace talvo::testing {

struct SeenRequest {
  std::string method, target, contentType, body;  // target: path and query as sent
};

struct Answer {
  int status = 200;
  std::string contentType = "text/plain; charset=utf-8";
  std::string body;
};

class LoopbackServer {
 public:
  using Responder = std::function<Answer(const SeenRequest&)>;
  explicit LoopbackServer(Responder responder);
  ~LoopbackServer();

  int port() const { return port_; }
  std::string url(const std::string& target = "/") const;
  std::vector<SeenRequest> requests() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int port_ = 0;
};

// A loopback port on which nothing listens.
int ClosedPort();

}  // namespace talvo::testing

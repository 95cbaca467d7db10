// A deliberately small HTTP/1.1 server: one request per connection, answered and closed.
// It runs in the tests of both platforms (POSIX sockets and Winsock).
#include "support/loopback_server.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
inline void CloseSocket(Socket s) {
  closesocket(s);
}
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
using Socket = int;
constexpr Socket kNoSocket = -1;
inline void CloseSocket(Socket s) {
  close(s);
}
#endif

namespace talvo::testing {

namespace {

struct Winsock {
  Winsock() {
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
  }
};

Socket Listen(int& port) {
  static Winsock winsock;
  Socket s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == kNoSocket) return kNoSocket;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 64) != 0) {
    CloseSocket(s);
    return kNoSocket;
  }
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

bool SendAll(Socket s, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Header(const std::string& head, const std::string& name) {
  const std::string lower = Lower(head);
  const auto at = lower.find("\r\n" + name + ":");
  if (at == std::string::npos) return {};
  auto start = at + name.size() + 3;
  while (start < head.size() && head[start] == ' ') ++start;
  return head.substr(start, head.find("\r\n", start) - start);
}

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 404:
      return "Not Found";
    case 429:
      return "Too Many Requests";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

}  // namespace

struct LoopbackServer::Impl {
  Socket listener = kNoSocket;
  std::thread acceptor;
  std::atomic<bool> stopping{false};
  mutable std::mutex mutex;
  std::vector<SeenRequest> seen;
  std::vector<std::thread> connections;
  Responder responder;

  void Serve(Socket client) {
    std::string data;
    char buffer[8192];
    std::size_t headEnd = std::string::npos;
    while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
      const int n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) return CloseSocket(client);
      data.append(buffer, static_cast<std::size_t>(n));
    }
    const std::string head = data.substr(0, headEnd + 2);
    std::string body = data.substr(headEnd + 4);
    const std::size_t length = std::strtoul(Header(head, "content-length").c_str(), nullptr, 10);
    if (Lower(Header(head, "expect")) == "100-continue" && body.size() < length)
      SendAll(client, "HTTP/1.1 100 Continue\r\n\r\n");
    while (body.size() < length) {
      const int n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) return CloseSocket(client);
      body.append(buffer, static_cast<std::size_t>(n));
    }
    SeenRequest request;
    const auto firstSpace = head.find(' ');
    const auto secondSpace = head.find(' ', firstSpace + 1);
    request.method = head.substr(0, firstSpace);
    request.target = head.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    request.contentType = Header(head, "content-type");
    request.body = body.substr(0, length);
    {
      std::lock_guard lock(mutex);
      seen.push_back(request);
    }
    const Answer answer = responder(request);
    std::string reply = "HTTP/1.1 " + std::to_string(answer.status) + " " + Reason(answer.status) +
                        "\r\nContent-Type: " + answer.contentType +
                        "\r\nContent-Length: " + std::to_string(answer.body.size()) +
                        "\r\nConnection: close\r\n\r\n" + answer.body;
    SendAll(client, reply);
#ifdef _WIN32
    shutdown(client, SD_SEND);
#else
    shutdown(client, SHUT_WR);
#endif
    while (recv(client, buffer, sizeof buffer, 0) > 0) {
    }
    CloseSocket(client);
  }
};

LoopbackServer::LoopbackServer(Responder responder) : impl_(std::make_unique<Impl>()) {
  impl_->responder = std::move(responder);
  impl_->listener = Listen(port_);
  impl_->acceptor = std::thread([this] {
    while (!impl_->stopping) {
      Socket client = accept(impl_->listener, nullptr, nullptr);
      if (client == kNoSocket) {
        if (impl_->stopping) return;
        continue;
      }
      std::lock_guard lock(impl_->mutex);
      impl_->connections.emplace_back([this, client] { impl_->Serve(client); });
    }
  });
}

LoopbackServer::~LoopbackServer() {
  impl_->stopping = true;
#ifdef _WIN32
  CloseSocket(impl_->listener);
#else
  shutdown(impl_->listener, SHUT_RDWR);
  CloseSocket(impl_->listener);
#endif
  impl_->acceptor.join();
  for (auto& t : impl_->connections) t.join();
}

std::string LoopbackServer::url(const std::string& target) const {
  return "http://127.0.0.1:" + std::to_string(port_) + target;
}

std::vector<SeenRequest> LoopbackServer::requests() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->seen;
}

int ClosedPort() {
  int port = 0;
  Socket s = Listen(port);
  CloseSocket(s);
  return port;
}

}  // namespace talvo::testing

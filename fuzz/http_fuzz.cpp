// SPDX-License-Identifier: MIT
// The HTTP client's response reader on any bytes a server may send, over a real socket on 127.0.0.1:
// no crash or hang; a response is either refused with the client's own errors or read with its header
// and body as the bytes came, redirects included.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <mutex>
#include <stdexcept>
#include <thread>

#include "net/http_client.h"
#include "platform/system/conversions.h"
#include "property_check.h"

namespace {

std::mutex response_mutex;
std::string response;
uint16_t server_port = 0;

// Answers every connection with the current response and closes it, as an HTTP/1.0 server does.
void Serve(int listener) {
  for (;;) {
    int fd = ::accept(listener, nullptr, nullptr);
    if (fd < 0) continue;
    char buf[4096];
    std::string request;
    while (request.find("\r\n\r\n") == std::string::npos) {
      ssize_t n = ::recv(fd, buf, sizeof buf, 0);
      if (n <= 0) break;
      request.append(buf, static_cast<size_t>(n));
    }
    std::string bytes;
    {
      std::lock_guard lock(response_mutex);
      bytes = response;
    }
    for (size_t done = 0; done < bytes.size();) {
      ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::close(fd);
  }
}

void StartServer() {
  int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  CHECK(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(listener, 16) == 0 &&
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0);
  server_port = ntohs(address.sin_port);
  std::thread(Serve, listener).detach();
}

}  // namespace

// Redirects may name any address: only our own server is reachable, nothing leaves the machine.
extern "C" int connect(int fd, const sockaddr* address, socklen_t length) {
  const auto* in = reinterpret_cast<const sockaddr_in*>(address);
  if (address->sa_family != AF_INET || in->sin_addr.s_addr != htonl(INADDR_LOOPBACK) ||
      ntohs(in->sin_port) != server_port) {
    errno = ECONNREFUSED;
    return -1;
  }
  return static_cast<int>(::syscall(SYS_connect, fd, address, length));
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartServer();
  lunvale::net::TStreamSocket::SetResolver([](const std::string&, in_addr& a) {
    a.s_addr = htonl(INADDR_LOOPBACK);
    return true;
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::lock_guard lock(response_mutex);
    response = bytes;
  }
  lunvale::net::THTTPClient client;
  client.SetTimeOut(2000);
  try {
    client.Get("http://127.0.0.1:" + std::to_string(server_port) + "/feed");
  } catch (const lunvale::net::ESockError&) {
    return 0;
  } catch (const lunvale::platform::EConvertError&) {
    return 0;  // a redirect's port that is not a number
  } catch (const std::runtime_error&) {
    return 0;  // a redirect to an empty or https address
  }
  const std::string& header = client.GetHeader();
  const std::string& body = client.GetBody();
  CHECK(bytes.compare(0, header.size(), header) == 0);
  CHECK(bytes.compare(header.size(), body.size(), body) == 0);
  return 0;
}

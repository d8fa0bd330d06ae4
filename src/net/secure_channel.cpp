// SPDX-License-Identifier: MIT
#include "net/secure_channel.h"

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <mutex>

#include "net/stream_socket.h"

namespace lunvale::net {

namespace {

bool WouldBlock(int err) {
  return err == EAGAIN || err == EWOULDBLOCK || err == EINTR;
}

// The session's own socket calls: send without SIGPIPE (a server gone away is an error, not the end
// of the process), and the errno of a failed call kept for the session.
int LinkRead(BIO* bio, char* data, int size) {
  auto* link = static_cast<SecureChannel::Link*>(BIO_get_data(bio));
  BIO_clear_retry_flags(bio);
  const ssize_t n = ::recv(static_cast<int>(link->fd), data, static_cast<size_t>(size), 0);
  if (n < 0) {
    link->error = errno;
    if (WouldBlock(errno)) BIO_set_retry_read(bio);
  }
  return static_cast<int>(n);
}

int LinkWrite(BIO* bio, const char* data, int size) {
  auto* link = static_cast<SecureChannel::Link*>(BIO_get_data(bio));
  BIO_clear_retry_flags(bio);
  const ssize_t n = ::send(static_cast<int>(link->fd), data, static_cast<size_t>(size), MSG_NOSIGNAL);
  if (n < 0) {
    link->error = errno;
    if (WouldBlock(errno)) BIO_set_retry_write(bio);
  }
  return static_cast<int>(n);
}

long LinkControl(BIO*, int command, long, void*) {
  return command == BIO_CTRL_FLUSH ? 1 : 0;
}

BIO_METHOD* LinkMethod() {
  static BIO_METHOD* const method = [] {
    BIO_METHOD* m = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "lunvale socket");
    BIO_meth_set_read(m, LinkRead);
    BIO_meth_set_write(m, LinkWrite);
    BIO_meth_set_ctrl(m, LinkControl);
    return m;
  }();
  return method;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// One client context for the process, loading the certificate store once; made again when the
// variables that place the store change (tests point them at their own authority). The caller
// gets a reference of its own, to free.
SSL_CTX* Context() {
  static std::mutex mutex;
  static SSL_CTX* context = nullptr;
  static std::string store;
  std::lock_guard lock(mutex);
  const std::string wanted = Env("SSL_CERT_FILE") + '\n' + Env("SSL_CERT_DIR");
  if (context != nullptr && store == wanted) {
    SSL_CTX_up_ref(context);
    return context;
  }
  SSL_CTX* made = SSL_CTX_new(TLS_client_method());
  if (made == nullptr) return nullptr;
  SSL_CTX_set_min_proto_version(made, TLS1_2_VERSION);
  SSL_CTX_set_verify(made, SSL_VERIFY_PEER, nullptr);
  SSL_CTX_set_mode(made, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
  if (SSL_CTX_set_default_verify_paths(made) != 1) {
    SSL_CTX_free(made);
    return nullptr;
  }
  // Sessions made with the old context hold their own reference to it.
  SSL_CTX_free(context);
  context = made;
  store = wanted;
  SSL_CTX_up_ref(context);
  return context;
}

// OpenSSL's reason for the failure at the head of its error queue; the queue is left empty.
std::string QueueReason(const char* otherwise) {
  const unsigned long code = ERR_get_error();
  ERR_clear_error();
  if (code == 0) return otherwise;
  if (const char* reason = ERR_reason_error_string(code)) return reason;
  char text[256];
  ERR_error_string_n(code, text, sizeof text);
  return text;
}

}  // namespace

SecureChannel::SecureChannel(std::intptr_t fd, const std::string& host) {
  link_.fd = fd;
  ERR_clear_error();
  SSL_CTX* context = Context();
  BIO* bio = context ? BIO_new(LinkMethod()) : nullptr;
  ssl_ = bio ? SSL_new(context) : nullptr;
  SSL_CTX_free(context);
  if (ssl_ == nullptr) {
    BIO_free(bio);
    throw ESockError("Secure connection failed: " + QueueReason("no TLS context"));
  }
  BIO_set_data(bio, &link_);
  BIO_set_init(bio, 1);
  SSL_set_bio(ssl_, bio, bio);
  SSL_set_connect_state(ssl_);
  // An address is checked against the certificate's addresses and, as the standard asks, is not
  // sent as the server name.
  in_addr address{};
  bool named = true;
  if (inet_pton(AF_INET, host.c_str(), &address) == 1) {
    named = X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl_), host.c_str()) == 1;
  } else {
    SSL_set_hostflags(ssl_, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    named = SSL_set_tlsext_host_name(ssl_, host.c_str()) == 1 && SSL_set1_host(ssl_, host.c_str()) == 1;
  }
  if (!named) {
    SSL_free(ssl_);
    throw ESockError("Secure connection failed: " + QueueReason("bad host name"));
  }
}

SecureChannel::~SecureChannel() {
  SSL_free(ssl_);
}

bool SecureChannel::Handshake(short& wait) {
  ERR_clear_error();
  link_.error = 0;
  const int result = SSL_connect(ssl_);
  if (result == 1) return true;
  switch (SSL_get_error(ssl_, result)) {
    case SSL_ERROR_WANT_READ:
      wait = POLLIN;
      return false;
    case SSL_ERROR_WANT_WRITE:
      wait = POLLOUT;
      return false;
    default:
      break;
  }
  const long verified = SSL_get_verify_result(ssl_);
  if (verified != X509_V_OK) {
    ERR_clear_error();
    throw ESockError(std::string("Certificate verification failed: ") +
                     X509_verify_cert_error_string(verified));
  }
  if (link_.error != 0 && !WouldBlock(link_.error)) {
    ERR_clear_error();
    throw ESockError(SocketErrorMessage(SocketErrorCode(link_.error)));
  }
  throw ESockError("Secure handshake failed: " + QueueReason("the server closed the connection"));
}

std::ptrdiff_t SecureChannel::Read(char* data, size_t size, short& wait) {
  ERR_clear_error();
  link_.error = 0;
  const int result = SSL_read(ssl_, data, static_cast<int>(std::min<size_t>(size, INT_MAX)));
  return result > 0 ? result : Failed(result, wait);
}

std::ptrdiff_t SecureChannel::Write(const char* data, size_t size, short& wait) {
  ERR_clear_error();
  link_.error = 0;
  const int result = SSL_write(ssl_, data, static_cast<int>(std::min<size_t>(size, INT_MAX)));
  if (result > 0) return result;
  const std::ptrdiff_t failed = Failed(result, wait);
  // A server that has ended the stream takes nothing more.
  if (failed == 0) errno = EPIPE;
  return failed == 0 ? -1 : failed;
}

std::ptrdiff_t SecureChannel::Failed(int result, short& wait) {
  const int kind = SSL_get_error(ssl_, result);
  if (kind == SSL_ERROR_WANT_READ || kind == SSL_ERROR_WANT_WRITE) {
    wait = kind == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT;
    errno = EAGAIN;
    return -1;
  }
  if (kind == SSL_ERROR_ZERO_RETURN) return 0;  // the server's close_notify
  if (link_.error != 0 && !WouldBlock(link_.error)) {
    ERR_clear_error();
    errno = link_.error;
    return -1;
  }
  // The connection closed under the session without a close_notify.
  const unsigned long head = ERR_peek_error();
  if (kind == SSL_ERROR_SYSCALL || (kind == SSL_ERROR_SSL && ERR_GET_LIB(head) == ERR_LIB_SSL &&
                                    ERR_GET_REASON(head) == SSL_R_UNEXPECTED_EOF_WHILE_READING)) {
    ERR_clear_error();
    truncated_ = true;
    return 0;
  }
  throw ESockError("Secure connection failed: " + QueueReason("protocol error"));
}

}  // namespace lunvale::net

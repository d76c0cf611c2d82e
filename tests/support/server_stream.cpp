#include "support/server_stream.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace dq::testing {
namespace {

constexpr unsigned char kTlsHandshakeRecord = 0x16;

bool StartsWithTlsHandshake(int socket) {
    unsigned char first = 0;
    const ssize_t got = ::recv(socket, &first, 1, MSG_PEEK);
    return got == 1 && first == kTlsHandshakeRecord;
}

}  // namespace

ServerStream::ServerStream(int socket, SSL_CTX* tls) : socket_(socket) {
    if (tls == nullptr || !StartsWithTlsHandshake(socket_)) return;
    ssl_ = SSL_new(tls);
    if (ssl_ == nullptr || SSL_set_fd(ssl_, socket_) != 1 || SSL_accept(ssl_) != 1) ready_ = false;
}

ServerStream::~ServerStream() {
    if (ssl_ != nullptr) {
        if (ready_) SSL_shutdown(ssl_);
        SSL_free(ssl_);
    }
    ::close(socket_);
}

bool ServerStream::readSome(std::string& into) {
    if (!ready_) return false;
    char buffer[16384];
    if (ssl_ != nullptr) {
        const int got = SSL_read(ssl_, buffer, static_cast<int>(sizeof buffer));
        if (got <= 0) return false;
        into.append(buffer, static_cast<std::size_t>(got));
        return true;
    }
    const ssize_t got = ::recv(socket_, buffer, sizeof buffer, 0);
    if (got <= 0) return false;
    into.append(buffer, static_cast<std::size_t>(got));
    return true;
}

bool ServerStream::writeAll(std::string_view bytes) {
    if (!ready_) return false;
    while (!bytes.empty()) {
        if (ssl_ != nullptr) {
            const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 20));
            const int put = SSL_write(ssl_, bytes.data(), chunk);
            if (put <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(put));
        } else {
            const ssize_t put = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (put <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(put));
        }
    }
    return true;
}

}  // namespace dq::testing

// One accepted connection of the loopback test server, plain TCP or TLS, as a byte stream.
#pragma once

#include <openssl/ssl.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace dq::testing {

class ServerStream {
public:
    // Takes over the socket. With a TLS context the first byte decides: a TLS handshake record
    // (0x16) starts a TLS session, anything else is served as plain HTTP on the same port.
    ServerStream(int socket, SSL_CTX* tls);
    ~ServerStream();
    ServerStream(const ServerStream&) = delete;
    ServerStream& operator=(const ServerStream&) = delete;

    // False when the TLS handshake failed; such a stream reads and writes nothing.
    bool ready() const { return ready_; }
    bool secure() const { return ssl_ != nullptr; }

    // Appends what arrives (at most one read's worth) to into; false at end of stream or error.
    bool readSome(std::string& into);
    // Writes every byte; false when the peer went away.
    bool writeAll(std::string_view bytes);

private:
    int socket_;
    SSL* ssl_ = nullptr;
    bool ready_ = true;
};

}  // namespace dq::testing

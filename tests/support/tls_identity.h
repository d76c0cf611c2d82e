// A throw-away TLS identity for the loopback test server: an EC P-256 key and a self-signed
// certificate for "localhost" (and the group-robot hosts the robot tests route), made in memory when first needed and shared by every server of
// the test process. Clients under test accept any certificate unless they verify; those that
// verify trust it through TestCertificatePem.
#pragma once

#include <openssl/ssl.h>

#include <string>

namespace dq::testing {

// A new server-side TLS context holding the shared identity; the caller frees it with
// SSL_CTX_free. Throws std::runtime_error when OpenSSL cannot make one.
SSL_CTX* NewSelfSignedServerContext();

// The shared certificate in PEM form, for a client that verifies to add to its trusted ones.
std::string TestCertificatePem();

}  // namespace dq::testing

// A throw-away TLS identity for the loopback test server: an EC P-256 key and a self-signed
// certificate for "localhost", made in memory when first needed and shared by every server of
// the test process. Clients under test accept any certificate, so nothing needs to trust it.
#pragma once

#include <openssl/ssl.h>

namespace dq::testing {

// A new server-side TLS context holding the shared identity; the caller frees it with
// SSL_CTX_free. Throws std::runtime_error when OpenSSL cannot make one.
SSL_CTX* NewSelfSignedServerContext();

}  // namespace dq::testing

#include "support/tls_identity.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <stdexcept>

namespace dq::testing {
namespace {

struct Identity {
    EVP_PKEY* key = nullptr;
    X509* certificate = nullptr;
};

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("test TLS identity: ") + what);
}

// The names a verifying client checks: localhost, and the group-robot hosts that the robot
// tests route to the loopback server.
void AddHostNames(X509* cert) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, cert, cert, nullptr, nullptr, 0);
    X509_EXTENSION* names = X509V3_EXT_conf_nid(
        nullptr, &context, NID_subject_alt_name,
        "DNS:localhost,DNS:qyapi.weixin.qq.com,DNS:oapi.dingtalk.com,DNS:open.feishu.cn");
    Require(names != nullptr && X509_add_ext(cert, names, -1) == 1, "adding host names failed");
    X509_EXTENSION_free(names);
}

Identity MakeIdentity() {
    Identity identity;
    identity.key = EVP_EC_gen("P-256");
    Require(identity.key != nullptr, "key generation failed");

    X509* cert = X509_new();
    Require(cert != nullptr, "X509_new failed");
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 7 * 24 * 3600);
    Require(X509_set_pubkey(cert, identity.key) == 1, "set_pubkey failed");
    X509_NAME* name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("localhost"), -1, -1, 0);
    X509_set_issuer_name(cert, name);
    AddHostNames(cert);
    Require(X509_sign(cert, identity.key, EVP_sha256()) > 0, "signing failed");
    identity.certificate = cert;
    return identity;
}

const Identity& SharedIdentity() {
    // Made once per process and kept until exit: servers come and go, the identity stays.
    static const Identity identity = MakeIdentity();
    return identity;
}

}  // namespace

SSL_CTX* NewSelfSignedServerContext() {
    const Identity& identity = SharedIdentity();
    SSL_CTX* context = SSL_CTX_new(TLS_server_method());
    Require(context != nullptr, "SSL_CTX_new failed");
    if (SSL_CTX_use_certificate(context, identity.certificate) != 1 ||
        SSL_CTX_use_PrivateKey(context, identity.key) != 1) {
        SSL_CTX_free(context);
        Require(false, "installing the identity failed");
    }
    return context;
}

std::string TestCertificatePem() {
    BIO* memory = BIO_new(BIO_s_mem());
    Require(memory != nullptr, "BIO_new failed");
    const bool written = PEM_write_bio_X509(memory, SharedIdentity().certificate) == 1;
    char* data = nullptr;
    const long length = BIO_get_mem_data(memory, &data);
    std::string pem = written && length > 0 ? std::string(data, static_cast<std::size_t>(length)) : "";
    BIO_free(memory);
    Require(!pem.empty(), "writing the certificate failed");
    return pem;
}

}  // namespace dq::testing

// The shared libcurl layer: any verb with its headers and body as given, certificate checks
// when asked, and transfers side by side on several threads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/case_name.h"
#include "support/test_server.h"
#include "support/tls_identity.h"
#include "web/curl_transfer.h"

namespace dq::web {
namespace {

using dq::testing::CannedResponse;
using dq::testing::RecordedRequest;
using dq::testing::TestServer;

TEST(CurlTransfer, AnyVerbGoesWithItsHeadersAndBodyOnly) {
    TestServer server;
    server.on("/item", CannedResponse::Ok("done"));
    TransferRequest request;
    request.address = server.url("/item");
    request.verb = "PATCH";
    request.headers = "X-One: 1\r\nX-Empty:";
    request.body = Bytes("a=\0b", 4);
    const TransferResult result = PerformTransfer(request);

    EXPECT_EQ(result.code, CURLE_OK);
    EXPECT_EQ(result.body, "done");
    EXPECT_TRUE(result.headersComplete);
    EXPECT_TRUE(result.rawHeaders.starts_with("HTTP/1.1 200 OK\r\n"));
    const RecordedRequest sent = server.lastRequest();
    EXPECT_EQ(sent.requestLine, "PATCH /item HTTP/1.1");
    EXPECT_EQ(sent.body, std::string("a=\0b", 4));
    // Host and Content-Length are the only lines libcurl adds; no Accept, Expect,
    // Content-Type or User-Agent of its own.
    EXPECT_EQ(sent.headerLines,
              (std::vector<std::string>{"Host: 127.0.0.1:" + std::to_string(server.port()),
                                        "X-One: 1", "X-Empty:", "Content-Length: 4"}));
}

TEST(CurlTransfer, GetMayCarryABody) {
    TestServer server;
    server.on("/", CannedResponse::Ok("ok"));
    TransferRequest request;
    request.address = server.url("/");
    request.body = Bytes("a=1");
    PerformTransfer(request);
    EXPECT_EQ(server.lastRequest().requestLine, "GET / HTTP/1.1");
    EXPECT_EQ(server.lastRequest().body, "a=1");
}

// The test server's certificate, written to a file for the verifying client to trust.
class TrustedCaFile {
public:
    TrustedCaFile()
        : path_(std::filesystem::temp_directory_path() /
                ("dq-test-ca-" + std::to_string(::getpid()) + ".pem")) {
        std::ofstream(path_) << dq::testing::TestCertificatePem();
    }
    ~TrustedCaFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

struct CertificateCase {
    const char* name;
    bool verifyPeer;
    bool trustTestCa;
    bool reaches;
};

class CertificateCheck : public ::testing::TestWithParam<CertificateCase> {};

TEST_P(CertificateCheck, VerifiesOnlyWhenAsked) {
    const CertificateCase& c = GetParam();
    TestServer server;
    server.on("/secret", CannedResponse::Ok("token"));
    TrustedCaFile ca;
    TransferRequest request;
    request.address = "https://localhost:" + std::to_string(server.port()) + "/secret";
    request.verifyPeer = c.verifyPeer;
    if (c.trustTestCa) request.extraCaFile = ca.path();
    const TransferResult result = PerformTransfer(request);
    EXPECT_EQ(result.body, c.reaches ? "token" : "");
    EXPECT_EQ(result.code == CURLE_OK, c.reaches) << curl_easy_strerror(result.code);
    // A refused certificate stops the exchange before any request byte leaves.
    EXPECT_EQ(server.requests().size(), c.reaches ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, CertificateCheck,
    ::testing::Values(CertificateCase{"AnyAcceptedByDefault", false, false, true},
                      CertificateCase{"SelfSignedRefused", true, false, false},
                      CertificateCase{"TrustedExtraCa", true, true, true}),
    dq::testing::CaseName<CertificateCase>);

TEST(CurlTransfer, TrustedCertificateForAnotherHostIsRefused) {
    TrustedCaFile ca;
    TestServer server;
    server.on("/", CannedResponse::Ok("x"));
    TransferRequest request;
    request.address = "https://127.0.0.1:" + std::to_string(server.port()) + "/";
    request.verifyPeer = true;
    request.extraCaFile = ca.path();
    // The certificate names localhost, not 127.0.0.1: trusted but for the wrong host.
    EXPECT_NE(PerformTransfer(request).code, CURLE_OK);
    EXPECT_EQ(server.requests().size(), 0u);
}

TEST(CurlTransfer, TransfersRunSideBySideOnThreads) {
    constexpr int kThreads = 8;
    TestServer server;
    for (int i = 0; i < kThreads; ++i)
        server.on("/p" + std::to_string(i), CannedResponse::Ok(std::string(20000, char('a' + i))));
    std::vector<TransferResult> results(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            TransferRequest request;
            request.address = server.url("/p" + std::to_string(i));
            results[i] = PerformTransfer(request);
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int i = 0; i < kThreads; ++i)
        EXPECT_EQ(results[i].body, std::string(20000, char('a' + i))) << "thread " << i;
}

TEST(CurlTransfer, WaitingCallbackRunsDuringTheTransfer) {
    TestServer server;
    server.on("/", CannedResponse::Ok("ok"));
    TransferRequest request;
    request.address = server.url("/");
    int waits = 0;
    request.whileWaiting = [&waits] { ++waits; };
    PerformTransfer(request);
    EXPECT_GT(waits, 0);
}

// The body's room is made once from the announced length, never beyond the body limit, and
// the bytes that arrive are kept whatever the announcement said.
struct AnnouncedLengthCase {
    std::string name;
    std::string answer;     // sent verbatim, then the connection closes
    std::size_t limit;      // the body limit
    std::string body;       // what the transfer keeps
    std::size_t roomAtMost; // the body's capacity afterwards
};

class AnnouncedLength : public ::testing::TestWithParam<AnnouncedLengthCase> {};

TEST_P(AnnouncedLength, BodyRoomFollowsTheAnnouncementUpToTheLimit) {
    const AnnouncedLengthCase& c = GetParam();
    TestServer server;
    server.on("/", CannedResponse::Verbatim(c.answer));
    TransferRequest request;
    request.address = server.url("/");
    request.limits.maxBodyBytes = c.limit;
    const TransferResult result = PerformTransfer(request);
    EXPECT_EQ(result.body, c.body);
    EXPECT_LE(result.body.capacity(), c.roomAtMost);
}

const std::string kLargeBody(300000, 'x');

INSTANTIATE_TEST_SUITE_P(
    CurlTransfer, AnnouncedLength,
    ::testing::Values(
        // Grown piece by piece the buffer would end far above the body's size.
        AnnouncedLengthCase{"ExactLengthIsReservedOnce",
                            "HTTP/1.1 200 OK\r\nContent-Length: 300000\r\n\r\n" + kLargeBody,
                            1u << 20, kLargeBody, 300000},
        AnnouncedLengthCase{"ClaimBeyondTheLimitReservesTheLimit",
                            "HTTP/1.1 200 OK\r\nContent-Length: 1073741824\r\n\r\n0123456789",
                            1000, "0123456789", 1000},
        AnnouncedLengthCase{"NoLengthGrowsAsBytesArrive",
                            "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nabc", 1000, "abc",
                            1000}),
    dq::testing::CaseName<AnnouncedLengthCase>);

}  // namespace
}  // namespace dq::web

// Robot posts verify certificates. While a TrustedTestCa lives, they also trust the loopback
// test server's certificate (written to a temporary PEM file).
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "robots/robot_transport.h"
#include "support/tls_identity.h"

namespace dq::robots {

class TrustedTestCa {
public:
    TrustedTestCa() {
        std::ofstream(path_) << dq::testing::TestCertificatePem();
        testing::SetExtraTrustedCaFile(path_.string());
    }
    ~TrustedTestCa() {
        testing::SetExtraTrustedCaFile("");
        std::filesystem::remove(path_);
    }
    TrustedTestCa(const TrustedTestCa&) = delete;
    TrustedTestCa& operator=(const TrustedTestCa&) = delete;

private:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("dq-robot-ca-" + std::to_string(::getpid()) + ".pem");
};

}  // namespace dq::robots

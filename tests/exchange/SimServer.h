#pragma once

#include <sys/types.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "TempDir.h"

namespace vd::test {

// The test certificates made by the build: ca.pem, server-cert.pem, server-key.pem,
// client-vd.pem, client-other.pem, client-vd.p12.
std::filesystem::path TestCertificate(const std::string& name);

// Puts certificates into a certificate store folder (my/, root/, ...) under a chosen name.
void InstallCertificate(const std::filesystem::path& certStoreDir, const std::string& store,
                        const std::string& certificate, const std::string& asName = {});

// tools/central-sim running on a free port of 127.0.0.1 for the life of the object, with the
// test's script; the requests it received are read back from its record.
class SimServer {
public:
    explicit SimServer(const nlohmann::json& script = nlohmann::json::object(),
                       const std::vector<std::string>& extraArguments = {});
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    int Port() const { return port_; }
    // "https://127.0.0.1:PORT/", as a station file names the server.
    std::string Url() const;
    // Every request received so far, in order.
    std::vector<nlohmann::json> Requests() const;
    // The paths of those requests.
    std::vector<std::string> Paths() const;

private:
    TempDir dir_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
int ClosedPort();

}  // namespace vd::test

#include "SimServer.h"

#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <sstream>
#include <stdexcept>

#include "support/Files.h"

namespace vd::test {

std::filesystem::path TestCertificate(const std::string& name) { return std::filesystem::path(VD_TEST_CERTS_DIR) / name; }

void InstallCertificate(const std::filesystem::path& certStoreDir, const std::string& store,
                        const std::string& certificate, const std::string& asName) {
    const auto folder = certStoreDir / store;
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(TestCertificate(certificate), folder / (asName.empty() ? certificate : asName),
                               std::filesystem::copy_options::overwrite_existing);
}

SimServer::SimServer(const nlohmann::json& script, const std::vector<std::string>& extraArguments) {
    const auto scriptFile = dir_.Path() / "script.json";
    const auto errFile = dir_.Path() / "stderr";
    WriteFileAtomically(scriptFile, script.dump());
    std::vector<std::string> args = {VD_CENTRAL_SIM_PATH,
                                     "--cert", TestCertificate("server-cert.pem").string(),
                                     "--key", TestCertificate("server-key.pem").string(),
                                     "--ca", TestCertificate("ca.pem").string(),
                                     "--script", scriptFile.string(),
                                     "--record", (dir_.Path() / "record.jsonl").string()};
    args.insert(args.end(), extraArguments.begin(), extraArguments.end());

    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        // The simulator must not outlive a test that crashed.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out[1], 1);
        if (err >= 0) ::dup2(err, 2);
        ::close(out[0]);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string line;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n') line += c;
    ::close(out[0]);
    try {
        port_ = std::stoi(line);
    } catch (const std::exception&) {
        std::string reason;
        try {
            reason = ReadFileBytes(errFile);
        } catch (const std::exception&) {
        }
        throw std::runtime_error("central-sim did not start: " + reason);
    }
}

SimServer::~SimServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

std::string SimServer::Url() const { return "https://127.0.0.1:" + std::to_string(port_) + "/"; }

std::vector<nlohmann::json> SimServer::Requests() const {
    std::vector<nlohmann::json> requests;
    const auto file = dir_.Path() / "record.jsonl";
    if (!std::filesystem::exists(file)) return requests;
    std::istringstream lines(ReadFileBytes(file));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty()) requests.push_back(nlohmann::json::parse(line));
    }
    return requests;
}

std::vector<std::string> SimServer::Paths() const {
    std::vector<std::string> paths;
    for (const auto& request : Requests()) paths.push_back(request["verb"].get<std::string>() + " " + request["path"].get<std::string>());
    return paths;
}

int ClosedPort() {
    // Bound and closed again: nothing listens there for the short life of a test.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

}  // namespace vd::test

#include "support/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace vd {
namespace {

// posix_spawn's attribute and file-action records, destroyed on every path out.
class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    ~SpawnSetup() {
        posix_spawnattr_destroy(&attributes_);
        posix_spawn_file_actions_destroy(&actions_);
    }
    posix_spawn_file_actions_t* Actions() { return &actions_; }
    posix_spawnattr_t* Attributes() { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

std::vector<char*> ArgumentVector(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (const auto& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

std::optional<std::string> ReadProgramOutput(const std::vector<std::string>& argv) {
    if (argv.empty()) return std::nullopt;
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
    SpawnSetup setup;
    posix_spawn_file_actions_addopen(setup.Actions(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(setup.Actions(), pipeEnds[1], 1);
    posix_spawn_file_actions_addopen(setup.Actions(), 2, "/dev/null", O_WRONLY, 0);
    auto args = ArgumentVector(argv);
    pid_t pid = 0;
    const int started = ::posix_spawnp(&pid, args[0], setup.Actions(), setup.Attributes(), args.data(), environ);
    ::close(pipeEnds[1]);
    if (started != 0) {
        ::close(pipeEnds[0]);
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return output;
}

int StartDetachedProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
    words.push_back(program.string());
    words.insert(words.end(), arguments.begin(), arguments.end());
    SpawnSetup setup;
    posix_spawnattr_setflags(setup.Attributes(), POSIX_SPAWN_SETSID);
    auto args = ArgumentVector(words);
    pid_t pid = 0;
    return ::posix_spawn(&pid, args[0], setup.Actions(), setup.Attributes(), args.data(), environ);
}

}  // namespace vd

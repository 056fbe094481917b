#include "Process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "TempDir.h"
#include "support/Files.h"

namespace vd::test {

ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input,
                         const std::map<std::string, std::string>& env) {
    TempDir io;
    const auto inFile = io.Path() / "in";
    const auto outFile = io.Path() / "out";
    const auto errFile = io.Path() / "err";
    WriteFileAtomically(inFile, input);

    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int in = ::open(inFile.c_str(), O_RDONLY);
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0) ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadFileBytes(outFile);
    result.err = ReadFileBytes(errFile);
    return result;
}

}  // namespace vd::test

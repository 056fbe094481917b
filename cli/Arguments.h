#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vd::cli {

// Wrong usage: vdctl prints the message and the usage and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A refusal before any work: vdctl prints the message as it stands and exits with 1.
class Refused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GlobalOptions {
    std::string programDir;
    std::optional<std::string> user;
    bool passwordStdin = false;
    bool yes = false;
};

// The words after the global options: a command and its own arguments and options.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}

    bool Empty() const { return words_.empty(); }
    // The next positional word; UsageError naming `what` when there is none.
    std::string Take(const char* what);
    // Removes "--name VALUE" wherever it stands and returns VALUE.
    std::optional<std::string> TakeOption(const std::string& name);
    std::vector<std::string> TakeRepeated(const std::string& name);
    bool TakeFlag(const std::string& name);
    // UsageError when anything is left over.
    void ExpectEnd() const;

private:
    std::vector<std::string> words_;
};

GlobalOptions ParseGlobalOptions(std::vector<std::string>& words);

}  // namespace vd::cli

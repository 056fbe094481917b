#include "Arguments.h"

#include <algorithm>

namespace vd::cli {

std::string Arguments::Take(const char* what) {
    const auto it = std::find_if(words_.begin(), words_.end(), [](const std::string& w) { return !w.starts_with("--"); });
    if (it == words_.end()) throw UsageError(std::string("missing ") + what);
    std::string word = *it;
    words_.erase(it);
    return word;
}

std::optional<std::string> Arguments::TakeOption(const std::string& name) {
    const auto it = std::find(words_.begin(), words_.end(), name);
    if (it == words_.end()) return std::nullopt;
    if (it + 1 == words_.end()) throw UsageError(name + " needs a value");
    std::string value = *(it + 1);
    words_.erase(it, it + 2);
    return value;
}

std::vector<std::string> Arguments::TakeRepeated(const std::string& name) {
    std::vector<std::string> values;
    while (auto value = TakeOption(name)) values.push_back(*value);
    return values;
}

bool Arguments::TakeFlag(const std::string& name) {
    const auto it = std::find(words_.begin(), words_.end(), name);
    if (it == words_.end()) return false;
    words_.erase(it);
    return true;
}

void Arguments::ExpectEnd() const {
    if (!words_.empty()) throw UsageError("unexpected argument: " + words_.front());
}

GlobalOptions ParseGlobalOptions(std::vector<std::string>& words) {
    GlobalOptions options;
    std::size_t i = 0;
    auto value = [&](const std::string& name) {
        if (i + 1 >= words.size()) throw UsageError(name + " needs a value");
        return words[++i];
    };
    for (; i < words.size() && words[i].starts_with("--"); ++i) {
        const std::string& word = words[i];
        if (word == "--program-dir") options.programDir = value(word);
        else if (word == "--user") options.user = value(word);
        else if (word == "--password-stdin") options.passwordStdin = true;
        else if (word == "--yes") options.yes = true;
        else if (word == "--no") options.yes = false;
        else throw UsageError("unknown option: " + word);
    }
    words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(i));
    return options;
}

}  // namespace vd::cli

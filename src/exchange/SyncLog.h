#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vd {

// Where the exchange writes its progress and error lines: the synchronisation window's log,
// vdctl's standard output, a test's list. Lines are only ever appended.
class SyncLog {
public:
    virtual ~SyncLog() = default;
    virtual void Line(std::string_view text) = 0;
};

// Keeps the lines, for callers that show them later and for tests.
class MemorySyncLog : public SyncLog {
public:
    void Line(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

}  // namespace vd

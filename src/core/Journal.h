#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/EventIds.h"

namespace vd {

struct Session;

inline constexpr std::string_view kEventSource = "Radevaredu VI";

struct Event {
    EventType type = EventType::Information;
    EventCategory category = EventCategory::UserAction;
    std::uint32_t id = 0;
    std::vector<std::string> strings;
};

// Where events go. A sink never throws: a lost event must not disturb the caller.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void Write(const Event& event) noexcept = 0;
};

// One JSON object per line, appended to the journal file.
class JsonLinesSink : public EventSink {
public:
    explicit JsonLinesSink(std::filesystem::path file);
    void Write(const Event& event) noexcept override;

private:
    std::filesystem::path file_;
    std::string systemUser_;
};

// A copy for the system log, under the event source's name.
class SyslogSink : public EventSink {
public:
    void Write(const Event& event) noexcept override;
};

// The production journal: the JSON-lines file and the system log.
class SystemJournalSink : public EventSink {
public:
    explicit SystemJournalSink(std::filesystem::path file) : file_(std::move(file)) {}
    void Write(const Event& event) noexcept override {
        file_.Write(event);
        syslog_.Write(event);
    }

private:
    JsonLinesSink file_;
    SyslogSink syslog_;
};

std::string EventIdText(std::uint32_t id);  // "0x40000103"

// The program's journal: fixed event ids with their insertion strings.
class Journal {
public:
    Journal(EventSink& sink, const Session& session) : sink_(sink), session_(session) {}

    void WriteEvent(EventType type, EventCategory category, std::uint32_t id,
                    std::vector<std::string> strings = {}) const noexcept;
    // An unexpected failure caught at `location`; shows nothing to the user.
    void ReportError(std::string_view location, std::string_view message) const noexcept;

private:
    EventSink& sink_;
    const Session& session_;
};

}  // namespace vd

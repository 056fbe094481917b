#include "core/Journal.h"

#include <pwd.h>
#include <syslog.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "core/Session.h"
#include "support/Json.h"

namespace vd {
namespace {

std::string SystemUserName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return pw->pw_name;
    if (const char* user = std::getenv("USER")) return user;
    return std::to_string(::geteuid());
}

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    char buffer[40];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S%z", &tm);
    return buffer;
}

int SyslogPriority(EventType type) {
    switch (type) {
        case EventType::Error: return LOG_ERR;
        case EventType::Warning: return LOG_WARNING;
        case EventType::AuditFailure: return LOG_NOTICE;
        default: return LOG_INFO;
    }
}

}  // namespace

std::string EventIdText(std::uint32_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", id);
    return buffer;
}

JsonLinesSink::JsonLinesSink(std::filesystem::path file) : file_(std::move(file)), systemUser_(SystemUserName()) {}

void JsonLinesSink::Write(const Event& event) noexcept {
    try {
        std::string line = "{\"time\":" + JsonQuote(LocalTimeText()) + ",\"source\":" + JsonQuote(kEventSource) +
                           ",\"type\":" + std::to_string(static_cast<int>(event.type)) +
                           ",\"category\":" + std::to_string(static_cast<int>(event.category)) +
                           ",\"id\":" + JsonQuote(EventIdText(event.id)) + ",\"user\":" + JsonQuote(systemUser_) +
                           ",\"strings\":[";
        for (std::size_t i = 0; i < event.strings.size(); ++i) {
            if (i > 0) line += ',';
            line += JsonQuote(event.strings[i]);
        }
        line += "]}\n";
        std::error_code ignored;
        std::filesystem::create_directories(file_.parent_path(), ignored);
        std::ofstream out(file_, std::ios::app | std::ios::binary);
        out << line;
    } catch (...) {
        // The journal is best effort: the caller's work goes on.
    }
}

void SyslogSink::Write(const Event& event) noexcept {
    try {
        std::string text = EventIdText(event.id) + " category " + std::to_string(static_cast<int>(event.category));
        for (const auto& s : event.strings) text += " | " + s;
        static const std::string ident(kEventSource);
        ::openlog(ident.c_str(), LOG_PID, LOG_USER);
        ::syslog(SyslogPriority(event.type), "%s", text.c_str());
        ::closelog();
    } catch (...) {
    }
}

void Journal::WriteEvent(EventType type, EventCategory category, std::uint32_t id,
                         std::vector<std::string> strings) const noexcept {
    try {
        sink_.Write(Event{type, category, id, std::move(strings)});
    } catch (...) {
    }
}

void Journal::ReportError(std::string_view location, std::string_view message) const noexcept {
    try {
        WriteEvent(EventType::Error, EventCategory::UserAction, event::kUnexpectedFailure,
                   {"[" + session_.currentUserName + "]" + std::string(location), std::string(message)});
    } catch (...) {
    }
}

}  // namespace vd

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/OptionStore.h"
#include "support/DayNumber.h"

namespace vd {

// Typed readers and writers of the settings, each with its key's rule for a missing or
// unreadable value.
class Settings {
public:
    explicit Settings(OptionStore& store) : store_(store) {}

    // Common settings.
    std::string Key() const;
    std::optional<std::int64_t> VersionSQB() const;  // no value when not a number
    DayNumber LastSync() const;                       // 0 when absent
    std::int64_t ReferenceMin() const;                // 0 when absent, not a number or negative
    std::int64_t ReferenceMax() const;
    bool AutoCertNumber() const;           // on unless "False" is stored
    bool AutoCertNumberTicked() const;     // how the options dialog shows it: only "True" ticks
    std::string ArjPath() const;
    bool ArjBegin() const;                 // off unless "True"
    bool ArjEnd() const;
    std::string NetGuid() const;           // empty when absent or unreadable
    std::int64_t LastChange() const;       // 0 when absent or not a number
    std::optional<std::int64_t> PackageVersion(std::string_view packageKey) const;
    std::optional<int> UdLeft() const;     // no value: the design position stays
    std::optional<int> UdTop() const;

    // Personal settings.
    bool DlgPaper(std::string_view user) const;       // on unless a boolean "False" is stored
    bool AutoFontSize(std::string_view user) const;   // anything but "False" is on
    std::string AccountSim(std::string_view user) const;
    std::string PasswordSim(std::string_view user) const;

    bool SetLastSync(DayNumber day);
    bool SetReferenceRange(std::int64_t min, std::int64_t max);
    bool SetAutoCertNumber(bool on);
    bool SetArjPath(std::string_view path);
    bool SetArjBegin(bool on);
    bool SetArjEnd(bool on);
    bool SetNetGuid(std::string_view guid);
    bool SetLastChange(std::int64_t id);
    bool SetPackageVersion(std::string_view packageKey, std::int64_t version);
    bool SetUdLeft(int millimetres);
    bool SetUdTop(int millimetres);
    bool SetAutoFontSize(std::string_view user, bool on);
    bool SetAccountSim(std::string_view user, std::string_view login);
    bool SetPasswordSim(std::string_view user, std::string_view password);

    static std::string_view BooleanText(bool value) { return value ? "True" : "False"; }

private:
    std::string Common(std::string_view key) const;
    std::optional<std::int64_t> CommonInteger(std::string_view key) const;
    bool SaveCommon(std::string_view key, std::string_view value);

    OptionStore& store_;
};

}  // namespace vd

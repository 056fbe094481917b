#include "core/Settings.h"

#include <algorithm>
#include <cctype>

#include "core/OptionKeys.h"
#include "support/Text.h"

namespace vd {

std::optional<OptionKey> FindOptionKey(std::string_view name) {
    const auto it = std::find_if(std::begin(kOptionKeys), std::end(kOptionKeys),
                                 [&](const OptionKey& key) { return key.name == name; });
    if (it == std::end(kOptionKeys)) return std::nullopt;
    return *it;
}

bool IsValidOptionValue(const OptionKey& key, std::string_view value) {
    switch (key.format) {
        case OptionFormat::Integer:
        case OptionFormat::Day: return ParseInteger(value).has_value();
        case OptionFormat::Boolean: return value == "True" || value == "False";
        case OptionFormat::Text: return true;
    }
    return false;
}

std::string Settings::Common(std::string_view key) const { return store_.ReadOption(kCommonUser, key); }

std::optional<std::int64_t> Settings::CommonInteger(std::string_view key) const {
    return ParseInteger(Common(key));
}

bool Settings::SaveCommon(std::string_view key, std::string_view value) {
    return store_.SaveOption(kCommonUser, key, value);
}

std::string Settings::Key() const { return Common(option::kKey); }

std::optional<std::int64_t> Settings::VersionSQB() const { return CommonInteger(option::kVersionSQB); }

DayNumber Settings::LastSync() const {
    return static_cast<DayNumber>(CommonInteger(option::kLastSync).value_or(0));
}

std::int64_t Settings::ReferenceMin() const {
    return std::max<std::int64_t>(0, CommonInteger(option::kReferenceMin).value_or(0));
}

std::int64_t Settings::ReferenceMax() const {
    return std::max<std::int64_t>(0, CommonInteger(option::kReferenceMax).value_or(0));
}

bool Settings::AutoCertNumber() const { return Common(option::kAutoCertNumber) != "False"; }

bool Settings::AutoCertNumberTicked() const { return Common(option::kAutoCertNumber) == "True"; }

std::string Settings::ArjPath() const { return Common(option::kArjPath); }

bool Settings::ArjBegin() const { return Common(option::kArjBegin) == "True"; }

bool Settings::ArjEnd() const { return Common(option::kArjEnd) == "True"; }

std::string Settings::NetGuid() const { return Common(option::kNetGuid); }

std::int64_t Settings::LastChange() const { return CommonInteger(option::kLastChange).value_or(0); }

std::optional<std::int64_t> Settings::PackageVersion(std::string_view packageKey) const {
    return CommonInteger(packageKey);
}

std::optional<int> Settings::UdLeft() const {
    const auto value = CommonInteger(option::kUdLeft);
    if (!value) return std::nullopt;
    return static_cast<int>(std::clamp<std::int64_t>(*value, -40, 40));
}

std::optional<int> Settings::UdTop() const {
    const auto value = CommonInteger(option::kUdTop);
    if (!value) return std::nullopt;
    return static_cast<int>(std::clamp<std::int64_t>(*value, -40, 40));
}

bool Settings::DlgPaper(std::string_view user) const {
    // Any boolean spelling counts here, as the key is set by hand: "False", "false", "0".
    std::string value = store_.ReadOption(user, option::kDlgPaper);
    std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::tolower(c); });
    return value != "false" && value != "0";
}

bool Settings::AutoFontSize(std::string_view user) const {
    return store_.ReadOption(user, option::kAutoFontSize) != "False";
}

std::string Settings::AccountSim(std::string_view user) const { return store_.ReadOption(user, option::kAccountSim); }

std::string Settings::PasswordSim(std::string_view user) const {
    return store_.ReadOption(user, option::kPasswordSim);
}

bool Settings::SetLastSync(DayNumber day) { return SaveCommon(option::kLastSync, std::to_string(day)); }

bool Settings::SetReferenceRange(std::int64_t min, std::int64_t max) {
    return SaveCommon(option::kReferenceMin, std::to_string(min)) &&
           SaveCommon(option::kReferenceMax, std::to_string(max));
}

bool Settings::SetAutoCertNumber(bool on) { return SaveCommon(option::kAutoCertNumber, BooleanText(on)); }

bool Settings::SetArjPath(std::string_view path) { return SaveCommon(option::kArjPath, path); }

bool Settings::SetArjBegin(bool on) { return SaveCommon(option::kArjBegin, BooleanText(on)); }

bool Settings::SetArjEnd(bool on) { return SaveCommon(option::kArjEnd, BooleanText(on)); }

bool Settings::SetNetGuid(std::string_view guid) { return SaveCommon(option::kNetGuid, guid); }

bool Settings::SetLastChange(std::int64_t id) { return SaveCommon(option::kLastChange, std::to_string(id)); }

bool Settings::SetPackageVersion(std::string_view packageKey, std::int64_t version) {
    return SaveCommon(packageKey, std::to_string(version));
}

bool Settings::SetUdLeft(int millimetres) { return SaveCommon(option::kUdLeft, std::to_string(millimetres)); }

bool Settings::SetUdTop(int millimetres) { return SaveCommon(option::kUdTop, std::to_string(millimetres)); }

bool Settings::SetAutoFontSize(std::string_view user, bool on) {
    return store_.SaveOption(user, option::kAutoFontSize, BooleanText(on));
}

bool Settings::SetAccountSim(std::string_view user, std::string_view login) {
    return store_.SaveOption(user, option::kAccountSim, login);
}

bool Settings::SetPasswordSim(std::string_view user, std::string_view password) {
    return store_.SaveOption(user, option::kPasswordSim, password);
}

}  // namespace vd

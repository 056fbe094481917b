#pragma once

#include <optional>
#include <string_view>

namespace vd {

// The pseudo user under which the shared settings of the workstation are stored.
inline constexpr std::string_view kCommonUser = "COMMON_USER";

enum class OptionScope { Common, Personal };
enum class OptionFormat { Integer, Day, Boolean, Text };

struct OptionKey {
    std::string_view name;
    OptionScope scope;
    OptionFormat format;
};

namespace option {
inline constexpr std::string_view kKey = "Key";
inline constexpr std::string_view kVersionSQB = "VersionSQB";
inline constexpr std::string_view kLastSync = "LastSync";
inline constexpr std::string_view kReferenceMin = "ReferenceMin";
inline constexpr std::string_view kReferenceMax = "ReferenceMax";
inline constexpr std::string_view kAutoCertNumber = "AutoCertNumber";
inline constexpr std::string_view kArjPath = "ArjPath";
inline constexpr std::string_view kArjBegin = "ArjBegin";
inline constexpr std::string_view kArjEnd = "ArjEnd";
inline constexpr std::string_view kNetGuid = "NetGuid";
inline constexpr std::string_view kLastChange = "lastChange";
inline constexpr std::string_view kRestoratorZip = "restorator.zip";
inline constexpr std::string_view kSupportZip = "support.zip";
inline constexpr std::string_view kUdLeft = "udLeft";
inline constexpr std::string_view kUdTop = "udTop";
inline constexpr std::string_view kDlgPaper = "DlgPaper";
inline constexpr std::string_view kAutoFontSize = "AutoFontSize";
inline constexpr std::string_view kAccountSim = "AccountSim";
inline constexpr std::string_view kPasswordSim = "PasswordSim";
}  // namespace option

inline constexpr OptionKey kOptionKeys[] = {
    {option::kKey, OptionScope::Common, OptionFormat::Text},
    {option::kVersionSQB, OptionScope::Common, OptionFormat::Integer},
    {option::kLastSync, OptionScope::Common, OptionFormat::Day},
    {option::kReferenceMin, OptionScope::Common, OptionFormat::Integer},
    {option::kReferenceMax, OptionScope::Common, OptionFormat::Integer},
    {option::kAutoCertNumber, OptionScope::Common, OptionFormat::Boolean},
    {option::kArjPath, OptionScope::Common, OptionFormat::Text},
    {option::kArjBegin, OptionScope::Common, OptionFormat::Boolean},
    {option::kArjEnd, OptionScope::Common, OptionFormat::Boolean},
    {option::kNetGuid, OptionScope::Common, OptionFormat::Text},
    {option::kLastChange, OptionScope::Common, OptionFormat::Integer},
    {option::kRestoratorZip, OptionScope::Common, OptionFormat::Integer},
    {option::kSupportZip, OptionScope::Common, OptionFormat::Integer},
    {option::kUdLeft, OptionScope::Common, OptionFormat::Integer},
    {option::kUdTop, OptionScope::Common, OptionFormat::Integer},
    {option::kDlgPaper, OptionScope::Personal, OptionFormat::Boolean},
    {option::kAutoFontSize, OptionScope::Personal, OptionFormat::Boolean},
    {option::kAccountSim, OptionScope::Personal, OptionFormat::Text},
    {option::kPasswordSim, OptionScope::Personal, OptionFormat::Text},
};

std::optional<OptionKey> FindOptionKey(std::string_view name);

// Whether `value` has the stored form of the key's format ("True"/"False", decimal integers).
bool IsValidOptionValue(const OptionKey& key, std::string_view value);

}  // namespace vd

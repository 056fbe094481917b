#pragma once

#include <cstdint>

namespace vd {

enum class EventType : int {
    Success = 0,
    Error = 1,
    Warning = 2,
    Information = 4,
    AuditSuccess = 8,
    AuditFailure = 16,
};

enum class EventCategory : int {
    Exchange = 2,
    Report = 4,
    Settings = 6,
    UserAction = 7,
};

// The journal's fixed event ids; the installation's message catalogue gives their texts.
namespace event {
inline constexpr std::uint32_t kFileStep = 0x40000101;
inline constexpr std::uint32_t kUnexpectedFailure = 0x40000103;
inline constexpr std::uint32_t kProgramStarted = 0x40000201;
inline constexpr std::uint32_t kProgramEnded = 0x40000207;
inline constexpr std::uint32_t kStoredValueFailed = 0x40000653;
inline constexpr std::uint32_t kDialogLibraryMissing = 0x40000700;
inline constexpr std::uint32_t kFileCopyFailed = 0x40000812;
inline constexpr std::uint32_t kMalformedReply0 = 0x40006500;
inline constexpr std::uint32_t kMalformedReply1 = 0x40006501;
inline constexpr std::uint32_t kMalformedReply2 = 0x40006502;
inline constexpr std::uint32_t kUserAdded = 0x40007200;
inline constexpr std::uint32_t kLoginRefused = 0x40007201;
inline constexpr std::uint32_t kUserDeleted = 0x40007202;
inline constexpr std::uint32_t kUserPasswordChanged = 0x40007203;
inline constexpr std::uint32_t kUserRenamed = 0x40007204;
inline constexpr std::uint32_t kLoginAccepted = 0x40007212;
inline constexpr std::uint32_t kDocumentDeleted = 0x40007300;
inline constexpr std::uint32_t kDocumentChanged = 0x40007301;
inline constexpr std::uint32_t kDocumentCreated = 0x40007302;
inline constexpr std::uint32_t kDocumentStatusChanged = 0x40007303;
inline constexpr std::uint32_t kPrintedIssuedCopy = 0x40007350;
inline constexpr std::uint32_t kPrintedBlank = 0x40007351;
inline constexpr std::uint32_t kPrintedOtherCopy = 0x40007352;
inline constexpr std::uint32_t kNumberRangeChanged = 0x40007400;
inline constexpr std::uint32_t kNetworkFailed = 0x40007500;
}  // namespace event

}  // namespace vd

#include "exchange/OptionsSettings.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Database.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/OptionKeys.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "register/Numbering.h"
#include "support/DayNumber.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr std::string_view kRangeLocation = "uFormOptions.TfFormOptions.ActionReferenceOkExecute";
constexpr std::string_view kFolderLocation = "uFormOptions.TfFormOptions.ActionFolderExecute";
constexpr std::string_view kArchiveLocation = "uFormOptions.TfFormOptions.ActionArchSaveExecute";
constexpr std::string_view kFlagsLocation = "uFormOptions.TfFormOptions.ActionSaveFlagsExecute";

// Numbers this year's conclusions still hold: issued, duplicates, issued instead and cancelled
// ones. Projects and spoiled blanks give their numbers up.
constexpr std::string_view kIssuedInRange =
    "select NumNum,ReferenceNo,GNum,status from mcod where (GNum = :year) and (NumNum >= :min) and "
    "(NumNum <= :max) and (   (status = 10)or (status = 7)or (status = 11)or (status = 9)   )";

// The field's mask admits six digits and nothing else; a position left empty makes the text
// unreadable as a number.
std::optional<std::int64_t> SixDigits(std::string_view text) {
    if (text.size() != kReferencePositions ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return ParseInteger(text);
}

}  // namespace

void OptionsState::SetArchiveAtStart(bool on) {
    archiveAtStart = on;
    if (on) archiveAtEnd = false;
}

void OptionsState::SetArchiveAtEnd(bool on) {
    archiveAtEnd = on;
    if (on) archiveAtStart = false;
}

bool OptionsSettings::Permitted() const { return tdm_.GetSession().IsAdministrator(); }

OptionsState OptionsSettings::Load() const {
    OptionsState state;
    const StationFile& station = tdm_.Station();
    state.chamberNumber = ZeroPadded(station.tppNumber, 3);
    state.workstationNumber = ZeroPadded(station.numLocale, 2);
    state.chamberName = station.tppName;
    state.referenceMin = ZeroPadded(tdm_.ReferenceMin(), kReferencePositions);
    state.referenceMax = ZeroPadded(tdm_.ReferenceMax(), kReferencePositions);
    Settings& settings = tdm_.Options();
    state.archivePath = settings.ArjPath();
    state.archiveAtStart = settings.ArjBegin();
    state.archiveAtEnd = settings.ArjEnd();
    state.autoCertNumber = settings.AutoCertNumberTicked();
    return state;
}

OptionsState OptionsSettings::Show() {
    tdm_.Ui().SetHelpLine(text::kOptionsHelpLine);
    return Load();
}

bool OptionsSettings::SaveReferenceRange(const OptionsState& state) {
    if (!Permitted()) return false;
    UserInterface& ui = tdm_.Ui();
    try {
        const auto min = SixDigits(state.referenceMin);
        if (!min) {
            ui.Inform(text::kAppTitle, text::kMinimumNotDigits);
            return false;
        }
        const auto max = SixDigits(state.referenceMax);
        if (!max) {
            ui.Inform(text::kAppTitle, text::kMaximumNotDigits);
            return false;
        }
        if (*max < *min) {
            ui.Inform(text::kAppTitle, text::kRangeReversed);
            return false;
        }
        Statement issued(tdm_.Db(), kIssuedInRange);
        issued.BindInt(":year", YearDigit(tdm_.GetClock().Today()));
        issued.BindInt(":min", *min);
        issued.BindInt(":max", *max);
        if (issued.Step()) {
            ui.Error(text::kProductName, std::string(text::kDocumentNumber) + issued.ColumnBlobText(1) +
                                             std::string(text::kNumberInRange) + std::string(text::kLineBreak) +
                                             std::string(text::kOnlyEmptyRange));
            return false;
        }
        issued.Reset();

        // The two values belong together; the working range changes only once both are stored.
        if (!tdm_.SaveOptions(kCommonUser, {{option::kReferenceMin, state.referenceMin},
                                            {option::kReferenceMax, state.referenceMax}})) {
            throw std::runtime_error("number range not stored");
        }
        tdm_.SetCachedReferenceRange(*min, *max);
        tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kNumberRangeChanged,
                                     {tdm_.GetSession().currentUserName, state.referenceMin, state.referenceMax});
        return true;
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError(kRangeLocation, e.what());
        return false;
    }
}

void OptionsSettings::CancelReferenceRange(OptionsState& state) const {
    state.referenceMin = ZeroPadded(tdm_.ReferenceMin(), kReferencePositions);
    state.referenceMax = ZeroPadded(tdm_.ReferenceMax(), kReferencePositions);
}

bool OptionsSettings::ChooseArchiveFolder(OptionsState& state) {
    try {
        const auto chosen = tdm_.Ui().ChooseFolder(text::kArchiveFolderTitle, state.archivePath);
        if (!chosen) return false;
        state.archivePath = *chosen;
        return true;
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError(kFolderLocation, e.what());
        return false;
    }
}

bool OptionsSettings::SaveArchive(const OptionsState& state) {
    if (!Permitted()) return false;
    if (tdm_.SaveOptions(kCommonUser, {{option::kArjPath, state.archivePath},
                                       {option::kArjBegin, Settings::BooleanText(state.archiveAtStart)},
                                       {option::kArjEnd, Settings::BooleanText(state.archiveAtEnd)}})) {
        return true;
    }
    tdm_.GetJournal().ReportError(kArchiveLocation, "archive settings not stored");
    return false;
}

bool OptionsSettings::SaveAutoCertNumber(const OptionsState& state) {
    if (!Permitted()) return false;
    if (tdm_.Options().SetAutoCertNumber(state.autoCertNumber)) return true;
    tdm_.GetJournal().ReportError(kFlagsLocation, "AutoCertNumber not stored");
    return false;
}

}  // namespace vd

#include <algorithm>
#include <ostream>

#include "Commands.h"
#include "TerminalUi.h"
#include "core/Workstation.h"
#include "register/RegisterCommands.h"
#include "register/RegisterQuery.h"
#include "register/Search.h"
#include "support/DayNumber.h"

namespace vd::cli {
namespace {

// vdctl's own words: the dialog locks the expert field instead of refusing.
constexpr std::string_view kExpertLocked = "Поле «Эксперт» может менять только администратор";
constexpr std::string_view kSearchFailed = "Поиск не выполнен";

// A masked field typed on the command line: digits and "?" only, filled up with "?".
std::string Mask(const std::optional<std::string>& value, std::size_t positions, const char* option) {
    if (!value) return {};
    const bool digits =
        std::all_of(value->begin(), value->end(), [](char c) { return (c >= '0' && c <= '9') || c == '?'; });
    if (!digits || value->size() > positions) {
        throw UsageError(std::string(option) + ": at most " + std::to_string(positions) + " digits or \"?\"");
    }
    return *value + std::string(positions - value->size(), '?');
}

std::optional<DayNumber> Date(const std::optional<std::string>& value, const char* option) {
    if (!value) return std::nullopt;
    const auto day = ParseDdMmYyyy(*value);
    if (!day) throw UsageError(std::string(option) + ": expected DD.MM.YYYY, not " + *value);
    return day;
}

std::vector<std::string> GridRows(Arguments& args, const std::string& option) {
    std::vector<std::string> rows = args.TakeRepeated(option);
    if (rows.size() > kSearchGridRows) {
        throw UsageError(option + ": at most " + std::to_string(kSearchGridRows) + " rows");
    }
    return rows;
}

}  // namespace

Action SearchCommand(Arguments& args, std::ostream& out, std::ostream& err) {
    SearchConditions conditions;
    conditions.yearDigit = Mask(args.TakeOption("--year"), kYearDigitPositions, "--year");
    conditions.number = Mask(args.TakeOption("--number"), kNumberPositions, "--number");
    conditions.blank = Mask(args.TakeOption("--blank"), kBlankPositions, "--blank");
    conditions.from = Date(args.TakeOption("--from"), "--from");
    conditions.to = Date(args.TakeOption("--to"), "--to");
    conditions.declarants = GridRows(args, "--declarant");
    conditions.declarantsOr = args.TakeFlag("--or-declarant");
    conditions.marks = args.TakeOption("--marks").value_or("");
    const std::optional<std::string> expert = args.TakeOption("--expert");
    if (const auto status = args.TakeOption("--status")) {
        const bool known = std::any_of(std::begin(kSearchStatuses), std::end(kSearchStatuses),
                                       [&](const StatusEntry& entry) { return entry.name == *status; });
        if (!known) throw UsageError("--status: unknown status " + *status);
        conditions.statusName = *status;
    }
    conditions.goods = GridRows(args, "--goods");
    conditions.goodsOr = args.TakeFlag("--or-goods");
    const bool mine = args.TakeFlag("--mine");
    args.ExpectEnd();

    return [conditions, expert, mine, &out, &err](Workstation& ws, TerminalUi&) mutable {
        const Session& session = ws.session;
        if (session.IsAdministrator()) {
            conditions.expert = expert.value_or("");
        } else if (expert && *expert != session.currentUserName) {
            err << kExpertLocked << '\n';
            return 1;
        }
        // As "Поиск" in the main window: "Список" first, so the search starts from the plain
        // register with its filter; "Только мои" is the administrator's to choose.
        RestoreRegister(ws.tdm);
        if (mine && session.IsAdministrator()) ApplyMyOnly(ws.tdm, true);
        const auto result = RunSearch(ws.tdm, conditions);
        if (!result) {
            err << kSearchFailed << '\n';
            return 1;
        }
        out << text::kSearchTotal << result->total << '\n' << text::kSearchFound << result->found << '\n';
        RegisterQuery& query = ws.tdm.ASQM();
        for (int i = 0; i < query.RowCount(); ++i) out << query.RowAt(i).record.referenceNo << '\n';
        return 0;
    };
}

}  // namespace vd::cli

#include "register/Search.h"

#include <algorithm>
#include <stdexcept>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Database.h"
#include "core/Journal.h"
#include "core/Schema.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "register/RegisterQuery.h"
#include "support/Text.h"
#include "support/TextCodec.h"

namespace vd {
namespace {

constexpr std::string_view kRunLocation = "SearchForm.TfSearch.aOkExecute";
constexpr std::string_view kOpenLocation = "uFormSearch.TfSearch.TntFormCreate";

constexpr std::string_view kCandidates =
    "select id,status,ReferenceNo,PaperNo,declarationDate,supportInfo,declarant,address,Expert,GNum,NumNum from mcod";
// Positions in the candidates' statement.
enum CandidateColumn { kId, kStatus, kReferenceNo, kPaperNo, kDeclarationDate, kSupportInfo, kDeclarant, kAddress,
                       kExpert, kGNum };
// Only the description takes part in the match.
constexpr std::string_view kGoodsDescriptions = "select descriptionGoods from dcod where IdM = :id";
constexpr std::string_view kLargestDate = "select max(declarationDate) as md from mcod";
constexpr std::string_view kSmallestDate = "select min(declarationDate) as md from mcod";

constexpr std::string_view kNoStatus = "нет данных";
constexpr std::string_view kConditionsHeading = "Список поисковых условий, накладываемых при отборе.";
constexpr std::string_view kYearRow = "    Год выдачи";
constexpr std::string_view kNumberRow = "    номер";
constexpr std::string_view kBlankRow = "    бланк";
constexpr std::string_view kFromRow = "    Выдан (С)";
constexpr std::string_view kToRow = "    Выдан до (По)";
constexpr std::string_view kDeclarantRow = "    Заявитель";
constexpr std::string_view kMarksRow = "    Служебные отметки";
constexpr std::string_view kExpertRow = "    Эксперт";
constexpr std::string_view kStatusRow = "    Статус";
constexpr std::string_view kGoodsRow = "    Товар";

using Units = std::u16string;
using UnitsView = std::u16string_view;

void AppendUnits(Units& out, std::string_view utf16le, bool fold) {
    const std::size_t count = utf16le.size() / 2;
    out.reserve(out.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                                (static_cast<unsigned char>(utf16le[2 * i + 1]) << 8));
        out += fold ? LowerCaseUnit(unit) : unit;
    }
}

Units UnitsOf(std::string_view utf8, bool fold = false) {
    Units units;
    AppendUnits(units, Utf8ToUtf16Le(utf8), fold);
    return units;
}

// A text column as UTF-16 code units, letter case folded: BLOB columns hold them already, a
// TEXT written by another tool is UTF-8.
void ReadFolded(const Statement& query, int column, Units& out) {
    out.clear();
    if (query.ColumnType(column) == SQLITE_BLOB) AppendUnits(out, query.ColumnBytes(column), true);
    else AppendUnits(out, Utf8ToUtf16Le(query.ColumnText(column)), true);
}

bool MatchUnits(UnitsView pattern, UnitsView value) {
    if (pattern.empty()) return true;  // an empty pattern is "*"
    std::size_t p = 0;
    std::size_t v = 0;
    std::size_t star = UnitsView::npos;
    std::size_t resume = 0;
    while (v < value.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = v;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == value[v])) {
            ++p;
            ++v;
        } else if (star != UnitsView::npos) {
            // Let the last "*" take one more character and try again from there.
            p = star + 1;
            v = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

// "*" + condition + "*" with letter case ignored, prepared once for the whole walk. A condition
// without wildcards of its own is a plain search for the folded text.
class Containing {
public:
    explicit Containing(std::string_view condition) : folded_(UnitsOf(condition, true)) {
        plain_ = folded_.find_first_of(u"*?") == Units::npos;
        if (!plain_) folded_ = u"*" + folded_ + u"*";
    }
    bool In(UnitsView foldedValue) const {
        return plain_ ? foldedValue.find(folded_) != UnitsView::npos : MatchUnits(folded_, foldedValue);
    }

private:
    Units folded_;
    bool plain_ = true;
};

// A masked field as the user sees it: every blank position "?", as many positions as the mask.
std::string MaskText(std::string_view text, std::size_t positions) {
    std::string out;
    for (const char c : text) out += c == ' ' || c == '_' ? '?' : c;
    if (out.size() < positions) out.append(positions - out.size(), '?');
    return out;
}

bool IsBlankMask(std::string_view mask) {
    return std::all_of(mask.begin(), mask.end(), [](char c) { return c == '?'; });
}

// The dialog's conditions prepared for testing thousands of rows.
struct Compiled {
    std::string yearMask, numberMask, blankMask;
    Units year, number, blank;
    bool hasYear = false, hasNumber = false, hasBlank = false;
    std::optional<DayNumber> from, to;
    int status = 0;
    std::vector<Containing> declarants;
    bool declarantsOr = false;
    std::optional<Containing> marks;
    std::optional<Containing> expert;
    std::vector<Containing> goods;
    bool goodsOr = false;
};

int StatusCode(std::string_view name) {
    for (const StatusEntry& entry : kSearchStatuses) {
        if (entry.name == name) return entry.code;
    }
    throw std::invalid_argument("неизвестный статус: " + std::string(name));
}

Compiled Compile(const SearchConditions& c) {
    Compiled k;
    k.yearMask = MaskText(c.yearDigit, kYearDigitPositions);
    k.numberMask = MaskText(c.number, kNumberPositions);
    k.blankMask = MaskText(c.blank, kBlankPositions);
    k.hasYear = !IsBlankMask(k.yearMask);
    k.hasNumber = !IsBlankMask(k.numberMask);
    k.hasBlank = !IsBlankMask(k.blankMask);
    k.year = UnitsOf(k.yearMask);
    k.number = UnitsOf(k.numberMask);
    k.blank = UnitsOf(k.blankMask);
    k.from = c.from;
    k.to = c.to;
    k.status = c.statusName.empty() ? 0 : StatusCode(c.statusName);
    for (const auto& row : c.declarants) {
        if (!row.empty()) k.declarants.emplace_back(row);
    }
    k.declarantsOr = c.declarantsOr;
    if (!c.marks.empty()) k.marks.emplace(c.marks);
    if (!c.expert.empty()) k.expert.emplace(c.expert);
    for (const auto& row : c.goods) {
        if (!row.empty()) k.goods.emplace_back(row);
    }
    k.goodsOr = c.goodsOr;
    return k;
}

// With "И" every condition must be met, with "Или" one is enough.
template <typename Test>
bool AllOrAny(const std::vector<Containing>& conditions, bool any, Test test) {
    if (any) return std::any_of(conditions.begin(), conditions.end(), test);
    return std::all_of(conditions.begin(), conditions.end(), test);
}

// One candidate row against the conditions, in the dialog's order; the first that fails ends
// the test. Buffers are kept between rows so the walk allocates nothing per document.
class Matcher {
public:
    Matcher(Database& db, const Compiled& k) : k_(k), goodsQuery_(db, kGoodsDescriptions) {}

    bool Matches(const Statement& row) {
        const DayNumber declared = static_cast<DayNumber>(row.ColumnIntValue(kDeclarationDate).value_or(0));
        if (k_.from && declared < *k_.from) return false;
        if (k_.to && declared > *k_.to) return false;
        if (k_.hasYear && !MatchUnits(k_.year, UnitsOf(row.ColumnText(kGNum)))) return false;
        if (k_.hasNumber) {
            const Units reference = UnitsOf(row.ColumnBlobText(kReferenceNo));
            const UnitsView number = UnitsView(reference).substr(std::min<std::size_t>(4, reference.size()), 6);
            if (!MatchUnits(k_.number, number)) return false;
        }
        if (k_.hasBlank &&
            !MatchUnits(k_.blank, UnitsOf(ZeroPadded(row.ColumnIntValue(kPaperNo).value_or(0), kBlankPositions)))) {
            return false;
        }
        if (k_.status != 0 && row.ColumnIntValue(kStatus) != k_.status) return false;
        if (k_.marks) {
            ReadFolded(row, kSupportInfo, text_);
            if (!k_.marks->In(text_)) return false;
        }
        if (k_.expert) {
            ReadFolded(row, kExpert, text_);
            if (!k_.expert->In(text_)) return false;
        }
        if (!k_.declarants.empty()) {
            ReadFolded(row, kDeclarant, text_);
            ReadFolded(row, kAddress, address_);
            if (!text_.empty() && !address_.empty()) text_ += u"\r\n";
            text_ += address_;
            if (!AllOrAny(k_.declarants, k_.declarantsOr, [&](const Containing& c) { return c.In(text_); })) {
                return false;
            }
        }
        if (!k_.goods.empty() && !GoodsMatch(row.ColumnInt(kId))) return false;
        return true;
    }

private:
    // Different conditions may be met by different lines; a document without goods lines meets
    // none, so a goods search never lists it.
    bool GoodsMatch(std::int64_t id) {
        goodsQuery_.BindInt(1, id);
        std::size_t count = 0;
        while (goodsQuery_.Step()) {
            if (lines_.size() <= count) lines_.emplace_back();
            ReadFolded(goodsQuery_, 0, lines_[count++]);
        }
        goodsQuery_.Reset();
        const auto inSomeLine = [&](const Containing& c) {
            return std::any_of(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(count),
                               [&](const Units& line) { return c.In(line); });
        };
        return AllOrAny(k_.goods, k_.goodsOr, inSomeLine);
    }

    const Compiled& k_;
    Statement goodsQuery_;
    Units text_;
    Units address_;
    std::vector<Units> lines_;
};

std::int64_t Count(Database& db, const std::string& sql, const RegisterFilter& filter) {
    Statement query(db, sql);
    filter.Bind(query, 1);
    return query.Step() ? query.ColumnInt(0) : 0;
}

// The documents left unmatched are marked "FALSE". Found ones are set "TRUE" first: "Список"
// has done that already before a search from the window, but a search run twice in a row must
// not keep the marks of the first.
void MarkUnmatched(Database& db, const RegisterFilter& filter, const std::vector<std::int64_t>& unmatched) {
    Transaction transaction(db);
    Statement reset(db, "update mcod SET pFilter = \"TRUE\" where " + filter.And("pFilter is not \"TRUE\""));
    filter.Bind(reset, 1);
    reset.Execute();
    Statement mark(db, "update mcod SET pFilter = \"FALSE\" where " + filter.And("id = ?"));
    filter.Bind(mark, 2);
    for (const std::int64_t id : unmatched) {
        mark.BindInt(1, id);
        mark.Execute();
    }
    transaction.Commit();
}

SearchOptions ConditionRows(const SearchResult& result, const Compiled& k, const SearchConditions& c) {
    SearchOptions rows;
    rows.push_back({std::string(text::kSearchTotal) + std::to_string(result.total), {}});
    rows.push_back({std::string(text::kSearchFound) + std::to_string(result.found), {}});
    rows.push_back({std::string(kConditionsHeading), {}});
    const auto add = [&](std::string_view name, std::string value) {
        rows.push_back({std::string(name), std::move(value)});
    };
    if (k.hasYear) add(kYearRow, k.yearMask);
    if (k.hasNumber) add(kNumberRow, k.numberMask);
    if (k.hasBlank) add(kBlankRow, k.blankMask);
    if (c.from) add(kFromRow, FormatDdMmYyyy(*c.from));
    if (c.to) add(kToRow, FormatDdMmYyyy(*c.to));
    for (const auto& row : c.declarants) {
        if (!row.empty()) add(kDeclarantRow, row);
    }
    if (!c.marks.empty()) add(kMarksRow, c.marks);
    if (!c.expert.empty()) add(kExpertRow, c.expert);
    if (!c.statusName.empty()) add(kStatusRow, c.statusName);
    for (const auto& row : c.goods) {
        if (!row.empty()) add(kGoodsRow, row);
    }
    return rows;
}

std::optional<DayNumber> DateOf(Database& db, std::string_view sql) {
    Statement query(db, sql);
    if (!query.Step()) return std::nullopt;
    const auto value = query.ColumnIntValue(0);
    if (!value) return std::nullopt;
    return static_cast<DayNumber>(*value);
}

}  // namespace

SearchConditions InitialSearchConditions(TDM& tdm) {
    SearchConditions conditions;
    const Session& session = tdm.GetSession();
    if (!session.IsAdministrator()) conditions.expert = session.currentUserName;
    conditions.statusName = std::string(kNoStatus);
    const DayNumber today = tdm.GetClock().Today();
    conditions.from = today;
    conditions.to = today;
    try {
        if (tdm.RegisterOpen() && tdm.ASQM().IsOpen()) {
            conditions.to = DateOf(tdm.Db(), kLargestDate).value_or(today);
            conditions.from = DateOf(tdm.Db(), kSmallestDate).value_or(today);
        }
    } catch (const std::exception& e) {
        tdm.GetJournal().ReportError(kOpenLocation, e.what());
    }
    return conditions;
}

std::optional<SearchResult> RunSearch(TDM& tdm, const SearchConditions& asGiven) {
    RegisterQuery* query = nullptr;
    std::string previousSql;
    bool wasOpen = false;
    bool switched = false;
    try {
        Session& session = tdm.GetSession();
        SearchConditions conditions = asGiven;
        if (!session.IsAdministrator()) conditions.expert = session.currentUserName;
        const Compiled compiled = Compile(conditions);

        Database& db = tdm.Db();
        query = &tdm.ASQM();
        previousSql = query->Sql();
        wasOpen = query->IsOpen();
        const RegisterFilter filter = query->Filter();
        session.registerFilter = filter;

        std::vector<std::int64_t> unmatched;
        {
            Matcher matcher(db, compiled);
            Statement candidates(db, sql::FilteredSql(kCandidates, filter.Sql()));
            filter.Bind(candidates, 1);
            while (candidates.Step()) {
                if (!matcher.Matches(candidates)) unmatched.push_back(candidates.ColumnInt(kId));
                tdm.Ui().ProcessEvents();
            }
        }
        MarkUnmatched(db, filter, unmatched);

        SearchResult result;
        result.total = Count(db, "select count(*) as mr from mcod where " + filter.And("(status <> 6) and (status <> 12)"),
                             filter);
        result.found = Count(db, "select count(*) as mr from mcod where " + filter.And("pFilter = \"TRUE\""), filter);
        tdm.SearchConditionRows() = ConditionRows(result, compiled, conditions);

        switched = true;
        query->SetSql(std::string(sql::kRegisterSearch));
        query->Open();
        return result;
    } catch (const std::exception& e) {
        tdm.GetJournal().ReportError(kRunLocation, e.what());
    } catch (...) {
        tdm.GetJournal().ReportError(kRunLocation, "unknown exception");
    }
    if (switched && query) {
        try {
            query->SetSql(previousSql);
            if (wasOpen) query->Open();
        } catch (const std::exception& e) {
            tdm.GetJournal().ReportError(kRunLocation, e.what());
        }
    }
    return std::nullopt;
}

bool WildcardMatch(std::string_view pattern, std::string_view value) {
    return MatchUnits(UnitsOf(pattern), UnitsOf(value));
}

bool ContainsMatch(std::string_view condition, std::string_view value) {
    return Containing(condition).In(UnitsOf(value, true));
}

}  // namespace vd

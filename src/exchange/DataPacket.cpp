#include "exchange/DataPacket.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/OptionKeys.h"
#include "core/Settings.h"
#include "core/Sleeper.h"
#include "core/UserInterface.h"
#include "exchange/Messages.h"
#include "exchange/StatusCounters.h"
#include "exchange/SyncLog.h"
#include "support/DayNumber.h"
#include "support/Text.h"
#include "support/Utf8.h"

namespace vd {
namespace {

constexpr std::size_t kNameCut = 100;
constexpr std::size_t kNoCut = static_cast<std::size_t>(-1);
constexpr std::chrono::milliseconds kRowRetryPause{500};
constexpr std::string_view kFooter = "</dataPacket>\n";

// How a text is written into an attribute value.
enum class Rule {
    Plain,         // as stored, escaped
    Cleaned,       // control characters other than tab, LF and CR removed
    LineEscaped,   // cleaned, CR removed: a line break arrives as the one reference "&#xA;"
};

// Control characters U+0000–U+0008, U+000B, U+000C and U+000E–U+001F.
bool IsRemovedControl(char32_t cp) { return cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r'; }

// Gathers the bytes of one attribute value and hands them to the packet in large appends: the
// packet is written character by character, and most of its time went into appending single
// bytes to a long string.
class Chunk {
public:
    explicit Chunk(std::string& out) : out_(out) {}
    Chunk(const Chunk&) = delete;
    Chunk& operator=(const Chunk&) = delete;
    ~Chunk() { Flush(); }
    Chunk& operator+=(char c) {
        if (size_ == sizeof buffer_) Flush();
        buffer_[size_++] = c;
        return *this;
    }
    Chunk& operator+=(std::string_view text) {
        if (size_ + text.size() > sizeof buffer_) Flush();
        if (text.size() > sizeof buffer_) {
            out_ += text;
            return *this;
        }
        text.copy(buffer_ + size_, text.size());
        size_ += text.size();
        return *this;
    }
    void Flush() {
        out_.append(buffer_, size_);
        size_ = 0;
    }

private:
    std::string& out_;
    char buffer_[1024];
    std::size_t size_ = 0;
};

// One character of an attribute value, escaped once, here. Tab, LF and CR are written as
// references so that a receiving parser keeps them instead of turning them into blanks; a
// character XML does not allow becomes U+FFFD, so the packet always parses.
template <typename Out>
void AppendEscaped(Out& out, char32_t cp, Rule rule) {
    switch (cp) {
        case '&': out += std::string_view("&amp;"); return;
        case '<': out += std::string_view("&lt;"); return;
        case '>': out += std::string_view("&gt;"); return;
        case '"': out += std::string_view("&quot;"); return;
        case '\n': out += std::string_view("&#xA;"); return;
        case '\t': out += std::string_view("&#x9;"); return;
        case '\r':
            if (rule != Rule::LineEscaped) out += std::string_view("&#xD;");
            return;
        default: break;
    }
    if (cp < 0x20 || cp == 0xFFFE || cp == 0xFFFF) cp = kReplacementCharacter;
    AppendUtf8(out, cp);
}

void AppendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

void OpenAttribute(std::string& out, std::string_view name) {
    out += ' ';
    out += name;
    out += "=\"";
}

// An attribute from a UTF-8 text: the program's own values and what it reads from the system.
void Attribute(std::string& out, std::string_view name, std::string_view value) {
    OpenAttribute(out, name);
    ForEachUtf8CodePoint(value, [&out](char32_t cp) {
        AppendEscaped(out, cp, Rule::Plain);
        return true;
    });
    out += '"';
}

void NumberAttribute(std::string& out, std::string_view name, std::int64_t value) {
    OpenAttribute(out, name);
    AppendNumber(out, value);
    out += '"';
}

// A date as "dd.mm.yyyy"; only days of the years 1 to 9999 have one.
void DateAttribute(std::string& out, std::string_view name, std::int64_t day) {
    constexpr std::int64_t kFirst = -693593;  // 01.01.0001
    constexpr std::int64_t kLast = 2958465;   // 31.12.9999
    if (day < kFirst || day > kLast) {
        throw std::runtime_error(std::string(text::kPacketValueUnreadable) + std::string(name) + " " + std::to_string(day));
    }
    OpenAttribute(out, name);
    out += FormatDdMmYyyy(static_cast<DayNumber>(day));
    out += '"';
}

struct Finalize {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

// A prepared statement read column by column without copies: the packet's inner loop over
// 100,000 conclusions reads stored texts straight from SQLite's buffers.
class PacketQuery {
public:
    PacketQuery(Database& db, std::string_view sql) : db_(db.Handle()), sql_(sql) {
        sqlite3_stmt* raw = nullptr;
        const int rc = sqlite3_prepare_v2(db_, sql_.c_str(), static_cast<int>(sql_.size()), &raw, nullptr);
        stmt_.reset(raw);
        if (rc != SQLITE_OK) Fail();
    }

    void BindInteger(int index, std::int64_t value) { sqlite3_bind_int64(stmt_.get(), index, value); }
    bool Step() {
        const int rc = sqlite3_step(stmt_.get());
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        Fail();
    }
    void Reset() { sqlite3_reset(stmt_.get()); }

    int Column(std::string_view name) const {
        for (int i = 0; i < sqlite3_column_count(stmt_.get()); ++i) {
            const char* column = sqlite3_column_name(stmt_.get(), i);
            if (column && name.size() == std::char_traits<char>::length(column) &&
                sqlite3_strnicmp(column, name.data(), static_cast<int>(name.size())) == 0) {
                return i;
            }
        }
        return -1;
    }

    // NULL and a text that is no whole number read as no value.
    std::optional<std::int64_t> Integer(int column) const {
        if (column < 0) return std::nullopt;
        switch (sqlite3_column_type(stmt_.get(), column)) {
            case SQLITE_NULL: return std::nullopt;
            case SQLITE_INTEGER: return sqlite3_column_int64(stmt_.get(), column);
            case SQLITE_FLOAT: return static_cast<std::int64_t>(sqlite3_column_double(stmt_.get(), column));
            default: {
                std::string text;
                ForEach(column, [&text](char32_t cp) {
                    AppendUtf8(text, cp);
                    return true;
                });
                return ParseInteger(TrimBlanks(text));
            }
        }
    }

    // Each code point of a text column: BLOBs hold UTF-16LE, anything else is read as UTF-8.
    template <typename Emit>
    void ForEach(int column, Emit emit) const {
        if (column < 0) return;
        if (sqlite3_column_type(stmt_.get(), column) == SQLITE_BLOB) {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_.get(), column));
            const int size = sqlite3_column_bytes(stmt_.get(), column);
            if (data && size > 0) ForEachUtf16LeCodePoint({data, static_cast<std::size_t>(size)}, emit);
            return;
        }
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), column));
        const int size = sqlite3_column_bytes(stmt_.get(), column);
        if (data && size > 0) ForEachUtf8CodePoint({data, static_cast<std::size_t>(size)}, emit);
    }

    // The text as its rule writes it, at most `limit` UTF-16 units of what remains after
    // cleaning.
    void Append(std::string& out, int column, Rule rule, std::size_t limit = kNoCut) const {
        Chunk chunk(out);
        std::size_t units = 0;
        ForEach(column, [&](char32_t cp) {
            if (rule != Rule::Plain && IsRemovedControl(cp)) return true;
            units += cp >= 0x10000 ? 2 : 1;
            if (units > limit) return false;
            AppendEscaped(chunk, cp, rule);
            return true;
        });
    }

    bool HasCleanedText(int column) const {
        bool found = false;
        ForEach(column, [&found](char32_t cp) {
            found = !IsRemovedControl(cp);
            return !found;
        });
        return found;
    }

    // The value of a text column, for messages.
    std::string Text(int column) const {
        std::string text;
        ForEach(column, [&text](char32_t cp) {
            AppendUtf8(text, cp);
            return true;
        });
        return text;
    }

private:
    [[noreturn]] void Fail() const { throw DatabaseError(std::string(sqlite3_errmsg(db_)) + " (" + sql_ + ")"); }

    sqlite3* db_;
    std::string sql_;
    std::unique_ptr<sqlite3_stmt, Finalize> stmt_;
};

// Column positions of "select * from mcod", looked up once per statement.
struct MasterColumns {
    explicit MasterColumns(const PacketQuery& q)
        : id(q.Column("id")), status(q.Column("status")), paperNo(q.Column("PaperNo")),
          referenceNo(q.Column("ReferenceNo")), dateIssued(q.Column("DateIssued")),
          modifiedDate(q.Column("modifiedDate")), goDuplicate(q.Column("goDuplicate")),
          goInstead(q.Column("goInstead")), goCancel(q.Column("goCancel")), goTrue(q.Column("goTrue")),
          expert(q.Column("Expert")), modifierExpert(q.Column("modifierExpert")), declarant(q.Column("declarant")),
          address(q.Column("address")), supportInfo(q.Column("supportInfo")), tppName(q.Column("TppName")),
          declaratorFio(q.Column("declaratorFio")), declarationDate(q.Column("declarationDate")),
          fio10(q.Column("fio10")), date10(q.Column("date10")) {
        for (int i = 0; i < 10; ++i) fSize[i] = q.Column(kFontSizes[i]);
    }
    static constexpr std::string_view kFontSizes[10] = {"fSize1", "fSize2", "fSize3", "fSize4", "fSize5",
                                                       "fSize6", "fSize7", "fSize8", "fSize9", "fSize10"};
    int id, status, paperNo, referenceNo, dateIssued, modifiedDate, goDuplicate, goInstead, goCancel, goTrue, expert,
        modifierExpert, declarant, address, supportInfo, tppName, declaratorFio, declarationDate, fio10, date10;
    int fSize[10];
};

std::int64_t RequiredInteger(const PacketQuery& q, int column, std::string_view name) {
    const auto value = q.Integer(column);
    if (!value) throw std::runtime_error(std::string(text::kPacketValueUnreadable) + std::string(name));
    return *value;
}

// Every date but `modified` is required: a conclusion without one cannot be reported.
void RequiredDate(std::string& out, const PacketQuery& q, int column, std::string_view attribute,
                  std::string_view columnName) {
    const auto value = q.Integer(column);
    if (!value) throw std::runtime_error(std::string(text::kPacketDateMissing) + std::string(columnName));
    DateAttribute(out, attribute, *value);
}

void TextAttribute(std::string& out, std::string_view name, const PacketQuery& q, int column, Rule rule,
                   std::size_t limit = kNoCut) {
    OpenAttribute(out, name);
    q.Append(out, column, rule, limit);
    out += '"';
}

// The detail statements of one build: prepared once, run once per conclusion.
class RowWriter {
public:
    explicit RowWriter(Database& db)
        : expertise_(db, "select * from expertise where idM = :id"), goods_(db, "select * from dcod where idM = :id"),
          number_(expertise_.Column("nume")), date_(expertise_.Column("de")) {
        for (std::size_t i = 0; i < std::size(kGoods); ++i) goodsColumns_[i] = goods_.Column(kGoods[i].second);
    }

    // Appends the row element of the conclusion under the cursor of `q`.
    void Write(std::string& out, const PacketQuery& q, const MasterColumns& c) {
        const std::int64_t id = RequiredInteger(q, c.id, "id");
        out += "  <row";
        NumberAttribute(out, "status", RequiredInteger(q, c.status, "status"));
        TextAttribute(out, "referenceNo", q, c.referenceNo, Rule::Cleaned);
        Attribute(out, "blankNo", ExactDigits(RequiredInteger(q, c.paperNo, "PaperNo"), 7));
        RequiredDate(out, q, c.dateIssued, "issued", "DateIssued");
        if (const auto modified = q.Integer(c.modifiedDate); modified && *modified > 0) {
            DateAttribute(out, "modified", *modified);
        }
        TextAttribute(out, "hasDuplicate", q, c.goDuplicate, Rule::Plain);
        TextAttribute(out, "replacedBy", q, c.goInstead, Rule::Plain);
        TextAttribute(out, "replacementFor", q, c.goCancel, Rule::Plain);
        TextAttribute(out, "duplicateFor", q, c.goTrue, Rule::Plain);
        TextAttribute(out, "expert", q, c.expert, Rule::Cleaned);
        if (q.HasCleanedText(c.modifierExpert)) TextAttribute(out, "modifierExpert", q, c.modifierExpert, Rule::Cleaned);
        TextAttribute(out, "sender", q, c.declarant, Rule::LineEscaped);
        TextAttribute(out, "senderAddress", q, c.address, Rule::LineEscaped);
        TextAttribute(out, "supportInfo", q, c.supportInfo, Rule::LineEscaped);
        TextAttribute(out, "tppInfo", q, c.tppName, Rule::LineEscaped);
        TextAttribute(out, "declaratorFio", q, c.declaratorFio, Rule::Cleaned, kNameCut);
        RequiredDate(out, q, c.declarationDate, "declaration", "declarationDate");
        TextAttribute(out, "issueExpert", q, c.fio10, Rule::Cleaned, kNameCut);
        RequiredDate(out, q, c.date10, "created", "date10");
        // A font size that does not read ends the list; the row itself still goes.
        for (int i = 0; i < 10; ++i) {
            const auto size = q.Integer(c.fSize[i]);
            if (!size) break;
            NumberAttribute(out, MasterColumns::kFontSizes[i], *size);
        }
        out += ">\n";
        WriteExpertise(out, id);
        WriteGoods(out, id);
        out += "  </row>\n";
    }

private:
    static constexpr std::pair<std::string_view, std::string_view> kGoods[] = {
        {"itemOrder", "num"},           {"title", "descriptionGoods"}, {"packageCount", "count6Goods"},
        {"packageType", "package6Goods"}, {"quantity", "countGoods"},   {"documents", "documents"}};

    void WriteExpertise(std::string& out, std::int64_t id) {
        const std::size_t listStart = out.size();
        out += "    <expertiseList>\n";
        const std::size_t elementsStart = out.size();
        expertise_.Reset();
        expertise_.BindInteger(1, id);
        while (expertise_.Step()) {
            try {
                out += "      <expertise";
                TextAttribute(out, "number", expertise_, number_, Rule::LineEscaped);
                RequiredDate(out, expertise_, date_, "date", "de");
                out += "/>\n";
            } catch (const std::exception& e) {
                const std::string value = RemoveControlChars(expertise_.Text(number_));
                expertise_.Reset();
                throw std::runtime_error(e.what() + std::string(text::kPacketElementFailed) + value);
            }
        }
        expertise_.Reset();
        CloseList(out, listStart, elementsStart, "expertiseList");
    }

    void WriteGoods(std::string& out, std::int64_t id) {
        const std::size_t listStart = out.size();
        out += "    <uGoodsList>\n";
        const std::size_t elementsStart = out.size();
        goods_.Reset();
        goods_.BindInteger(1, id);
        while (goods_.Step()) {
            out += "      <commodity";
            for (std::size_t i = 0; i < std::size(kGoods); ++i) {
                TextAttribute(out, kGoods[i].first, goods_, goodsColumns_[i], Rule::LineEscaped);
            }
            out += "/>\n";
        }
        goods_.Reset();
        CloseList(out, listStart, elementsStart, "uGoodsList");
    }

    // A list without elements is written as an empty element.
    static void CloseList(std::string& out, std::size_t listStart, std::size_t elementsStart, std::string_view list) {
        if (out.size() == elementsStart) {
            out.resize(listStart);
            out += "    <";
            out += list;
            out += "/>\n";
            return;
        }
        out += "    </";
        out += list;
        out += ">\n";
    }

    PacketQuery expertise_;
    PacketQuery goods_;
    int number_;
    int date_;
    int goodsColumns_[std::size(kGoods)];
};

// After this many conclusions the size of the whole packet is estimated and reserved once.
constexpr std::int64_t kRowsBeforeEstimate = 64;
// A sparse numbering must not turn the estimate into a huge reservation.
constexpr std::size_t kLargestReservation = std::size_t{1} << 30;

// Growing a string of a hundred megabytes by doubling copies it again and again; the rows
// written so far tell how long the rest will be, taking every id left as a conclusion.
void ReserveForTheRest(std::string& out, std::size_t headerSize, std::int64_t rowsWritten, std::int64_t idsLeft) {
    if (rowsWritten <= 1 || idsLeft <= 0) return;
    const double perRow = static_cast<double>(out.size() - headerSize) / static_cast<double>(rowsWritten - 1);
    const double wanted = static_cast<double>(out.size()) + perRow * 1.05 * static_cast<double>(idsLeft);
    if (wanted > static_cast<double>(kLargestReservation)) return;
    out.reserve(static_cast<std::size_t>(wanted));
}

// Builds one row, removing whatever of it was written when it fails.
void WriteRow(std::string& out, RowWriter& writer, const PacketQuery& q, const MasterColumns& columns) {
    const std::size_t rowStart = out.size();
    try {
        writer.Write(out, q, columns);
    } catch (...) {
        out.resize(rowStart);
        throw;
    }
}

}  // namespace

PacketBuilder::PacketBuilder(TDM& tdm, SyncLog& log, Sleeper& sleeper) : tdm_(tdm), log_(log), sleeper_(sleeper) {}

const ArmFacts& PacketBuilder::Facts() {
    if (!facts_) facts_ = ReadArmFacts(tdm_.GetPaths().programDir);
    return *facts_;
}

std::string PacketBuilder::Header() {
    const StationFile& station = tdm_.Station();
    const std::string lastChange = std::to_string(tdm_.Options().LastChange());
    const StatusCounters counters = CountStatuses(tdm_.Db());
    const ArmFacts& facts = Facts();

    std::string out(kPacketDeclaration);
    out += "\n<dataPacket";
    Attribute(out, "version", "2.0");
    Attribute(out, "name", text::kProductName);
    Attribute(out, "Program", text::kProgramFileName);
    Attribute(out, "ProgramVersion", "1");
    Attribute(out, "ProgramFullVersion", text::kProgramVersion);
    NumberAttribute(out, "NumTPP", station.tppNumber);
    NumberAttribute(out, "NumARM", station.numLocale);
    DateAttribute(out, "DateOfCreate", tdm_.GetClock().Today());
    out += ">\n  <arm";
    Attribute(out, "lastKnownChange", lastChange);
    Attribute(out, "netVersion", facts.netVersion);
    Attribute(out, "programPath", facts.programPath);
    Attribute(out, "memory", facts.memory);
    Attribute(out, "driveCapacity", facts.driveCapacity);
    Attribute(out, "freeSpace", facts.freeSpace);
    Attribute(out, "cpu", facts.cpu);
    Attribute(out, "defaultBrowser", facts.defaultBrowser);
    Attribute(out, "osVersion", facts.osVersion);
    NumberAttribute(out, "stat7", counters.stat7);
    NumberAttribute(out, "stat8", counters.stat8);
    NumberAttribute(out, "stat9", counters.stat9);
    NumberAttribute(out, "stat10", counters.stat10);
    Attribute(out, "stat11", "0");
    out += "/>\n";
    return out;
}

std::string PacketBuilder::GetXMLData(DayNumber lastDate) {
    try {
        std::string sql = "select * from mcod where (status <> 6) and (status <> 12)";
        if (lastDate != 0) sql += " and (LastDate = " + std::to_string(lastDate) + ")";
        std::string out = Header();
        Database& db = tdm_.Db();
        PacketQuery rows(db, sql);
        const MasterColumns columns(rows);
        RowWriter writer(db);
        bool any = false;
        while (rows.Step()) {
            tdm_.Ui().ProcessEvents();
            WriteRow(out, writer, rows, columns);
            any = true;
        }
        if (!any) return {};
        out += kFooter;
        return out;
    } catch (const std::exception& e) {
        log_.Line(std::string(text::kPacketBuildFailed) + e.what());
        tdm_.GetJournal().ReportError(text::kWherePacketOfDay, e.what());
        throw std::runtime_error(e.what());
    }
}

std::string PacketBuilder::GetXMLData() {
    UserInterface& ui = tdm_.Ui();
    ui.BeginBusy(text::kBusyWait, true);
    ui.SetBusyProgress(0);
    struct BusyEnd {
        UserInterface& ui;
        ~BusyEnd() { ui.EndBusy(); }
    } busyEnd{ui};

    std::string out;
    std::int64_t minId = 0;
    std::int64_t maxId = 0;
    try {
        out = Header();
        Database& db = tdm_.Db();
        Statement max(db, "select max(id) as nm from mcod");
        if (max.Step()) maxId = max.ColumnIntValue(0).value_or(0);
        Statement min(db, "select min(id) as nm from mcod");
        if (min.Step()) minId = min.ColumnIntValue(0).value_or(0);
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError(text::kWherePacketOfAll, e.what());
        log_.Line(std::string(text::kPacketBuildFailed) + e.what());
        throw std::runtime_error(e.what());
    }

    Database& db = tdm_.Db();
    // One cursor walks the conclusions in the order of their ids and stays open for the whole
    // build, so the file is read under one lock; gaps in the numbering cost nothing. A row that
    // fails is read again on its own.
    PacketQuery rows(db, "select * from mcod where (status <> 6) and (status <> 12) and (id >= :from) and "
                         "(id <= :to) order by id");
    rows.BindInteger(1, minId);
    rows.BindInteger(2, maxId);
    const MasterColumns columns(rows);
    PacketQuery again(db, "select * from mcod where (status <> 6) and (status <> 12) and (id = :id)");
    const MasterColumns againColumns(again);
    RowWriter writer(db);
    bool any = false;
    const std::size_t headerSize = out.size();
    std::int64_t written = 0;
    while (rows.Step()) {
        const std::int64_t id = rows.Integer(columns.id).value_or(0);
        ui.ProcessEvents();
        if (++written == kRowsBeforeEstimate) ReserveForTheRest(out, headerSize, written, maxId - id + 1);
        for (int attempt = 1;; ++attempt) {
            try {
                if (attempt == 1) {
                    WriteRow(out, writer, rows, columns);
                    any = true;
                } else {
                    again.Reset();
                    again.BindInteger(1, id);
                    if (again.Step()) {
                        WriteRow(out, writer, again, againColumns);
                        any = true;
                    }
                    again.Reset();
                }
                break;
            } catch (const std::exception& e) {
                again.Reset();
                tdm_.GetJournal().ReportError(std::string(text::kWherePacketRow) + std::to_string(id), e.what());
                if (attempt >= kRowAttempts) {
                    log_.Line(std::string(text::kPacketBuildFailed) + e.what());
                    throw std::runtime_error(e.what());
                }
                sleeper_.Sleep(kRowRetryPause);
            }
        }
        if (maxId > 0) ui.SetBusyProgress(static_cast<int>(std::clamp<std::int64_t>(id * 1000 / maxId, 0, 1000)));
    }
    if (!any) return {};
    out += kFooter;
    return out;
}

}  // namespace vd

#include "register/RegisterQuery.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <unordered_set>

#include "core/Database.h"
#include "core/Schema.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr std::size_t kPageSize = 64;
constexpr std::size_t kCachedPages = 16;

// Columns of mcod whose values are text, integers or text blobs: a title click sorts by them.
constexpr std::array<std::string_view, 37> kSortableColumns = {
    "id",          "status",        "PaperNo",    "ReferenceNo",  "GNum",         "NumNum",   "DateIssued",
    "Expert",      "declarant",     "address",    "supportInfo",  "declaratorFio", "declarationDate",
    "TppName",     "fio10",         "date10",     "expDate",      "expNumber",    "modifiedDate",
    "modifierExpert", "comment",    "goDuplicate", "goInstead",   "goCancel",     "goTrue",   "LastDate",
    "RefNumCC",    "fSize1",        "fSize2",     "fSize3",       "fSize4",       "fSize5",   "fSize6",
    "fSize7",      "fSize8",        "fSize9",     "fSize10"};


}  // namespace

RegisterQuery::RegisterQuery(Database& db) : db_(db) {}

void RegisterQuery::SetSql(std::string sql) {
    Close();
    sql_ = std::move(sql);
}

void RegisterQuery::SetFilter(RegisterFilter filter) {
    Close();
    filter_ = std::move(filter);
}

std::string RegisterQuery::EffectiveSql() const { return sql::FilteredSql(sql_, filter_.Sql()); }

// The statement without its final "order by": counting needs no sort.
std::string RegisterQuery::CountSql() const {
    std::string lower = sql_;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto order = lower.rfind(" order by ");
    const std::string unsorted = order == std::string::npos ? sql_ : sql_.substr(0, order);
    return "select count(*) from (" + sql::FilteredSql(unsorted, filter_.Sql()) + ")";
}

void RegisterQuery::Open() {
    Close();
    Statement count(db_, CountSql());
    filter_.Bind(count, 1);
    rowCount_ = count.Step() ? static_cast<int>(count.ColumnInt(0)) : 0;
    Statement firstPage(db_, "select id from (" + EffectiveSql() + ") limit " + std::to_string(kPageSize));
    filter_.Bind(firstPage, 1);
    while (firstPage.Step()) ids_.push_back(firstPage.ColumnInt(0));
    allIds_ = ids_.size() >= static_cast<std::size_t>(rowCount_);
    if (allIds_) rowCount_ = static_cast<int>(ids_.size());
    open_ = true;
    MoveTo(0);
}

void RegisterQuery::LoadAllIds() {
    if (allIds_ || !open_) return;
    const std::optional<std::int64_t> currentId = CurrentId();
    std::vector<std::int64_t> ids;
    Statement query(db_, "select id from (" + EffectiveSql() + ")");
    filter_.Bind(query, 1);
    while (query.Step()) ids.push_back(query.ColumnInt(0));
    ids_ = std::move(ids);
    allIds_ = true;
    rowCount_ = static_cast<int>(ids_.size());
    // Rows of equal sort value may come in another order the second time; the cached pages
    // belong to the old positions.
    cache_.clear();
    cachedPages_.clear();
    if (currentId) {
        const auto it = std::find(ids_.begin(), ids_.end(), *currentId);
        current_ = it == ids_.end() ? (rowCount_ > 0 ? 0 : -1) : static_cast<int>(it - ids_.begin());
    }
}

std::int64_t RegisterQuery::IdAt(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) >= ids_.size()) LoadAllIds();
    return ids_.at(static_cast<std::size_t>(index));
}

void RegisterQuery::Close() {
    open_ = false;
    ids_.clear();
    allIds_ = false;
    rowCount_ = 0;
    cache_.clear();
    cachedPages_.clear();
    current_ = -1;
    goods_.clear();
    expertise_.clear();
}

std::optional<std::int64_t> RegisterQuery::CurrentId() const {
    if (current_ < 0 || static_cast<std::size_t>(current_) >= ids_.size()) return std::nullopt;
    return ids_[static_cast<std::size_t>(current_)];
}

const RegisterRow* RegisterQuery::Current() {
    if (!CurrentId()) return nullptr;
    return &RowAt(current_);
}

const RegisterRow& RegisterQuery::RowAt(int index) {
    const std::int64_t id = IdAt(index);
    auto found = cache_.find(id);
    if (found == cache_.end()) {
        LoadPage(static_cast<std::size_t>(index) / kPageSize);
        found = cache_.find(id);
    }
    if (found == cache_.end()) {
        // Deleted since the register was opened: shown as a row whose status cannot be read.
        RegisterRow gone;
        gone.record.id = id;
        gone.statusReadable = false;
        found = cache_.emplace(id, gone).first;
    }
    return found->second;
}

void RegisterQuery::LoadPage(std::size_t page) {
    const std::size_t begin = page * kPageSize;
    const std::size_t end = std::min(ids_.size(), begin + kPageSize);
    std::string sql = "select * from mcod where id in (";
    for (std::size_t i = begin; i < end; ++i) sql += i == begin ? "?" : ",?";
    sql += ")";
    Statement query(db_, sql);
    for (std::size_t i = begin; i < end; ++i) query.BindInt(static_cast<int>(i - begin + 1), ids_[i]);
    while (query.Step()) {
        RegisterRow row = ReadRegisterRow(query);
        const std::int64_t id = row.record.id;
        cache_.insert_or_assign(id, std::move(row));
    }
    cachedPages_.push_back(page);
    // Keep a bounded number of pages; the oldest is read again when it is shown again.
    while (cachedPages_.size() > kCachedPages) {
        const std::size_t old = cachedPages_.front();
        cachedPages_.pop_front();
        if (old == page) continue;
        for (std::size_t i = old * kPageSize; i < std::min(ids_.size(), (old + 1) * kPageSize); ++i) {
            cache_.erase(ids_[i]);
        }
    }
}

bool RegisterQuery::MoveTo(int index) {
    if (!open_ || index < 0 || index >= RowCount()) {
        if (open_ && Empty()) LoadDetails();
        return false;
    }
    if (static_cast<std::size_t>(index) >= ids_.size()) LoadAllIds();
    if (static_cast<std::size_t>(index) >= ids_.size()) return false;
    current_ = index;
    LoadDetails();
    if (afterScroll_) afterScroll_();
    return true;
}

void RegisterQuery::LoadDetails() {
    const auto id = CurrentId();
    goods_ = id ? ReadGoodsLines(db_, *id) : std::vector<GoodsLine>{};
    expertise_ = id ? ReadExpertise(db_, *id) : std::vector<ExpertiseRef>{};
}

bool RegisterQuery::LocateReference(std::string_view referenceNo) {
    Statement query(db_, "select id from mcod where ReferenceNo = :ref");
    query.BindText(":ref", referenceNo);
    std::unordered_set<std::int64_t> wanted;
    while (query.Step()) wanted.insert(query.ColumnInt(0));
    if (wanted.empty()) return false;
    LoadAllIds();
    const auto it = std::find_if(ids_.begin(), ids_.end(), [&](std::int64_t id) { return wanted.contains(id); });
    return it != ids_.end() && MoveTo(static_cast<int>(it - ids_.begin()));
}

bool RegisterQuery::LocateId(std::int64_t id) {
    LoadAllIds();
    const auto it = std::find(ids_.begin(), ids_.end(), id);
    return it != ids_.end() && MoveTo(static_cast<int>(it - ids_.begin()));
}

bool RegisterQuery::IsSortableColumn(std::string_view column) {
    return std::find(kSortableColumns.begin(), kSortableColumns.end(), column) != kSortableColumns.end();
}

void RegisterQuery::SortByColumn(std::string_view column) {
    if (!IsSortableColumn(column)) {
        if (!open_) Open();
        return;
    }
    const std::string_view trimmed = TrimBlanks(sql_);
    const auto blank = trimmed.find_last_of(' ');
    const std::string_view lastWord = TrimBlanks(blank == std::string_view::npos ? trimmed : trimmed.substr(blank + 1));
    const std::string base = "select * from mcod order by " + std::string(column);
    if (lastWord == "desc") SetSql(base);
    else if (lastWord == column) SetSql(base + " desc");
    else SetSql(base);
    Open();
}

}  // namespace vd

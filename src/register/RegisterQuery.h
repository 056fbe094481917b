#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/MasterRecord.h"
#include "core/RegisterFilter.h"
#include "core/Schema.h"
#include "register/RegisterRow.h"

namespace vd {

class Database;

namespace sql {
inline constexpr std::string_view kRegisterSearch = "select * from mcod where pFilter = \"TRUE\" order by LastDate desc";
}

// The register: the documents of mcod in the order of its statement, restricted by its filter,
// with a current row and the goods lines and expertise references of that row. Only the ids of
// the rows are held, and at first only those of the first page: the rest are read when the
// user goes further, so even a sort over 100,000 documents shows its first rows at once. Rows
// are read when shown, a page at a time.
class RegisterQuery {
public:
    explicit RegisterQuery(Database& db);

    const std::string& Sql() const { return sql_; }
    // Changing the statement or the filter closes the query.
    void SetSql(std::string sql);
    const RegisterFilter& Filter() const { return filter_; }
    void SetFilter(RegisterFilter filter);

    void Open();
    void Close();
    bool IsOpen() const { return open_; }
    // The statement actually run, with the filter's placeholders.
    std::string EffectiveSql() const;

    int RowCount() const { return rowCount_; }
    bool Empty() const { return rowCount_ == 0; }
    int CurrentIndex() const { return current_; }
    std::optional<std::int64_t> CurrentId() const;
    const RegisterRow* Current();
    const RegisterRow& RowAt(int index);
    std::int64_t IdAt(int index);

    // Moves the current row; every move re-reads the details and tells the observer.
    bool MoveTo(int index);
    bool First() { return MoveTo(0); }
    bool Next() { return MoveTo(current_ + 1); }
    bool Prior() { return MoveTo(current_ - 1); }
    // Finds a row among those shown; the current row stays where it is when there is none.
    bool LocateReference(std::string_view referenceNo);
    bool LocateId(std::int64_t id);

    // A click on a column title: ascending, then descending, then ascending again; another
    // column starts ascending. Columns that cannot be sorted only reopen a closed query.
    void SortByColumn(std::string_view column);
    static bool IsSortableColumn(std::string_view column);

    // The current row's goods lines and expertise references.
    const std::vector<GoodsLine>& CurrentGoods() const { return goods_; }
    const std::vector<ExpertiseRef>& CurrentExpertise() const { return expertise_; }

    // Called after every move of the current row (the main window recomputes its commands).
    void SetAfterScroll(std::function<void()> afterScroll) { afterScroll_ = std::move(afterScroll); }

private:
    void LoadAllIds();
    std::string CountSql() const;
    void LoadDetails();
    void LoadPage(std::size_t page);

    Database& db_;
    std::string sql_{sql::kRegisterDefault};
    RegisterFilter filter_;
    bool open_ = false;
    std::vector<std::int64_t> ids_;
    bool allIds_ = false;
    int rowCount_ = 0;
    int current_ = -1;
    std::unordered_map<std::int64_t, RegisterRow> cache_;
    std::list<std::size_t> cachedPages_;
    std::vector<GoodsLine> goods_;
    std::vector<ExpertiseRef> expertise_;
    std::function<void()> afterScroll_;
};

}  // namespace vd

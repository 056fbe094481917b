#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/Database.h"
#include "core/InsertStatements.h"
#include "core/OptionStore.h"
#include "core/Paths.h"
#include "core/SearchOptions.h"
#include "core/Settings.h"
#include "core/StationFile.h"
#include "core/UsersTable.h"
#include "core/WorkingSet.h"
#include "support/DayNumber.h"

namespace vd {

class Clock;
class Journal;
class RegisterQuery;
class UserInterface;
struct Session;

// The data module: the one owner of the database connection, the prepared inserts, the station
// record and the settings. Lives from start-up to exit.
class TDM : public OptionStore {
public:
    TDM(const Paths& paths, Session& session, Journal& journal, UserInterface& ui, const Clock& clock);
    ~TDM() override;
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    const Paths& GetPaths() const { return paths_; }
    Session& GetSession() { return session_; }
    const Session& GetSession() const { return session_; }
    Journal& GetJournal() { return journal_; }
    UserInterface& Ui() { return ui_; }
    const Clock& GetClock() const { return clock_; }

    const StationFile& Station() const { return station_; }
    void SetStation(StationFile station) { station_ = std::move(station); }
    StationFile& MutableStation() { return station_; }

    // Reads data/i.cod into the station record. StopFlag stays set, and the user is told, when
    // the file cannot be read completely.
    bool DataModuleCreate();

    // The users table cdsK and its file.
    UsersTable& Users() { return cdsK_; }
    // Loads data/k.cod; a file that cannot be read is announced and replaced by an empty table.
    void LoadUsers();
    // Writes the users table back unless StopFlag is set.
    void SaveCdsToDisc();

    // Opens the database, creating and seeding it when missing, and checks that it belongs to
    // this station and version. False (with StopFlag set and the user told) when it cannot be
    // used.
    bool LoadAll();
    // Closes the connection when `isClose` is true; does nothing otherwise.
    void CloseALL(bool isClose);
    // (Re)prepares the three insert statements.
    void SupportInsert();

    bool IsOpen() const { return db_ != nullptr; }
    Database& Db();
    InsertStatements& Inserts();
    // The register query ASQM with its goods lines and expertise; exists while the database is
    // open.
    bool RegisterOpen() const;
    RegisterQuery& ASQM();
    // The conditions of the last search, in the order the search wrote them.
    SearchOptions& SearchConditionRows() { return cdsSearchOptions_; }
    const SearchOptions& SearchConditionRows() const { return cdsSearchOptions_; }
    // The document being edited or changed.
    WorkingSet& Working() { return working_; }
    const WorkingSet& Working() const { return working_; }

    // max(id) + 1, or 1 for an empty table; -1 (journalled) when the database cannot say.
    std::int64_t GetNewId();

    std::string ReadOption(std::string_view userName, std::string_view paramName) override;
    bool SaveOption(std::string_view userName, std::string_view paramName, std::string_view value) override;
    // Settings that belong together, stored in one transaction: all of them or none.
    bool SaveOptions(std::string_view userName,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> values);
    Settings& Options() { return settings_; }

    // Age in days of the oldest document changed since the last synchronisation.
    int DaysWithoutSync();

    std::int64_t ReferenceMin() const { return referenceMin_; }
    std::int64_t ReferenceMax() const { return referenceMax_; }
    void SetCachedReferenceRange(std::int64_t min, std::int64_t max);

private:
    void CreateDatabase();
    void LoadPackagePhrases();
    void CheckSchema();
    void OpenForWork();

    const Paths& paths_;
    Session& session_;
    Journal& journal_;
    UserInterface& ui_;
    const Clock& clock_;
    StationFile station_;
    UsersTable cdsK_;
    Settings settings_{*this};
    std::unique_ptr<Database> db_;
    std::unique_ptr<InsertStatements> inserts_;
    std::unique_ptr<RegisterQuery> register_;
    WorkingSet working_;
    SearchOptions cdsSearchOptions_;
    std::int64_t referenceMin_ = 0;
    std::int64_t referenceMax_ = 0;
};

}  // namespace vd

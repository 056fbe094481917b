#include "core/DataModule.h"

#include <pugixml.hpp>

#include "core/Clock.h"
#include "core/Errors.h"
#include "core/EventIds.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/OptionKeys.h"
#include "core/Schema.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "core/UsersFile.h"
#include "register/RegisterQuery.h"
#include "support/Files.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr std::string_view kLoadAllLocation = "uDataVD.TDM.LoadAll";
constexpr int kNotePhraseType = 5;
constexpr int kPackagePhraseType = 9;

void WriteOptionRow(Database& db, std::string_view user, std::string_view name, std::string_view value) {
    Statement remove(db, sql::kDeleteOption);
    remove.BindBlobText(":UserName", user);
    remove.BindBlobText(":ParamName", name);
    remove.Execute();
    Statement insert(db, sql::kInsertOption);
    insert.BindBlobText(":UserName", user);
    insert.BindBlobText(":ParamName", name);
    insert.BindBlobText(":Value", value);
    insert.Execute();
}

void InsertPhrase(Statement& insert, int type, std::string_view name) {
    insert.BindInt(":stype", type);
    insert.BindBlobText(":name", name);
    insert.Execute();
}

}  // namespace

TDM::TDM(const Paths& paths, Session& session, Journal& journal, UserInterface& ui, const Clock& clock)
    : paths_(paths), session_(session), journal_(journal), ui_(ui), clock_(clock) {}

TDM::~TDM() { SaveCdsToDisc(); }

bool TDM::DataModuleCreate() {
    session_.stopFlag = true;
    CloseALL(true);
    const auto file = paths_.StationFile();
    try {
        station_ = ReadStationFile(ReadFileBytes(file));
        session_.stopFlag = false;
        return true;
    } catch (const std::exception& e) {
        journal_.ReportError("uDataVD.TDM.DataModuleCreate", e.what());
        ui_.Error(text::kAppTitle, file.string() + std::string(text::kLineBreak) + e.what());
        return false;
    }
}

void TDM::LoadUsers() {
    try {
        LoadUsersFile(paths_.UsersFile(), cdsK_);
    } catch (const std::exception&) {
        ui_.Inform(text::kAppTitle, text::kUsersLost);
        cdsK_.CreateEmpty();
    }
}

void TDM::SaveCdsToDisc() {
    if (session_.stopFlag || !cdsK_.IsOpen()) return;
    try {
        SaveUsersFile(paths_.UsersFile(), cdsK_);
    } catch (const std::exception& e) {
        journal_.ReportError("uDataVD.TDM.SaveCdsToDisc()", e.what());
    }
}

Database& TDM::Db() {
    if (!db_) throw DatabaseError("База данных не открыта");
    return *db_;
}

bool TDM::RegisterOpen() const { return register_ && register_->IsOpen(); }

RegisterQuery& TDM::ASQM() {
    if (!register_) throw DatabaseError("База данных не открыта");
    return *register_;
}

InsertStatements& TDM::Inserts() {
    if (!inserts_) SupportInsert();
    return *inserts_;
}

bool TDM::LoadAll() {
    const auto file = paths_.DatabaseFile();
    try {
        if (!std::filesystem::exists(file)) CreateDatabase();
        if (!db_) db_ = std::make_unique<Database>(file, Database::OpenMode::Existing);
        CheckSchema();

        if (settings_.Key() != station_.tppKey) {
            ui_.Error(text::kProductName, text::kOtherStationFile);
            session_.stopFlag = true;
        } else {
            const auto version = settings_.VersionSQB();
            if (!version) throw std::runtime_error("VersionSQB: \"" + ReadOption(kCommonUser, option::kVersionSQB) + "\"");
            if (*version != 1) {
                ui_.Error(text::kProductName, text::kNewerVersionNeeded);
                session_.stopFlag = true;
            }
        }
        if (session_.stopFlag) {
            CloseALL(true);
            return false;
        }
        OpenForWork();
        return true;
    } catch (const std::exception& e) {
        journal_.ReportError(kLoadAllLocation, e.what());
        if (!dynamic_cast<const ShownError*>(&e)) {
            ui_.Error(text::kProductName,
                      std::string(text::kCannotOpenDatabase) + file.string() + std::string(text::kLineBreak) + e.what());
        }
        session_.stopFlag = true;
        CloseALL(true);
        return false;
    }
}

void TDM::CreateDatabase() {
    const auto file = paths_.DatabaseFile();
    ui_.Inform(text::kProductName, std::string(text::kDataFile) + file.string() + std::string(text::kDataFileMissing) +
                                       std::string(text::kLineBreak) + std::string(text::kWillCreateNew));
    // Schema, initial options and the note phrases go in together: a failure leaves no file
    // behind rather than half a schema that the next start would take for a database.
    try {
        db_ = std::make_unique<Database>(file, Database::OpenMode::Create);
        Transaction transaction(*db_);
        for (const auto statement : sql::kCreateSchema) db_->Exec(statement);
        WriteOptionRow(*db_, kCommonUser, option::kKey, station_.tppKey);
        WriteOptionRow(*db_, kCommonUser, option::kLastSync, std::to_string(clock_.Today()));
        WriteOptionRow(*db_, kCommonUser, option::kVersionSQB, "1");
        WriteOptionRow(*db_, kCommonUser, option::kReferenceMin, "0");
        WriteOptionRow(*db_, kCommonUser, option::kReferenceMax, "0");
        Statement insert(*db_, sql::kInsertPhrase);
        for (const auto phrase : sql::kInitialNotePhrases) InsertPhrase(insert, kNotePhraseType, phrase);
        transaction.Commit();
    } catch (const std::exception&) {
        db_.reset();
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        throw;
    }
    LoadPackagePhrases();
}

void TDM::LoadPackagePhrases() {
    const auto path = paths_.PackageFile();
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (!parsed || !document.document_element()) {
        const std::string message = std::string(text::kCannotLoadFile) + path.string();
        ui_.Error(text::kProductName, message + std::string(text::kLineBreak) + std::string(text::kDatabaseKeptWithoutPackages));
        throw ShownError(message + ": " + (parsed ? "no document element" : parsed.description()));
    }
    try {
        Transaction transaction(*db_);
        Statement insert(*db_, sql::kInsertPhrase);
        for (const pugi::xml_node row : document.document_element().child("ROWDATA").children("ROW")) {
            InsertPhrase(insert, kPackagePhraseType, RemoveControlChars(row.attribute("name").value()));
        }
        transaction.Commit();
    } catch (const std::exception& e) {
        // The whole list is rolled back; the database itself stays usable.
        journal_.ReportError(kLoadAllLocation, e.what());
    }
}

void TDM::CheckSchema() {
    Statement tables(*db_,
                     "select count(*) from sqlite_master where type = 'table' and name in "
                     "('mcod', 'dcod', 'expertise', 'Contragent', 'Phrase', 'Options')");
    if (!tables.Step() || tables.ColumnInt(0) != 6) {
        throw std::runtime_error(std::string(text::kNotOurDatabase) + paths_.DatabaseFile().string());
    }
}

void TDM::OpenForWork() {
    {
        Transaction transaction(*db_);
        for (const auto statement : sql::kSupportIndexes) db_->Exec(statement);
        // Every document matches until a search is made.
        db_->Exec(sql::kResetSearchMarks);
        transaction.Commit();
    }
    register_ = std::make_unique<RegisterQuery>(*db_);
    register_->Open();
    SupportInsert();
    referenceMin_ = settings_.ReferenceMin();
    referenceMax_ = settings_.ReferenceMax();
}

void TDM::CloseALL(bool isClose) {
    if (!isClose) return;
    register_.reset();
    inserts_.reset();
    db_.reset();
}

void TDM::SupportInsert() { inserts_ = std::make_unique<InsertStatements>(Db()); }

std::int64_t TDM::GetNewId() {
    try {
        Statement query(Db(), sql::kMaxId);
        if (!query.Step()) return 1;
        const auto max = query.ColumnIntValue(0);
        return max ? *max + 1 : 1;
    } catch (const std::exception& e) {
        journal_.ReportError("uDataVD.TDM.GetNewId", e.what());
        return -1;
    }
}

std::string TDM::ReadOption(std::string_view userName, std::string_view paramName) {
    try {
        Statement query(Db(), sql::kReadOption);
        query.BindBlobText(":UserName", userName);
        query.BindBlobText(":ParamName", paramName);
        return query.Step() ? query.ColumnBlobText(0) : std::string();
    } catch (const std::exception& e) {
        journal_.WriteEvent(EventType::Warning, EventCategory::Settings, event::kStoredValueFailed,
                            {"function uDataVD.TDM.ReadOption", e.what()});
        return {};
    }
}

bool TDM::SaveOption(std::string_view userName, std::string_view paramName, std::string_view value) {
    return SaveOptions(userName, {{paramName, value}});
}

bool TDM::SaveOptions(std::string_view userName,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    try {
        Transaction transaction(Db());
        for (const auto& [name, value] : values) WriteOptionRow(*db_, userName, name, value);
        transaction.Commit();
        return true;
    } catch (const std::exception& e) {
        journal_.WriteEvent(EventType::Warning, EventCategory::Settings, event::kStoredValueFailed,
                            {"function uDataVD.TDM.SaveOption", e.what()});
        return false;
    }
}

int TDM::DaysWithoutSync() {
    const DayNumber lastSync = settings_.LastSync();
    Statement query(Db(), std::string(sql::kOldestChangeSince) + std::to_string(lastSync));
    if (!query.Step()) return 0;
    const auto oldest = query.ColumnIntValue(0);
    const DayNumber today = clock_.Today();
    if (!oldest || *oldest > today) return 0;
    return static_cast<int>(today - *oldest);
}

void TDM::SetCachedReferenceRange(std::int64_t min, std::int64_t max) {
    referenceMin_ = min;
    referenceMax_ = max;
}

}  // namespace vd

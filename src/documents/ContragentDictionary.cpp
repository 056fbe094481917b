#include "documents/ContragentDictionary.h"

#include <exception>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Schema.h"
#include "core/UserInterface.h"
#include "documents/Messages.h"

namespace vd {
namespace {

constexpr std::string_view kFindContragent =
    "select * from Contragent where (nameT = :nameT) and (nameB = :nameB)";
constexpr std::string_view kDeleteContragent =
    "delete from Contragent where (nameT = :nameT) and (nameB = :nameB)";
constexpr std::string_view kInsertContragent =
    "INSERT INTO Contragent (nameT,nameB) VALUES (:nameT,:nameB);";
constexpr std::string_view kEditorAddLocation = "uFormEdit.TFormEdit.p1addClick";

void DeletePair(Database& db, std::string_view name, std::string_view address) {
    Statement deletion(db, kDeleteContragent);
    deletion.BindBlobText(":nameT", name);
    deletion.BindBlobText(":nameB", address);
    deletion.Execute();
}

// Deleting the equal pair first is what keeps the table, which has no key, free of doubles.
void WritePair(Database& db, std::string_view name, std::string_view address) {
    Transaction transaction(db);
    DeletePair(db, name, address);
    Statement insert(db, kInsertContragent);
    insert.BindBlobText(":nameT", name);
    insert.BindBlobText(":nameB", address);
    insert.Execute();
    transaction.Commit();
}

bool IsStored(Database& db, std::string_view name, std::string_view address) {
    Statement query(db, kFindContragent);
    query.BindBlobText(":nameT", name);
    query.BindBlobText(":nameB", address);
    return query.Step() && query.ColumnBlobText(query.ColumnIndex("nameT")) == name &&
           query.ColumnBlobText(query.ColumnIndex("nameB")) == address;
}

}  // namespace

std::vector<Contragent> ListContragents(TDM& tdm) {
    Statement query(tdm.Db(), sql::kContragents);
    const int name = query.ColumnIndex("nameT");
    const int address = query.ColumnIndex("nameB");
    std::vector<Contragent> entries;
    while (query.Step())
        entries.push_back({query.ColumnBlobText(name), query.ColumnBlobText(address)});
    return entries;
}

bool StoreContragent(TDM& tdm, std::string_view name, std::string_view address) {
    try {
        WritePair(tdm.Db(), name, address);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool DeleteContragent(TDM& tdm, std::string_view name, std::string_view address) {
    try {
        Database& db = tdm.Db();
        Transaction transaction(db);
        DeletePair(db, name, address);
        transaction.Commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void AddContragentFromEditor(TDM& tdm, std::string_view name, std::string_view address) {
    UserInterface& ui = tdm.Ui();
    try {
        Database& db = tdm.Db();
        if (IsStored(db, name, address)) {
            ui.Warn(text::kAppTitle, text::kContragentAlreadyStored);
            return;
        }
        WritePair(db, name, address);
        const std::string lineBreak(text::kDictionaryLineBreak);
        ui.Inform(text::kAppTitle, std::string(text::kValueAdded) + lineBreak + std::string(name) +
                                       lineBreak + std::string(address));
    } catch (const std::exception& e) {
        tdm.GetJournal().ReportError(kEditorAddLocation, e.what());
        ui.Error(text::kAppTitle, std::string(text::kDictionaryErrorPrefix) +
                                      std::string(text::kDictionaryLineBreak) + e.what());
    }
}

}  // namespace vd

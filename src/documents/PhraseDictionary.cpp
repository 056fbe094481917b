#include "documents/PhraseDictionary.h"

#include <exception>

#include "core/DataModule.h"
#include "core/EventIds.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Schema.h"
#include "core/UserInterface.h"
#include "documents/Messages.h"

namespace vd {
namespace {

constexpr std::string_view kFindPhrase =
    "Select * from Phrase where (stype = :stype) and (name = :name)";
constexpr std::string_view kDeletePhrasesOfType = "delete from Phrase where (stype = :stype)";
constexpr std::string_view kAndNameEquals = " and (name = :name)";
constexpr std::string_view kReadPhraseOfType = "select name from Phrase where (stype = ";
// The phrase window's query "select * from Phrase order by name" narrowed to one type; the
// condition sits inside the statement so that the order by name is kept for sure.
constexpr std::string_view kPhrasesOfType =
    "select * from Phrase where (stype = :stype) order by name";

bool IsStored(Database& db, int stype, std::string_view text) {
    Statement query(db, kFindPhrase);
    query.BindInt(":stype", stype);
    query.BindBlobText(":name", text);
    return query.Step() && query.ColumnBlobText(query.ColumnIndex("name")) == text;
}

}  // namespace

std::string_view PhraseTypeName(int stype) {
    switch (stype) {
        case phrase::kTransport:
            return text::kPhraseTypeTransport;
        case phrase::kServiceNotes:
            return text::kPhraseTypeServiceNotes;
        case phrase::kDetails:
            return text::kPhraseTypeDetails;
        case phrase::kGoods:
            return text::kPhraseTypeGoods;
        case phrase::kPackaging:
            return text::kPhraseTypePackaging;
        case phrase::kUnits:
            return text::kPhraseTypeUnits;
        case phrase::kCountries:
            return text::kPhraseTypeCountries;
        default:
            return text::kPhraseTypeUnknown;
    }
}

SavePhraseResult SavePhrase(TDM& tdm, int stype, std::string_view text) {
    try {
        Database& db = tdm.Db();
        if (IsStored(db, stype, text)) return SavePhraseResult::Exists;
        std::string remove(kDeletePhrasesOfType);
        const bool multiValued = stype <= phrase::kLastMultiValued;
        if (multiValued) remove += kAndNameEquals;

        Transaction transaction(db);
        Statement deletion(db, remove);
        deletion.BindInt(":stype", stype);
        if (multiValued) deletion.BindBlobText(":name", text);
        deletion.Execute();
        Statement insert(db, sql::kInsertPhrase);
        insert.BindInt(":stype", stype);
        insert.BindBlobText(":name", text);
        insert.Execute();
        transaction.Commit();
        return SavePhraseResult::Added;
    } catch (const std::exception& e) {
        tdm.GetJournal().WriteEvent(EventType::Warning, EventCategory::Settings,
                                    event::kStoredValueFailed,
                                    {"function uDataVD.TDM.SavePhrase", e.what()});
        return SavePhraseResult::Failed;
    }
}

std::string ReadPhrase(TDM& tdm, int stype) {
    try {
        // The code is a number, so it can stand in the statement as it is.
        Statement query(tdm.Db(), std::string(kReadPhraseOfType) + std::to_string(stype) + ")");
        return query.Step() ? query.ColumnBlobText(0) : std::string();
    } catch (const std::exception& e) {
        tdm.GetJournal().WriteEvent(EventType::Warning, EventCategory::Settings,
                                    event::kStoredValueFailed,
                                    {"function uDataVD.TDM.ReadPhrase", e.what()});
        return {};
    }
}

std::vector<std::string> ListPhrases(TDM& tdm, int stype) {
    Statement query(tdm.Db(), kPhrasesOfType);
    query.BindInt(":stype", stype);
    const int name = query.ColumnIndex("name");
    std::vector<std::string> names;
    while (query.Step()) names.push_back(query.ColumnBlobText(name));
    return names;
}

bool DeletePhrase(TDM& tdm, int stype, std::string_view name) {
    try {
        Database& db = tdm.Db();
        Transaction transaction(db);
        Statement deletion(db, std::string(kDeletePhrasesOfType) + std::string(kAndNameEquals));
        deletion.BindInt(":stype", stype);
        deletion.BindBlobText(":name", name);
        deletion.Execute();
        transaction.Commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void AddPhraseFromEditor(TDM& tdm, int stype, std::string_view phraseText) {
    UserInterface& ui = tdm.Ui();
    switch (SavePhrase(tdm, stype, phraseText)) {
        case SavePhraseResult::Exists:
            ui.Warn(text::kAppTitle, text::kPhraseAlreadyStored);
            break;
        case SavePhraseResult::Added: {
            // A single-valued type now holds this text as its default rather than one more entry.
            const std::string_view outcome =
                stype > phrase::kLastMultiValued ? text::kValueSet : text::kValueAdded;
            ui.Inform(text::kAppTitle, std::string(outcome) +
                                           std::string(text::kDictionaryLineBreak) +
                                           std::string(phraseText));
            break;
        }
        case SavePhraseResult::Failed:
            ui.Error(text::kAppTitle, text::kPhraseSaveFailed);
            break;
    }
}

}  // namespace vd

#pragma once

#include <array>
#include <string_view>

namespace vd::sql {

// The schema of Vardelo.sqb, issued in this order when the file is created. Other tools read
// these tables by name and column order, so the texts stay exactly as they are.
inline constexpr std::array<std::string_view, 9> kCreateSchema = {
    "CREATE TABLE mcod ([id]          INTEGER NOT NULL UNIQUE, [status]      INTEGER DEFAULT 6, "
    "[PaperNo]     INTEGER NOT NULL, [ReferenceNo] TEXT(20) NOT NULL, [GNum]        INTEGER, "
    "[NumNum]      INTEGER, [DateIssued]  INTEGER NOT NULL, [Expert]      TEXT, [declarant]   BLOB, "
    "[address]     BLOB, [supportInfo] BLOB, [declaratorFio] TEXT, [declarationDate] INTEGER, "
    "[TppName]     BLOB, [fio10]       TEXT, [date10]      INTEGER, [expDate]     INTEGER, "
    "[expNumber]   TEXT, [modifiedDate] INTEGER, [modifierExpert] TEXT, [comment]      BLOB, "
    "[pFilter]     BOOLEAN, [goDuplicate] TEXT(11), [goInstead]   TEXT(11), [goCancel]    TEXT(11), "
    "[goTrue]      TEXT(11), [LastDate]    INTEGER NOT NULL, [RefNumCC]  TEXT(2), [fSize1]     INTEGER, "
    "[fSize2]     INTEGER, [fSize3]     INTEGER, [fSize4]     INTEGER, [fSize5]     INTEGER, "
    "[fSize6]     INTEGER, [fSize7]     INTEGER, [fSize8]     INTEGER, [fSize9]     INTEGER, "
    "[fSize10]    INTEGER);",
    "CREATE INDEX MCode ON mcod(ReferenceNo DESC);",
    "CREATE INDEX MCodeDate ON mcod(LastDate DESC);",
    "CREATE TABLE dcod ([idM]               INTEGER, [num]               BLOB, [descriptionGoods]  BLOB, "
    "[count6Goods]        BLOB, [package6Goods]      BLOB, [countGoods]        BLOB, "
    "[documents]         BLOB );",
    "CREATE TABLE expertise ([idM]               INTEGER, [de]                INTEGER, "
    "[nume]              TEXT );",
    "CREATE TABLE Contragent ([nameT]        BLOB, [nameB]        BLOB);",
    "CREATE TABLE Phrase ([stype]        INTEGER, [name]         BLOB);",
    "CREATE INDEX dPhrase ON Phrase(stype);",
    "CREATE TABLE Options ([UserName]     BLOB, [ParamName]    BLOB, [Value]        BLOB);",
};

// Created at every open; they speed up the per-document queries and change no stored value.
inline constexpr std::array<std::string_view, 3> kSupportIndexes = {
    "CREATE INDEX IF NOT EXISTS dcodIdM ON dcod(idM);",
    "CREATE INDEX IF NOT EXISTS expertiseIdM ON expertise(idM);",
    // The register's default order read from the index alone.
    "CREATE INDEX IF NOT EXISTS mcodLastDateId ON mcod(LastDate DESC, id);",
};

inline constexpr std::string_view kInsertPhrase = "INSERT INTO Phrase (stype,name) VALUES (:stype,:name);";
inline constexpr std::string_view kReadOption =
    "select Value from Options where (UserName = :UserName) and  (ParamName = :ParamName)";
inline constexpr std::string_view kDeleteOption =
    "delete from Options where (UserName = :UserName) and (ParamName = :ParamName)";
inline constexpr std::string_view kInsertOption =
    "INSERT INTO Options (UserName,ParamName,Value) VALUES (:UserName,:ParamName,:Value);";
inline constexpr std::string_view kResetSearchMarks = "update mcod SET pFilter = \"TRUE\"";
inline constexpr std::string_view kMaxId = "select max(id) as nm from mcod";
inline constexpr std::string_view kOldestChangeSince = "select min(LastDate) as ld from mcod where LastDate > ";

inline constexpr std::string_view kRegisterDefault = "select * from mcod order by LastDate desc";
inline constexpr std::string_view kGoodsOfDocument = "select * from dcod where (idM = :id)";
inline constexpr std::string_view kExpertiseOfDocument = "select * from expertise where (idM = :id)";
inline constexpr std::string_view kPhrases = "select * from Phrase order by name";
inline constexpr std::string_view kContragents = "select * from Contragent order by nameT";

// The four stype-5 phrases every new database starts with.
inline constexpr std::array<std::string_view, 4> kInitialNotePhrases = {
    "Копия radevaredu VI №_________ от__________",
    "Дубликат radevaredu VI №_________ от__________",
    "Выдано взамен radevaredu VI №_________ от__________",
    "\"Количество доп. листов ___ (___________________________)\"",
};

// A query with a filter runs its statement inside this frame.
std::string FilteredSql(std::string_view statement, std::string_view filter);

}  // namespace vd::sql

#include "exchange/CertificateChange.h"

#include <pugixml.hpp>

#include <stdexcept>

#include "core/DataModule.h"
#include "exchange/Messages.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr std::string_view kUpdate =
    "update mcod SET PaperNo = :newCertNo, ReferenceNo = :newReferenceNo, status = :newstatus, GNum = :GNum, "
    "NumNum = :NumNum where (PaperNo = :oldCertNo) and (ReferenceNo = :oldReferenceNo) and (status = :oldstatus)";

pugi::xml_attribute Required(const pugi::xml_node& record, const char* name) {
    const pugi::xml_attribute attribute = record.attribute(name);
    if (!attribute) throw std::runtime_error(std::string(text::kChangeAttributeMissing) + name);
    return attribute;
}

std::int64_t Integer(const pugi::xml_node& record, const char* name) {
    const auto value = ParseInteger(TrimBlanks(Required(record, name).value()));
    if (!value) throw std::runtime_error(std::string(text::kChangeAttributeUnreadable) + name);
    return *value;
}

std::string TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

// A part of the new reference number as a number: the year digit, the running number.
std::int64_t ReferencePart(const std::string& reference, std::size_t from, std::size_t length) {
    const auto value = from < reference.size() ? ParseInteger(std::string_view(reference).substr(from, length))
                                               : std::nullopt;
    if (!value) throw std::runtime_error(std::string(text::kChangeAttributeUnreadable) + "newReferenceNo");
    return *value;
}

}  // namespace

std::int64_t ReadCertificateChangeId(const pugi::xml_node& record) { return Integer(record, "id"); }

CertificateChange ReadCertificateChange(const pugi::xml_node& record) {
    CertificateChange change;
    change.id = Integer(record, "id");
    change.oldStatus = Integer(record, "oldStatus");
    change.newStatus = Integer(record, "newStatus");
    change.oldBlankNo = Integer(record, "oldBlankNo");
    change.newBlankNo = Integer(record, "newBlankNo");
    change.oldReferenceNo = Required(record, "oldReferenceNo").value();
    change.newReferenceNo = Required(record, "newReferenceNo").value();
    return change;
}

void ApplyCertificateChange(TDM& tdm, const CertificateChange& change) {
    const std::int64_t gNum = ReferencePart(change.newReferenceNo, 0, 1);
    const std::int64_t numNum = ReferencePart(change.newReferenceNo, 4, 6);
    Database& db = tdm.Db();
    Transaction transaction(db);
    try {
        Statement update(db, kUpdate);
        update.BindInt(":newCertNo", change.newBlankNo);
        update.BindText(":newReferenceNo", change.newReferenceNo);
        update.BindInt(":newstatus", change.newStatus);
        update.BindInt(":GNum", gNum);
        update.BindInt(":NumNum", numNum);
        update.BindInt(":oldCertNo", change.oldBlankNo);
        // The central server compares references without trailing blanks; old files carry them.
        update.BindText(":oldReferenceNo", TrimRight(change.oldReferenceNo));
        update.BindInt(":oldstatus", change.oldStatus);
        update.Execute();
        transaction.Commit();
    } catch (const std::exception&) {
        // The database's own words, read before the rollback clears them.
        throw std::runtime_error(db.LastError() + " " + std::string(kUpdate));
    }
    tdm.Options().SetLastChange(change.id);
}

}  // namespace vd

#pragma once

#include <cstdint>
#include <string>

namespace pugi {
class xml_node;
}

namespace vd {

class TDM;

// A status change made centrally: the conclusion with the old blank, reference and status gets
// the new ones. The server numbers the records; `lastChange` remembers the last one applied.
struct CertificateChange {
    std::int64_t id = 0;
    std::int64_t oldStatus = 0;
    std::int64_t newStatus = 0;
    std::int64_t oldBlankNo = 0;
    std::int64_t newBlankNo = 0;
    std::string oldReferenceNo;
    std::string newReferenceNo;
};

// The `id` of a "certificate-change" element; throws when it is missing or not a number.
std::int64_t ReadCertificateChangeId(const pugi::xml_node& record);
// The whole record; throws naming the attribute that is missing or not a number.
CertificateChange ReadCertificateChange(const pugi::xml_node& record);

// Applies one record to mcod in a transaction of its own and stores its id as lastChange. A
// record that matches no row changes nothing and still advances lastChange. Throws with the
// database's text and the statement when the update fails (nothing is changed then), and when
// the new reference's year digit or running number do not read.
void ApplyCertificateChange(TDM& tdm, const CertificateChange& change);

}  // namespace vd

#pragma once

#include <string>
#include <string_view>

namespace vd {

// The station record read from data/i.cod: which chamber and workstation this is, the key the
// database and the exchange files belong to, and the central server's address.
struct StationFile {
    int tppNumber = 0;
    int numLocale = 0;
    std::string tppKey;
    std::string url;
    std::string tppName;
    bool usersOld = false;
    int ver = 0;
};

// Decodes a station file (still encrypted, as it lies on disk) and parses it. Throws
// std::runtime_error with the reason in Russian when the content cannot be read completely.
StationFile ReadStationFile(std::string stream);

// The encrypted file for a station record, as the central office issues it (demos and tests).
std::string MakeStationFile(const StationFile& station);

}  // namespace vd

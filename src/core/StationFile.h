#pragma once

#include <string>

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

}  // namespace vd

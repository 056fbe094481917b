#include "Workstation.h"

namespace vd::test {

Workstation::Workstation() : paths(Paths::Isolated(root.Path() / "program", root.Path() / "machine")) {
    std::filesystem::create_directories(paths.DataDir());
    std::filesystem::copy_file(SourceDataDir() / "Package.cod", paths.PackageFile());
    StationFile station;
    station.tppNumber = 7;
    station.numLocale = 1;
    station.tppKey = kTestStationKey;
    station.url = "https://127.0.0.1:8443";
    station.tppName = "Торгово-промышленная палата";
    tdm.SetStation(station);
}

bool Workstation::OpenDatabase() {
    session.stopFlag = false;
    return tdm.LoadAll();
}

}  // namespace vd::test

#include "Workstation.h"

#include "support/Files.h"

namespace vd::test {

StationFile TestStation() {
    StationFile station;
    station.tppNumber = 7;
    station.numLocale = 1;
    station.tppKey = kTestStationKey;
    station.url = "https://127.0.0.1:8443";
    station.tppName = "Торгово-промышленная палата";
    station.ver = 1;
    return station;
}

Workstation::Workstation() : Workstation(std::make_shared<TempDir>()) {}

Workstation::Workstation(std::shared_ptr<TempDir> folder)
    : root(std::move(folder)),
      core(Paths::Isolated(root->Path() / "program", root->Path() / "machine"), sink, ui, clock) {
    if (std::filesystem::exists(paths.DataDir())) return;
    std::filesystem::create_directories(paths.DataDir());
    std::filesystem::copy_file(SourceDataDir() / "Package.cod", paths.PackageFile());
    WriteStation(TestStation());
}

void Workstation::WriteStation(const StationFile& station) {
    WriteFileAtomically(paths.StationFile(), MakeStationFile(station));
}

bool Workstation::OpenDatabase() {
    tdm.SetStation(ReadStationFile(ReadFileBytes(paths.StationFile())));
    session.stopFlag = false;
    return tdm.LoadAll();
}

StartResult Workstation::Start(const std::function<void()>& mainLoop) { return core.startup.Run(mainLoop); }

}  // namespace vd::test

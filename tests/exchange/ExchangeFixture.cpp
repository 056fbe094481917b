#include "ExchangeFixture.h"

#include "StoredRows.h"

#include "core/OptionKeys.h"
#include "core/PasswordHash.h"
#include "core/StationFile.h"
#include "support/Files.h"
#include "support/Text.h"
#include "support/UrlEncoding.h"
#include "support/Zip.h"

namespace vd::test {

ArmFacts FixedArmFacts() {
    ArmFacts facts;
    facts.programPath = "/opt/vardelo";
    facts.memory = "16000";
    facts.driveCapacity = "100000";
    facts.freeSpace = "50000";
    facts.cpu = "AMD EPYC 2 2445~MHz";
    facts.defaultBrowser = "Firefox";
    facts.osVersion = "Debian GNU/Linux 12 (bookworm) 6.1.0";
    return facts;
}

ExchangeFixture::ExchangeFixture()
    : root(std::make_shared<TempDir>()),
      core(Paths::Isolated(root->Path() / "program", root->Path() / "machine"), sink, ui, clock) {}

void ExchangeFixture::SetUp() {
    std::filesystem::create_directories(paths.DataDir());
    std::filesystem::copy_file(SourceDataDir() / "Package.cod", paths.PackageFile());
    WriteFileAtomically(paths.StationFile(), MakeStationFile(TestStation()));
    tdm.SetStation(TestStation());
    core.session.stopFlag = false;
    ASSERT_TRUE(tdm.LoadAll());
    tdm.Users().CreateEmpty();
    tdm.Users().Append("Aдминистратор", PasswordHash(""));
    core.session.currentUserId = 1;
    core.session.currentUserName = "Aдминистратор";
    InstallCertificate(paths.certStoreDir, "my", "client-vd.pem");
    InstallCertificate(paths.certStoreDir, "root", "ca.pem");
    ui.messages.clear();
}

void ExchangeFixture::StartSim(const nlohmann::json& script, const std::vector<std::string>& extraArguments) {
    sim = std::make_unique<SimServer>(script, extraArguments);
    PointStationAt(sim->Url());
}

void ExchangeFixture::PointStationAt(const std::string& url) {
    StationFile station = tdm.Station();
    station.url = url;
    WriteFileAtomically(paths.StationFile(), MakeStationFile(station));
    tdm.SetStation(station);
}

void ExchangeFixture::AddConclusion(std::int64_t id, int status, DayNumber lastDate, std::int64_t paperNo,
                                    const std::string& referenceNo) {
    MasterRecord r;
    r.id = id;
    r.status = status;
    r.numNum = static_cast<int>(id);
    r.gNum = 6;
    r.paperNo = paperNo != 0 ? paperNo : 1000 + id;
    r.referenceNo = referenceNo.empty() ? "6007" + ExactDigits(id, 6) : referenceNo;
    r.expert = "Aдминистратор";
    r.dateIssued = lastDate;
    r.lastDate = lastDate;
    r.declarant = "ООО \"Лес " + std::to_string(id) + "\"";
    r.address = "г. Вологда";
    r.declaratorFio = "Петров П. П.";
    r.declarationDate = lastDate;
    r.tppName = "Палата";
    r.fio10 = "Иванов И. И.";
    r.date10 = lastDate;
    InsertStatements& inserts = tdm.Inserts();
    inserts.InsertMaster(r);
    inserts.InsertGoods(id, GoodsLine{"1", "Доски", "10", "ящик", "5 м3", "Инвойс 1"});
    inserts.InsertGoods(id, GoodsLine{"2", "Брус", "2", "поддон", "1 м3", "Инвойс 2"});
    inserts.InsertExpertise(id, ExpertiseRef{lastDate - 1, "Э-" + std::to_string(id)});
}

std::string ExchangeFixture::Option(std::string_view name) { return tdm.ReadOption(kCommonUser, name); }

std::vector<std::string> ExchangeFixture::EventStrings(std::uint32_t id) const {
    std::vector<std::string> found;
    for (const Event& event : sink.WithId(id)) {
        std::string joined;
        for (const auto& s : event.strings) joined += (joined.empty() ? "" : " | ") + s;
        found.push_back(joined);
    }
    return found;
}

std::vector<std::vector<std::string>> ExchangeFixture::Rows(const std::string& sql) { return QueryRows(tdm.Db(), sql); }

std::string ExchangeFixture::Value(const std::string& sql) { return QueryValue(tdm.Db(), sql); }

std::string ExchangeFixture::Snapshot() { return DocumentsSnapshot(tdm.Db()); }

std::string ZipOf(const std::vector<std::pair<std::string, std::string>>& entries) {
    ZipWriter writer;
    for (const auto& [name, bytes] : entries) writer.Add(name, bytes);
    return writer.Finish();
}

std::string DecodedCertBody(const std::string& body) {
    for (const auto& [name, value] : ParseFormFields(body)) {
        if (name == "certBody") return value;
    }
    return {};
}

std::string RefreshedStationFile(const std::string& url, const std::string& tppName) {
    StationFile station = TestStation();
    station.url = url;
    station.tppName = tppName;
    station.ver = 2;
    return MakeStationFile(station);
}

}  // namespace vd::test

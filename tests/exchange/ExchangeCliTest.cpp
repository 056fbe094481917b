// vdctl's exchange commands end to end: the real program against tools/central-sim over TLS
// with a client certificate, and the exchange file against the openssl command.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

#include "Process.h"
#include "SimServer.h"
#include "TempDir.h"
#include "Workstation.h"
#include "core/Clock.h"
#include "core/Container.h"
#include "core/Database.h"
#include "core/InsertStatements.h"
#include "core/StationFile.h"
#include "support/Base64.h"
#include "support/Files.h"
#include "support/Text.h"
#include "support/UrlEncoding.h"
#include "support/Zip.h"

namespace vd {
namespace {

using nlohmann::json;

constexpr const char* kAdmin = "Aдминистратор";
constexpr const char* kRestartScript = "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/restarted\"\n";

// The free space of the disk moves between two runs; everything else of the packet must not.
std::string WithoutFreeSpace(const std::string& packet) {
    return std::regex_replace(packet, std::regex("freeSpace=\"[0-9]*\""), "freeSpace=\"\"");
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        hex += kDigits[static_cast<unsigned char>(c) >> 4];
        hex += kDigits[static_cast<unsigned char>(c) & 0x0F];
    }
    return hex;
}

class VdctlExchange : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(ProgramDir() / "data");
        std::filesystem::copy_file(test::SourceDataDir() / "Package.cod", ProgramDir() / "data" / "Package.cod");
        const auto store = root.Path() / "share" / "vardelo" / "certs";
        test::InstallCertificate(store, "my", "client-vd.pem");
        test::InstallCertificate(store, "root", "ca.pem");
    }

    std::filesystem::path ProgramDir() const { return root.Path() / "program"; }

    test::ProcessResult Run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {VD_VDCTL_PATH, "--program-dir", ProgramDir().string()});
        return test::RunProcess(args, input,
                                {{"XDG_STATE_HOME", (root.Path() / "state").string()},
                                 {"XDG_DATA_HOME", (root.Path() / "share").string()}});
    }
    test::ProcessResult RunAsAdministrator(std::vector<std::string> args) {
        args.insert(args.begin(), {"--user", kAdmin, "--password-stdin"});
        return Run(args, "\n");
    }

    // A first start against the station URL, then conclusions of a few days written straight
    // into the database, as the register would hold them.
    void PrepareWorkstation(const std::string& url) {
        StationFile station = test::TestStation();
        station.url = url;
        WriteFileAtomically(ProgramDir() / "data" / "i.cod", MakeStationFile(station));
        ASSERT_EQ(Run({"init"}).exitCode, 0);
        Database db(ProgramDir() / "data" / "Vardelo.sqb", Database::OpenMode::Existing);
        InsertStatements inserts(db);
        Transaction transaction(db);
        const std::pair<int, DayNumber> documents[] = {{7, today - 3}, {7, today - 1}, {6, today - 1}};
        std::int64_t id = 0;
        for (const auto& [status, day] : documents) {
            MasterRecord r;
            r.id = ++id;
            r.status = status;
            r.paperNo = 1000 + id;
            r.gNum = 6;
            r.numNum = static_cast<int>(id);
            r.referenceNo = "6007" + ExactDigits(id, 6);
            r.expert = kAdmin;
            r.declarant = "ООО \"Лес " + std::to_string(id) + "\"\r\nВологда";
            r.dateIssued = r.declarationDate = r.date10 = r.lastDate = day;
            r.fio10 = "Иванов";
            inserts.InsertMaster(r);
            inserts.InsertGoods(id, GoodsLine{"1", "Доски", "10", "ящик", "5 м3", "Инвойс"});
            inserts.InsertExpertise(id, ExpertiseRef{day - 1, "Э-" + std::to_string(id)});
        }
        transaction.Commit();
    }

    std::string Option(const std::string& name) {
        std::string value = RunAsAdministrator({"options", "get", name}).out;
        if (!value.empty() && value.back() == '\n') value.pop_back();
        return value;
    }

    test::TempDir root;
    const DayNumber today = SystemClock().Today();
};

TEST_F(VdctlExchange, SyncRunsAgainstTheCentralServerOverTls) {
    ZipWriter archive;
    archive.Add("RebootVD.exe", kRestartScript);
    const std::string restorator = archive.Finish();
    auto change = [](int id, int oldStatus, int newStatus, int oldBlank, int newBlank, const char* reference) {
        return json{{"id", id},           {"oldStatus", oldStatus},   {"newStatus", newStatus}, {"oldBlankNo", oldBlank},
                    {"newBlankNo", newBlank}, {"oldReferenceNo", reference}, {"newReferenceNo", reference}};
    };
    test::SimServer sim(json{
        {"stationKey", test::kTestStationKey},
        {"icod", {{"tppName", "Палата после обновления"}}},
        {"changes",
         {{"records",
           {change(5, 7, 9, 1001, 1001, "6007000001"),  // known already: skipped
            change(6, 7, 7, 1002, 2002, "6007000002"), change(7, 7, 9, 1001, 1001, "6007000001")}}}},
        {"version",
         {{"lastdate", FormatDdMmYyyy(today - 5)},
          {"versions", {{{"name", "restorator"}, {"url", "/files/restorator.zip"}, {"version", "3"}}}}}},
        {"files", {{"/files/restorator.zip", {{"base64", Base64Encode(restorator)}}}}},
    });
    PrepareWorkstation(sim.Url());
    ASSERT_EQ(RunAsAdministrator({"options", "set", "lastChange", "5"}).exitCode, 0);

    const auto run = RunAsAdministrator({"sync"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(run.out.ends_with("Проверяем обновления\nПолучение файла restorator.zip\nСИНХРОНИЗАЦИЯ ЗАВЕРШЕНА\n"))
        << run.out;
    EXPECT_NE(run.err.find("Сейчас программа будет перезапущена"), std::string::npos) << run.err;

    // Station file refreshed, two changes applied, the known one skipped.
    EXPECT_EQ(ReadStationFile(ReadFileBytes(ProgramDir() / "data" / "i.cod")).tppName, "Палата после обновления");
    EXPECT_EQ(Option("lastChange"), "7");
    EXPECT_EQ(Option("LastSync"), std::to_string(today));
    const auto list = RunAsAdministrator({"doc", "list"}).out;
    EXPECT_NE(list.find("\"paperNo\":2002"), std::string::npos) << list;

    // One POST per changed day, each carrying that day's packet.
    std::vector<std::string> bodies;
    for (const auto& request : sim.Requests()) {
        EXPECT_EQ(request["clientSubject"], "CN=Workstation VD 007-01,O=Vardelo Test");
        if (request["verb"] == "POST") bodies.push_back(request["body"]);
    }
    ASSERT_EQ(bodies.size(), 2u);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const DayNumber day = i == 0 ? today - 3 : today - 1;
        const auto packet = RunAsAdministrator({"packet", "--day", FormatDdMmYyyy(day)});
        ASSERT_EQ(packet.exitCode, 0) << packet.err;
        std::string sent;
        for (const auto& [name, value] : ParseFormFields(bodies[i])) {
            if (name == "certBody") sent = value;
        }
        EXPECT_EQ(WithoutFreeSpace(sent), WithoutFreeSpace(packet.out));
    }

    // The restart program came in the archive and was started with the update list.
    const auto restartProgram = ProgramDir() / "RebootVD.exe";
    EXPECT_EQ(ReadFileBytes(restartProgram), kRestartScript);
    EXPECT_EQ(ReadFileBytes(ProgramDir() / "DownLoad" / "restorator.zip"), restorator);
    const auto restarted = ProgramDir() / "restarted";
    for (int i = 0; i < 200 && !std::filesystem::exists(restarted); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(std::filesystem::exists(restarted));
    EXPECT_EQ(ReadFileBytes(restarted), "restorator%/files/restorator.zip*3");
    EXPECT_NE(ReadFileBytes(root.Path() / "state" / "vardelo" / "events.jsonl").find("файл RebootVD.exe обновлён с сервера"),
              std::string::npos);
}

TEST_F(VdctlExchange, TheExchangeFileOpensWithOpensslAndHoldsThePacket) {
    PrepareWorkstation("https://127.0.0.1:1/");
    const auto written = RunAsAdministrator({"sync-file"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const auto file = ProgramDir() / "send" / ("VD_007_01_" + FormatYyyyMmDd(today) + "_x.zip.cod");
    EXPECT_TRUE(written.out.ends_with("ФАЙЛ СИНХРОНИЗАЦИИ СОЗДАН.\n" + file.string() + "\n")) << written.out;

    // The container is plain AES-256-CFB8: the station key is the key, padded to 32 bytes.
    std::string key = test::kTestStationKey;
    key.resize(32, '\0');
    const auto zip = root.Path() / "sync.zip";
    const auto decrypted = test::RunProcess({"openssl", "enc", "-d", "-aes-256-cfb8", "-K", Hex(key), "-iv",
                                             Hex(kCodIvText), "-nopad", "-in", file.string(), "-out", zip.string()});
    ASSERT_EQ(decrypted.exitCode, 0) << decrypted.err;

    const ZipReader archive = ZipReader::FromFile(zip);
    EXPECT_EQ(archive.EntryNames(), std::vector<std::string>{"sync.xml"});
    const auto packet = RunAsAdministrator({"packet", "--all"});
    ASSERT_EQ(packet.exitCode, 0) << packet.err;
    EXPECT_EQ(WithoutFreeSpace(archive.Read("sync.xml").value_or("")), WithoutFreeSpace(packet.out));
    EXPECT_NE(packet.out.find("referenceNo=\"6007000002\""), std::string::npos);
    EXPECT_EQ(packet.out.find("referenceNo=\"6007000003\""), std::string::npos);  // a project
    EXPECT_EQ(Option("LastSync"), std::to_string(today));
    // Any standard zip reader opens it too, where one is installed.
    if (std::filesystem::exists("/usr/bin/unzip")) {
        const auto listed = test::RunProcess({"unzip", "-Z1", zip.string()});
        EXPECT_EQ(listed.out, "sync.xml\n");
        EXPECT_EQ(test::RunProcess({"unzip", "-p", zip.string(), "sync.xml"}).out, archive.Read("sync.xml"));
    }
}

TEST_F(VdctlExchange, TheRestoreFileHoldsTheServersDataUnderTheStationKey) {
    test::SimServer sim(json{{"restore", {{"raw", "данные АРМа из ЦБД"}}}});
    PrepareWorkstation(sim.Url());
    const auto target = root.Path() / "restore.cod";
    const auto run = RunAsAdministrator({"restore-file", target.string()});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(run.out.ends_with("ФАЙЛ ВОССТАНОВЛЕНИЯ ПОЛУЧЕН.\n" + target.string() + "\n")) << run.out;
    std::string bytes = ReadFileBytes(target);
    DecodeCodStream(bytes, test::kTestStationKey);
    EXPECT_EQ(bytes, "данные АРМа из ЦБД");
}

TEST_F(VdctlExchange, OnlyTheAdministratorExchangesAndUsageIsChecked) {
    PrepareWorkstation("https://127.0.0.1:1/");
    ASSERT_EQ(Run({"--user", kAdmin, "--password-stdin", "users", "add", "Ведров"}, "\nтайна\nтайна\n").exitCode, 0);
    for (const char* command : {"sync", "sync-file", "restore-file", "packet"}) {
        const auto refused = Run({"--user", "Ведров", "--password-stdin", command}, "тайна\n");
        EXPECT_EQ(refused.exitCode, 1) << command;
        EXPECT_EQ(refused.err, "Команда доступна только администратору\n") << command;
    }
    EXPECT_EQ(RunAsAdministrator({"packet", "--day", "31.02.2026"}).exitCode, 2);
    EXPECT_EQ(RunAsAdministrator({"packet", "--day", "01.02.2026", "--all"}).exitCode, 2);
    EXPECT_EQ(RunAsAdministrator({"sync", "extra"}).exitCode, 2);
    // A day without conclusions has no packet.
    const auto empty = RunAsAdministrator({"packet", "--day", "01.02.2000"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "Нет данных\n");
}

}  // namespace
}  // namespace vd

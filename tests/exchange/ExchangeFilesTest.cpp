#include <gtest/gtest.h>

#include <random>

#include "ExchangeFixture.h"
#include "core/Container.h"
#include "core/OptionKeys.h"
#include "exchange/DataPacket.h"
#include "exchange/ExchangeFiles.h"
#include "support/Base64.h"
#include "support/Files.h"
#include "support/Zip.h"

namespace vd {
namespace {

using nlohmann::json;
using test::kToday;
using Outcome = ExchangeFiles::Outcome;

TEST(ExchangeFileName, HoldsStationWorkstationAndDay) {
    const DayNumber day = ToDayNumber({2012, 3, 5});
    const std::tuple<int, int, const char*> cases[] = {
        {7, 3, "VD_007_03_2012.03.05_x.zip.cod"},
        {1234, 5, "VD_234_05_2012.03.05_x.zip.cod"},  // only the last three digits of a longer number
        {12, 123, "VD_012_23_2012.03.05_x.zip.cod"},
    };
    for (const auto& [chamber, workstation, name] : cases) {
        StationFile station;
        station.tppNumber = chamber;
        station.numLocale = workstation;
        EXPECT_EQ(ExchangeFileName(station, day), name);
    }
}

TEST(ExchangeFileName, AChosenNameWithoutExtensionGetsTheDefaultOne) {
    EXPECT_EQ(WithCodExtension("/x/out"), "/x/out.cod");
    EXPECT_EQ(WithCodExtension("/x/out.zip"), "/x/out.zip");
    EXPECT_EQ(WithCodExtension("/x/VD_007_01_2012.03.05_x.zip.cod"), "/x/VD_007_01_2012.03.05_x.zip.cod");
}

class SyncFile : public test::ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        tdm.Options().SetLastSync(kToday - 10);
    }
    Outcome Save() {
        ExchangeFiles files(tdm, sleeper, log);
        files.SetArmFacts(test::FixedArmFacts());
        return files.aSaveToFileExecute();
    }
    std::vector<std::string> SendFolder() const {
        std::vector<std::string> names;
        if (!std::filesystem::exists(paths.SendDir())) return names;
        for (const auto& entry : std::filesystem::directory_iterator(paths.SendDir())) names.push_back(entry.path().filename());
        return names;
    }
    std::string DefaultFile() const { return (paths.SendDir() / "VD_007_01_2026.12.11_x.zip.cod").string(); }
};

TEST_F(SyncFile, HoldsTheWholeDatabasePacketZippedAndEncrypted) {
    AddConclusion(1, 7, kToday - 3);
    AddConclusion(2, 6);
    AddConclusion(3, 9);
    ui.chosenPaths.push_back(DefaultFile());
    EXPECT_EQ(Save(), Outcome::Written);

    std::string bytes = ReadFileBytes(DefaultFile());
    DecodeCodStream(bytes, test::kTestStationKey);
    const ZipReader archive = ZipReader::FromBytes(bytes);
    EXPECT_EQ(archive.EntryNames(), std::vector<std::string>{"sync.xml"});
    PacketBuilder builder(tdm, log, sleeper);
    builder.SetArmFacts(test::FixedArmFacts());
    EXPECT_EQ(archive.Read("sync.xml"), builder.GetXMLData());

    EXPECT_EQ(SendFolder(), std::vector<std::string>{"VD_007_01_2026.12.11_x.zip.cod"});  // no plain zip left
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Процедура может занять несколько минут", "Формирование ...",
                                                    "Шифруем ...", "ФАЙЛ СИНХРОНИЗАЦИИ СОЗДАН."}));
    EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Ждите...", ""}));
    EXPECT_EQ(ui.chooserTitles, std::vector<std::string>{"куда запишем ?"});
    ASSERT_EQ(ui.saveChoices.size(), 1u);
    EXPECT_EQ(ui.saveChoices[0].folder, paths.SendDir().string());
    EXPECT_EQ(ui.saveChoices[0].suggestedName, "VD_007_01_2026.12.11_x.zip.cod");
    EXPECT_EQ(ui.saveChoices[0].filter, "default backup|QF_*_*_x.cod|custom backup|*.cod|all|*.*");
}

TEST_F(SyncFile, ReplacesAnOlderFileAndTakesTheDefaultExtension) {
    AddConclusion(1);
    const auto chosen = root->Path() / "out";
    WriteFileAtomically(root->Path() / "out.cod", "old");
    ui.chosenPaths.push_back(chosen.string());
    EXPECT_EQ(Save(), Outcome::Written);
    std::string bytes = ReadFileBytes(root->Path() / "out.cod");
    DecodeCodStream(bytes, test::kTestStationKey);
    EXPECT_EQ(ZipReader::FromBytes(bytes).EntryNames(), std::vector<std::string>{"sync.xml"});
}

TEST_F(SyncFile, OnlyProjectsWriteNothing) {
    AddConclusion(1, 6);
    AddConclusion(2, 12);
    EXPECT_EQ(Save(), Outcome::NoData);
    EXPECT_EQ(log.lines.back(), "Нет данных");
    EXPECT_TRUE(SendFolder().empty());
    EXPECT_TRUE(ui.chooserTitles.empty());
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday - 10));
}

TEST_F(SyncFile, CancellingTheChooserWritesNothing) {
    AddConclusion(1);
    EXPECT_EQ(Save(), Outcome::Cancelled);
    EXPECT_TRUE(SendFolder().empty());
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday - 10));
    EXPECT_EQ(ui.statusTexts.back(), "");
}

TEST_F(SyncFile, AFileThatCannotBeWrittenIsReported) {
    AddConclusion(1);
    ui.chosenPaths.push_back((root->Path() / "no such folder" / "x.cod").string());
    EXPECT_EQ(Save(), Outcome::Failed);
    EXPECT_EQ(log.lines.back(), "Произошла ошибка. Смотри Event Log Windows.");
    const auto reported = EventStrings(event::kUnexpectedFailure);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_TRUE(reported[0].starts_with("[Aдминистратор]uFormSync.TFormSync.aSaveToFileExecute() | ")) << reported[0];
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday - 10));
    EXPECT_EQ(ui.statusTexts.back(), "");
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(11);
    std::string bytes(size, '\0');
    for (auto& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

class RestoreFile : public test::ExchangeFixture {
protected:
    Outcome Load(const json& script) {
        StartSim(script);
        ExchangeFiles files(tdm, sleeper, log);
        return files.aLoadFromFileExecute();
    }
    std::string Target() const { return (paths.DownloadDir() / "DataFromServer.cod").string(); }
};

TEST_F(RestoreFile, HoldsTheServersReplyEncryptedWithTheStationKey) {
    const std::string data = RandomBytes(150000);
    ui.chosenPaths.push_back(Target());
    EXPECT_EQ(Load({{"restore", {{"base64", Base64Encode(data)}}}}), Outcome::Written);
    std::string bytes = ReadFileBytes(Target());
    DecodeCodStream(bytes, test::kTestStationKey);
    EXPECT_EQ(bytes, data);
    EXPECT_EQ(log.lines.back(), "ФАЙЛ ВОССТАНОВЛЕНИЯ ПОЛУЧЕН.");
    EXPECT_EQ(sim->Paths(), (std::vector<std::string>{"GET /sync/hello", "GET /cbd/icod", "GET /sync/hello",
                                                       "GET /cbd/version", "GET /cbd/restore"}));
    const auto requests = sim->Requests();
    EXPECT_EQ(requests[0]["query"], "");  // the greeting carries the parameters in its body only
    EXPECT_EQ(requests[4]["query"], "tppn=7&plcn=1&tppk=" + std::string(test::kTestStationKey) + "&pver=1.1.1.7");
    EXPECT_EQ(sleeper.pauses, (std::vector<int>{2000, 2000}));
    ASSERT_EQ(ui.saveChoices.size(), 1u);
    EXPECT_EQ(ui.chooserTitles, std::vector<std::string>{"Куда сохранять результат?"});
    EXPECT_EQ(ui.saveChoices[0].folder, paths.DownloadDir().string());
    EXPECT_EQ(ui.saveChoices[0].suggestedName, "DataFromServer.cod");
    EXPECT_EQ(ui.busyOpen, 0);
    EXPECT_EQ(ui.progress.back(), 1000);
    EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Ожидайте...", ""}));
}

TEST_F(RestoreFile, TheRefreshedStationKeyIsTheNewPassPhrase) {
    const std::string newKey = "FEDCBA9876543210FEDCBA9876543210";
    const std::string data = "данные АРМа";
    ui.chosenPaths.push_back(Target());
    EXPECT_EQ(Load({{"icod", {{"tppKey", newKey}}}, {"restore", {{"raw", data}}}}), Outcome::Written);
    EXPECT_NE(sim->Requests().back()["query"].get<std::string>().find("tppk=" + newKey), std::string::npos);
    std::string bytes = ReadFileBytes(Target());
    DecodeCodStream(bytes, newKey);
    EXPECT_EQ(bytes, data);
}

TEST_F(RestoreFile, CancellingTheChooserWritesNothing) {
    EXPECT_EQ(Load({{"restore", {{"raw", "x"}}}}), Outcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(Target()));
}

TEST_F(RestoreFile, AnErrorPacketIsNoRestoreFile) {
    ui.chosenPaths.push_back(Target());
    EXPECT_EQ(Load({{"restore", {{"error", "Данных АРМа нет"}}}}), Outcome::Failed);
    EXPECT_EQ(log.lines.back(), "Данных АРМа нет");
    EXPECT_FALSE(std::filesystem::exists(Target()));
}

TEST_F(RestoreFile, AGreetingThatRefusesEndsTheCommand) {
    EXPECT_EQ(Load({{"hello", {{"raw", "<dataPacket name=\"authfailed\"><message>Нет доступа</message></dataPacket>"}}}}),
              Outcome::Cancelled);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Нет доступа"});
    const auto events = sink.WithId(event::kFileStep);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::AuditFailure);
    EXPECT_EQ(events[0].category, EventCategory::Report);
    EXPECT_EQ(events[0].strings, std::vector<std::string>{"uFormSync.TFormSync.aLoadFromFileExecute /sync/hello "
                                                          "(DM.GetErrorFromServer) <dataPacket name=\"authfailed\">"
                                                          "<message>Нет доступа</message></dataPacket>"});
    EXPECT_EQ(sim->Paths(), std::vector<std::string>{"GET /sync/hello"});
}

TEST_F(RestoreFile, ADownloadThatBreaksOffIsReportedAndWritesNothing) {
    ui.chosenPaths.push_back(Target());
    EXPECT_EQ(Load({{"restore", {{"base64", Base64Encode(RandomBytes(100000))}, {"mode", "truncated"}}}}),
              Outcome::Failed);
    EXPECT_EQ(log.lines.back(), "Сообщение об ошибке помещено в Event Log Windows.");
    const auto reported = EventStrings(event::kUnexpectedFailure);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_TRUE(reported[0].starts_with("[Aдминистратор]uFormSync.TFormSync.aLoadFromFileExecute() | [ErrorCode 18]"))
        << reported[0];
    EXPECT_FALSE(std::filesystem::exists(Target()));
    EXPECT_EQ(ui.busyOpen, 0);
    EXPECT_EQ(ui.statusTexts.back(), "");
}

}  // namespace
}  // namespace vd

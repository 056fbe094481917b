#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "ExchangeFixture.h"
#include "TempDir.h"
#include "core/OptionKeys.h"
#include "exchange/CentralServer.h"
#include "exchange/DownloadProgress.h"
#include "exchange/HttpsConnection.h"
#include "exchange/UpdateCheck.h"
#include "support/Base64.h"
#include "support/Files.h"

namespace vd {
namespace {

using nlohmann::json;
using test::kToday;

TEST(ProgramVersion, IsComparedFieldByFieldFromTheLeft) {
    const std::pair<const char*, bool> cases[] = {
        {"1.1.1.8", true},  {"1.1.1.7", false}, {"1.1.0.9", false},  {"1.1.1.10", true}, {"1.2.0.0", true},
        {"2.0.0.0", true},  {"0.9.9.9", false}, {"1.1.1", false},    {"1.1.1.8.1", false}, {"1.1.1.x", false},
        {"", false},
    };
    for (const auto& [offered, newer] : cases) EXPECT_EQ(IsNewerProgramVersion(offered, "1.1.1.7"), newer) << offered;
}

TEST(RestartCommandLine, QuotesWhatWouldSplitAnEntry) {
    EXPECT_EQ(RestartCommandLine({"program%/f/FormVD.zip*1.1.1.8", "restorator%/f/r.zip*3"}),
              "program%/f/FormVD.zip*1.1.1.8,restorator%/f/r.zip*3");
    EXPECT_EQ(RestartCommandLine({"support%/f/my file.zip*2"}), "\"support%/f/my file.zip*2\"");
    EXPECT_EQ(RestartCommandLine({"support%/f/a,b.zip*2"}), "\"support%/f/a,b.zip*2\"");
    EXPECT_EQ(RestartCommandLine({"support%/f/\"q\".zip*2"}), "\"support%/f/\"\"q\"\".zip*2\"");
    EXPECT_EQ(RestartCommandLine({}), "");
}

TEST(DownloadPosition, IsWholePerCentsTimesTen) {
    const std::tuple<std::int64_t, std::int64_t, int> cases[] = {
        {0, 100, 0},           {1, 3, 330},        {50, 100, 500},      {100, 100, 1000},
        {6000000, 5000000, 1200},  // more than the assumed size when the server named none
        {1LL << 40, 1, 32767},     // limited, and no overflow on the way
        {0, 0, 1000},
    };
    for (const auto& [received, total, position] : cases) {
        EXPECT_EQ(DownloadProgress::Position(received, total), position) << received << "/" << total;
    }
}

TEST(RestartProgram, StartsWithTheListAsItsOneArgumentAndIsNotWaitedFor) {
    test::TempDir dir;
    const auto program = dir.Path() / "RebootVD.exe";
    WriteFileAtomically(program, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/started.tmp\"\n"
                                 "mv \"$(dirname \"$0\")/started.tmp\" \"$(dirname \"$0\")/started\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ASSERT_EQ(StartRestartProgram(program, "\"support%/f/my file.zip*2\",program%/p*1.1.1.8"), 0);
    const auto started = dir.Path() / "started";
    for (int i = 0; i < 200 && !std::filesystem::exists(started); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(started));
    EXPECT_EQ(ReadFileBytes(started), "1|\"support%/f/my file.zip*2\",program%/p*1.1.1.8");
    EXPECT_EQ(StartRestartProgram(dir.Path() / "missing.exe", "x"), ENOENT);
}

// The check on its own, against a server chosen already.
class Updates : public test::ExchangeFixture {
protected:
    UpdateCheck::Outcome Check(const json& version, const json& files = json::object()) {
        StartSim({{"version", version}, {"files", files}});
        THttpsConnection connection(paths.certStoreDir);
        connection.SetServerName("127.0.0.1");
        connection.port = sim->Port();
        connection.certSubject = "VD";
        UpdateCheck check(tdm, sleeper, log, list);
        check.SetProgramStarter([this](const std::filesystem::path& program, const std::string& commandLine) {
            started.emplace_back(program, commandLine);
            return startResult;
        });
        return check.Run(connection, "/cbd", StationParams(tdm.Station()));
    }

    static json Offer(const char* name, const char* url, const char* version) {
        return {{"name", name}, {"url", url}, {"version", version}};
    }

    std::vector<std::string> list;
    std::vector<std::pair<std::filesystem::path, std::string>> started;
    int startResult = 0;
};

TEST_F(Updates, WhenEverythingIsCurrentOnlyTheDayIsRecorded) {
    tdm.Options().SetLastSync(kToday - 10);
    tdm.Options().SetPackageVersion(option::kRestoratorZip, 3);
    EXPECT_EQ(Check({{"versions",
                      {Offer("program", "/f/FormVD.zip", "1.1.1.7"), Offer("program", "/f/Old.zip", "1.1.0.9"),
                       Offer("restorator", "/f/r.zip", "3"), Offer("support", "/f/s.zip", "abc"),
                       Offer("other", "/f/o.zip", "9")}}}),
              UpdateCheck::Outcome::Done);
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday));
    EXPECT_EQ(sim->Paths(), std::vector<std::string>{"GET /cbd/version"});
    EXPECT_EQ(log.lines, std::vector<std::string>{"Проверяем обновления"});
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(sleeper.pauses, (std::vector<int>{1000, 1000}));
}

TEST_F(Updates, WithoutVersionsThereIsNothingToDoAndNoDayRecorded) {
    tdm.Options().SetLastSync(kToday - 10);
    for (const json& version : {json{{"certificate", true}}, json{{"versions", json::array()}}}) {
        log.lines.clear();
        EXPECT_EQ(Check(version), UpdateCheck::Outcome::Done);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"Проверяем обновления", "нет обновлений"}));
    }
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday - 10));
}

TEST_F(Updates, NewerFilesAreFetchedAndHandedToTheRestartProgram) {
    const std::string program(300000, 'p');
    EXPECT_EQ(Check({{"versions",
                      {Offer("program", "/f/FormVD.zip", "1.1.1.8"), Offer("support", "/f/support.zip", "2")}}},
                    {{"/f/FormVD.zip", {{"base64", Base64Encode(program)}}},
                     {"/f/support.zip", {{"raw", "support"}, {"mode", "chunked"}}}}),
              UpdateCheck::Outcome::Restarting);
    EXPECT_EQ(list, (std::vector<std::string>{"program%/f/FormVD.zip*1.1.1.8", "support%/f/support.zip*2"}));
    EXPECT_EQ(ReadFileBytes(paths.DownloadDir() / "FormVD.zip"), program);
    EXPECT_EQ(ReadFileBytes(paths.DownloadDir() / "support.zip"), "support");
    EXPECT_EQ(Option(option::kSupportZip), "2");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Проверяем обновления", "Получение файла FormVD.zip",
                                                    "Получение файла support.zip"}));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].second, "program%/f/FormVD.zip*1.1.1.8,support%/f/support.zip*2");
    // Two pauses before the check, one before each download's send.
    EXPECT_EQ(sleeper.pauses, (std::vector<int>{1000, 1000, 1000, 1000}));
    // A known size fills the bar; an unknown one is taken as 5,000,000 bytes.
    EXPECT_EQ(ui.busyOpen, 0);
    EXPECT_EQ(ui.busyTexts.size(), 2u);
    ASSERT_FALSE(ui.progress.empty());
    EXPECT_EQ(ui.progress.front(), 0);
    EXPECT_NE(std::find(ui.progress.begin(), ui.progress.end(), 1000), ui.progress.end());
    EXPECT_EQ(ui.progress.back(), 0);  // 7 bytes of an assumed 5,000,000
}

TEST_F(Updates, ARestartProgramThatDoesNotStartIsLogged) {
    startResult = ENOENT;
    EXPECT_EQ(Check({{"versions", {Offer("support", "/f/s.zip", "1")}}}, {{"/f/s.zip", {{"raw", "s"}}}}),
              UpdateCheck::Outcome::Done);
    EXPECT_EQ(log.lines.back(), std::strerror(ENOENT));
}

TEST_F(Updates, AnEmptySupportArchiveFails) {
    try {
        Check({{"versions", {Offer("support", "/f/s.zip", "1")}}}, {{"/f/s.zip", {{"raw", ""}}}});
        FAIL() << "an empty archive must fail";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "получен пустой файл \"support\"");
    }
    EXPECT_EQ(Option(option::kSupportZip), "");
}

TEST_F(Updates, AnErrorPageIsNoProgramFile) {
    try {
        Check({{"versions", {Offer("program", "/f/gone.zip", "1.1.1.9")}}});
        FAIL() << "a missing file must fail";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Ошибка получения файла");
    }
    EXPECT_EQ(EventStrings(event::kNetworkFailed),
              std::vector<std::string>{"uFormSync.TFormSync.aStartExecute | (Syn.ReadResponseData) gone.zip | HTTP 404"});
    EXPECT_FALSE(std::filesystem::exists(paths.DownloadDir() / "gone.zip"));
}

TEST_F(Updates, AnErrorPacketStopsTheCheck) {
    EXPECT_EQ(Check({{"error", "Нет доступа"}}), UpdateCheck::Outcome::Stopped);
    EXPECT_EQ(log.lines.back(), "Нет доступа");
    const auto events = sink.WithId(event::kFileStep);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::AuditFailure);
    EXPECT_TRUE(events[0].strings.at(0).starts_with("Sync.TFormSync.aStartExecute /version (DM.GetErrorFromServer) <?xml"));
}

TEST_F(Updates, AFileNameThatNamesNoFileIsRefused) {
    EXPECT_THROW(Check({{"versions", {Offer("program", "/f/..", "1.1.1.9")}}}), std::runtime_error);
    EXPECT_THROW(Check({{"versions", {Offer("program", "/f/", "1.1.1.9")}}}), std::runtime_error);
    EXPECT_EQ(sim->Paths(), std::vector<std::string>{"GET /cbd/version"});
}

}  // namespace
}  // namespace vd

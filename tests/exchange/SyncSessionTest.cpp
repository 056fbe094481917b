#include <gtest/gtest.h>

#include "ExchangeFixture.h"
#include "core/Container.h"
#include "core/OptionKeys.h"
#include "exchange/CentralServer.h"
#include "exchange/DataPacket.h"
#include "exchange/DocumentDates.h"
#include "exchange/SyncSession.h"
#include "support/Base64.h"
#include "support/Files.h"

namespace vd {
namespace {

using nlohmann::json;
using test::kToday;
using Outcome = SyncSession::Outcome;

constexpr const char* kRestartScript = "#!/bin/sh\necho \"$1\" > restarted\n";

std::string Date(DayNumber day) { return FormatDdMmYyyy(day); }

bool AnyContains(const std::vector<std::string>& texts, const std::string& part) {
    for (const auto& t : texts) {
        if (t.find(part) != std::string::npos) return true;
    }
    return false;
}

// A workstation with conclusions on three days, a project, and lastChange 5; a central server
// that knows it, has two new status changes and one already applied, drops documents older
// than five days and offers a newer restart program.
class Sync : public test::ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        AddConclusion(1, 7, kToday - 10);
        AddConclusion(2, 7, kToday - 3);
        AddConclusion(3, 8, kToday - 1);
        AddConclusion(4, 6, kToday - 1);
        AddConclusion(5, 7, kToday - 3);
        tdm.Options().SetLastChange(5);
        restorator = test::ZipOf({{"readme.txt", "x"}, {"RebootVD.exe", kRestartScript}});
    }

    static json Change(int id, int oldStatus, int newStatus, int oldBlank, int newBlank, const std::string& oldRef,
                       const std::string& newRef) {
        return {{"id", id},           {"oldStatus", oldStatus},  {"newStatus", newStatus}, {"oldBlankNo", oldBlank},
                {"newBlankNo", newBlank}, {"oldReferenceNo", oldRef}, {"newReferenceNo", newRef}};
    }

    json Script() const {
        return {
            {"stationKey", test::kTestStationKey},
            {"hello", {{"messages", {"Добро пожаловать\nна сервер"}}}},
            {"icod", {{"tppName", "Палата после обновления"}}},
            {"changes",
             {{"clean", Date(kToday - 5)},
              {"records",
               {Change(5, 7, 9, 1002, 1002, "6007000002", "6007000002"),  // applied before: skipped
                Change(6, 7, 9, 1005, 1005, "6007000005  ", "6007000005"),
                Change(7, 8, 8, 1003, 2003, "6007000003", "6007000003")}}}},
            {"version",
             {{"lastdate", Date(kToday - 4)},
              {"versions",
               {{{"name", "program"}, {"url", "/files/FormVD.zip"}, {"version", "1.1.1.7"}},
                {{"name", "restorator"}, {"url", "/files/restorator.zip"}, {"version", "3"}},
                {{"name", "support"}, {"url", "/files/support.zip"}, {"version", "0"}}}}}},
            {"files",
             {{"/files/restorator.zip",
               {{"base64", Base64Encode(restorator)}}}}},
        };
    }

    Outcome Run(const json& script) {
        StartSim(script);
        return RunAgain();
    }

    Outcome RunAgain() {
        session_ = std::make_unique<SyncSession>(tdm, sleeper, log);
        session_->SetArmFacts(test::FixedArmFacts());
        session_->SetProgramStarter([this](const std::filesystem::path& program, const std::string& commandLine) {
            started.emplace_back(program, commandLine);
            return 0;
        });
        const Outcome outcome = session_->aStartExecute();
        failure = session_->FailureText();
        return outcome;
    }

    SyncSession& Session() { return *session_; }

    std::vector<json> Posts() const {
        std::vector<json> posts;
        for (const auto& request : sim->Requests()) {
            if (request["verb"] == "POST") posts.push_back(request);
        }
        return posts;
    }

    std::string Packet(DayNumber day) {
        PacketBuilder builder(tdm, log, sleeper);
        builder.SetArmFacts(test::FixedArmFacts());
        return builder.GetXMLData(day);
    }

    std::vector<std::pair<std::filesystem::path, std::string>> started;
    std::string failure;
    std::string restorator;  // the archive the server offers

private:
    std::unique_ptr<SyncSession> session_;
};

TEST_F(Sync, ARunGoesThroughEveryStepInOrder) {
    EXPECT_EQ(Run(Script()), Outcome::Restarting) << failure;
    EXPECT_EQ(sim->Paths(), (std::vector<std::string>{"GET /sync/hello", "GET /cbd/icod", "GET /sync/hello",
                                                       "GET /cbd/version", "GET /cbd/changes", "GET /cbd/version",
                                                       "POST /cbd/save", "POST /cbd/save", "GET /cbd/version",
                                                       "GET /files/restorator.zip"}));
    const std::string params = "tppn=7&plcn=1&tppk=" + std::string(test::kTestStationKey) + "&pver=1.1.1.7";
    const auto requests = sim->Requests();
    EXPECT_EQ(requests[0]["query"], params);
    EXPECT_EQ(requests[4]["query"], params + "&lastKnownChange=5");
    for (const auto& request : requests) {
        EXPECT_EQ(request["clientSubject"], "CN=Workstation VD 007-01,O=Vardelo Test");
        if (request["verb"] == "GET") {
            EXPECT_EQ(request["contentLength"], std::to_string(params.size())) << request;
        }
    }
    // Before every request from the changes on, and before the download's send.
    EXPECT_EQ(sleeper.pauses, std::vector<int>(11, 1000));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Добро пожаловать\r\nна сервер", "Добро пожаловать\r\nна сервер",
                                                    "Ищем заключения за 08.12.2026", "Передаём заключения за 08.12.2026",
                                                    "Ищем заключения за 10.12.2026", "Передаём заключения за 10.12.2026",
                                                    "Проверяем обновления", "Получение файла restorator.zip",
                                                    "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}));
    EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Идёт передача...", ""}));
}

TEST_F(Sync, TheStationFileIsRefreshed) {
    ASSERT_EQ(Run(Script()), Outcome::Restarting) << failure;
    EXPECT_EQ(tdm.Station().tppName, "Палата после обновления");
    EXPECT_EQ(ReadStationFile(ReadFileBytes(paths.StationFile())).tppName, "Палата после обновления");
}

TEST_F(Sync, CentralChangesAreAppliedOnceAndOldDocumentsDropped) {
    ASSERT_EQ(Run(Script()), Outcome::Restarting) << failure;
    EXPECT_EQ(Option(option::kLastChange), "7");
    EXPECT_EQ(Rows("select id, status, PaperNo from mcod order by id"),
              (std::vector<std::vector<std::string>>{{"2", "7", "1002"},    // record 5 was known already
                                                     {"3", "8", "2003"},
                                                     {"4", "6", "1004"},
                                                     {"5", "9", "1005"}}));
    // The dropped conclusion takes its goods lines and expertise with it.
    EXPECT_EQ(Value("select count(*) from dcod where idM = 1"), "0");
    EXPECT_EQ(Value("select count(*) from expertise where idM = 1"), "0");
    EXPECT_EQ(Value("select count(*) from dcod"), "8");
}

TEST_F(Sync, EachChangedDayIsPostedAsItsPacket) {
    ASSERT_EQ(Run(Script()), Outcome::Restarting) << failure;
    const auto posts = Posts();
    ASSERT_EQ(posts.size(), 2u);
    const std::string params = "tppn=7&plcn=1&tppk=" + std::string(test::kTestStationKey) + "&pver=1.1.1.7";
    for (const auto& post : posts) EXPECT_TRUE(post["body"].get<std::string>().starts_with(params + "&certBody=%3C%3Fxml+"));
    EXPECT_EQ(test::DecodedCertBody(posts[0]["body"]), Packet(kToday - 3));
    EXPECT_EQ(test::DecodedCertBody(posts[1]["body"]), Packet(kToday - 1));
    EXPECT_NE(Packet(kToday - 3).find("referenceNo=\"6007000005\""), std::string::npos);
}

TEST_F(Sync, TheUpdateCheckInstallsTheRestartProgramAndHandsOver) {
    ASSERT_EQ(Run(Script()), Outcome::Restarting) << failure;
    EXPECT_EQ(Session().UpdateList(), std::vector<std::string>{"restorator%/files/restorator.zip*3"});
    const auto restartProgram = paths.programDir / "RebootVD.exe";
    EXPECT_EQ(ReadFileBytes(restartProgram), kRestartScript);
    EXPECT_NE(std::filesystem::status(restartProgram).permissions() & std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);
    EXPECT_EQ(ReadFileBytes(paths.DownloadDir() / "restorator.zip"), restorator);
    EXPECT_EQ(Option(option::kRestoratorZip), "3");
    EXPECT_EQ(Option(option::kSupportZip), "");
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday));
    const auto updated = sink.WithId(event::kFileStep);
    ASSERT_EQ(updated.size(), 1u);
    EXPECT_EQ(updated[0].type, EventType::Success);
    EXPECT_EQ(updated[0].strings, std::vector<std::string>{"файл RebootVD.exe обновлён с сервера"});
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Сейчас программа будет перезапущена"});
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, restartProgram);
    EXPECT_EQ(started[0].second, "restorator%/files/restorator.zip*3");
}

// The ways a run ends early: the outcome, the last log lines, the event written, and what
// stays as it was.
struct EarlyEnd {
    const char* name;
    std::function<void(json&)> change;
    Outcome outcome;
    std::string failure;                 // the failure text, for a failed run
    std::vector<std::string> logTail;    // the last lines of the log
    std::uint32_t eventId;
    std::string event;                   // part of that event's strings
    bool databaseKept;                   // documents as before the run
    bool stationKept;                    // data/i.cod as before the run
    std::size_t posts;
};

void PrintTo(const EarlyEnd& c, std::ostream* out) { *out << c.name; }

class SyncEndsEarly : public Sync, public ::testing::WithParamInterface<EarlyEnd> {};

TEST_P(SyncEndsEarly, WithItsLogLinesAndEvent) {
    const auto& c = GetParam();
    json script = Script();
    c.change(script);
    StartSim(script);
    const std::string documents = Snapshot();
    const std::string station = ReadFileBytes(paths.StationFile());
    EXPECT_EQ(RunAgain(), c.outcome) << failure;
    EXPECT_EQ(failure, c.failure);
    ASSERT_GE(log.lines.size(), c.logTail.size());
    EXPECT_EQ(std::vector<std::string>(log.lines.end() - static_cast<std::ptrdiff_t>(c.logTail.size()), log.lines.end()),
              c.logTail);
    EXPECT_TRUE(AnyContains(EventStrings(c.eventId), c.event)) << ::testing::PrintToString(EventStrings(c.eventId));
    if (c.databaseKept) {
        EXPECT_EQ(Snapshot(), documents);
    }
    if (c.stationKept) {
        EXPECT_EQ(ReadFileBytes(paths.StationFile()), station);
    }
    EXPECT_EQ(Posts().size(), c.posts);
    EXPECT_TRUE(started.empty());
    if (c.outcome == Outcome::Failed) {
        EXPECT_TRUE(AnyContains(EventStrings(event::kUnexpectedFailure), "uFormSync.TFormSync.aStartExecute() | " + c.failure));
        EXPECT_EQ(ui.statusTexts.back(), "сбой процедуры");
    }
}

const std::vector<std::string> kFailedTail = {"Зафиксирована ошибка синхронизации.", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"};

INSTANTIATE_TEST_SUITE_P(Cases, SyncEndsEarly, ::testing::Values(
    EarlyEnd{"HelloNotXml", [](json& s) { s["hello"] = {{"raw", "<hello"}}; }, Outcome::Failed,
             "Дефектный ответ на hello", kFailedTail, event::kNetworkFailed,
             "uFormSync.TFormSync.aStartExecute | \"hello\". Невнятный ответ сервера:  | <hello", true, true, 0},
    EarlyEnd{"HelloWithoutProtocol", [](json& s) { s["hello"]["protocol"] = nullptr; }, Outcome::Failed,
             "Узел exchangeProtocol не найден", kFailedTail, event::kMalformedReply0,
             "uFormSync.TFormSync.aStartExecute | \"hello\"exchangeProtocol | <?xml", true, true, 0},
    EarlyEnd{"ProtocolVersion3", [](json& s) { s["hello"]["protocol"] = "3"; }, Outcome::Failed,
             "Версия протокола 3,а нужно только вторая", kFailedTail, event::kMalformedReply2,
             "\"hello\" | exchangeProtocol version=\"2\" | 3", true, true, 0},
    EarlyEnd{"WrongStationKey", [](json& s) { s["stationKey"] = "другой"; }, Outcome::Stopped, "",
             {"Неверный ключ АРМа", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}, event::kFileStep,
             "Sync.TFormSync.aStartExecute /sync/hello (DM.GetErrorFromServer) <?xml", true, true, 0},
    EarlyEnd{"StationFileDoesNotDecode", [](json& s) { s["icod"] = {{"raw", "not a station file"}}; }, Outcome::Failed,
             "новый i.cod получить не удалось",
             {"новый i.cod получить не удалось", "Зафиксирована ошибка синхронизации.", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"},
             event::kNetworkFailed, "uFormSync.TFormSync.aStartExecute | /icod (ReadStationFile)", true, true, 0},
    EarlyEnd{"StationFileRefused", [](json& s) { s["icod"] = {{"error", "Файл станции не выдан"}}; }, Outcome::Failed,
             "новый i.cod получить не удалось",
             {"Файл станции не выдан", "новый i.cod получить не удалось", "Зафиксирована ошибка синхронизации.",
              "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"},
             event::kNetworkFailed, "\"icod\". ответ сервера:  | <?xml", true, true, 0},
    EarlyEnd{"NoServerWithCertificate", [](json& s) { s["version"]["certificate"] = false; }, Outcome::Failed,
             "Не найден подходящий адрес (url)",
             {"Не найден подходящий адрес (url)", "Зафиксирована ошибка синхронизации.", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"},
             event::kUnexpectedFailure, "Не найден подходящий адрес (url)", true, false, 0},
    EarlyEnd{"ChangesNotXml", [](json& s) { s["changes"] = {{"raw", "<reply"}}; }, Outcome::Failed,
             "/changes: Error parsing start element tag <reply", kFailedTail, event::kUnexpectedFailure, "/changes",
             true, false, 0},
    EarlyEnd{"CleanDateInvalid", [](json& s) { s["changes"]["clean"] = "31.02.2012"; }, Outcome::Failed,
             "\"/changes\" похоже использует неверный формат даты 31.02.2012", kFailedTail, event::kUnexpectedFailure,
             "31.02.2012", true, false, 0},
    EarlyEnd{"LastDateInvalid", [](json& s) { s["version"]["lastdate"] = "31.02.2012"; }, Outcome::Failed,
             "\"/version\" похоже использует неверный формат даты ", kFailedTail, event::kUnexpectedFailure,
             "неверный формат даты", false, false, 0},
    EarlyEnd{"SaveStatus2", [](json& s) { s["save"] = {{{"status", 2}, {"text", "Сбой сервера"}}}; }, Outcome::Stopped,
             "", {"Сбой сервера", "есть критические ошибки", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}, event::kNetworkFailed,
             "uFormSync.TFormSync.aStartExecute | submit cert (сбой) | <?xml", false, false, 1},
    EarlyEnd{"SaveNotXml", [](json& s) { s["save"] = {{{"raw", "oops"}}}; }, Outcome::Stopped, "",
             {"есть критические ошибки", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}, event::kNetworkFailed,
             "uFormSync.TFormSync.aStartExecute | submit cert (сбой) | oops", false, false, 1},
    EarlyEnd{"DownloadBreaksOff", [](json& s) { s["files"]["/files/restorator.zip"]["mode"] = "truncated"; },
             Outcome::Failed, "Ошибка получения файла", kFailedTail, event::kNetworkFailed,
             "uFormSync.TFormSync.aStartExecute | (Syn.ReadResponseData) restorator.zip | [ErrorCode 18]", false, false,
             2},
    EarlyEnd{"ArchiveWithoutRestartProgram",
             [](json& s) { s["files"]["/files/restorator.zip"] = {{"base64", Base64Encode(test::ZipOf({{"a", "b"}}))}}; },
             Outcome::Failed, "в присланном архиве нет файла RebootVD.exe", kFailedTail, event::kUnexpectedFailure,
             "в присланном архиве нет файла RebootVD.exe", false, false, 2}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Sync, AChangeWithoutAnAttributeKeepsTheChangesBeforeIt) {
    json script = Script();
    script["changes"]["records"][2].erase("newStatus");
    EXPECT_EQ(Run(script), Outcome::Failed);
    EXPECT_EQ(failure, "certificate-change: нет атрибута newStatus");
    EXPECT_EQ(Option(option::kLastChange), "6");
    EXPECT_EQ(Value("select status from mcod where id = 5"), "9");
    EXPECT_EQ(Value("select PaperNo from mcod where id = 3"), "1003");
    EXPECT_TRUE(Posts().empty());
}

TEST_F(Sync, ADroppedDownloadLeavesNoFileButKeepsWhatWasRecorded) {
    json script = Script();
    script["files"]["/files/restorator.zip"]["mode"] = "truncated";
    EXPECT_EQ(Run(script), Outcome::Failed);
    EXPECT_FALSE(std::filesystem::exists(paths.DownloadDir() / "restorator.zip"));
    EXPECT_FALSE(std::filesystem::exists(paths.programDir / "RebootVD.exe"));
    EXPECT_EQ(Option(option::kRestoratorZip), "");
    EXPECT_EQ(Option(option::kLastSync), std::to_string(kToday));  // the versions were listed
}

TEST_F(Sync, ARestorerArchiveWithoutTheProgramIsStillKeptInDownLoad) {
    json script = Script();
    const std::string archive = test::ZipOf({{"a", "b"}});
    script["files"]["/files/restorator.zip"] = {{"base64", Base64Encode(archive)}};
    EXPECT_EQ(Run(script), Outcome::Failed);
    EXPECT_EQ(ReadFileBytes(paths.DownloadDir() / "restorator.zip"), archive);
}

TEST_F(Sync, WithoutAClientCertificateTheServerIsNotReached) {
    std::filesystem::remove_all(paths.certStoreDir / "my");
    EXPECT_EQ(Run(Script()), Outcome::Failed);
    EXPECT_TRUE(failure.starts_with("SendHttpsRequest: [ErrorCode ")) << failure;
    EXPECT_NE(failure.find("\"VD\""), std::string::npos) << failure;
    EXPECT_TRUE(sim->Requests().empty());
    EXPECT_EQ(log.lines, kFailedTail);
}

TEST_F(Sync, SaveStatus1ListsTheRefusedBlanksAndGoesOn) {
    json script = Script();
    script["save"] = {{{"status", 1},
                       {"text", "Есть замечания"},
                       {"certificates",
                        {{{"id", "0001002"}, {"text", "отклонён"}, {"errors", {"нет даты", "нет товара"}}},
                         {{"id", "0001005"}, {"text", "отклонён"}, {"errors", {"нет адреса"}}}}}},
                      {{"status", 0}}};
    EXPECT_EQ(Run(script), Outcome::Restarting) << failure;
    const std::vector<std::string> expected = {"Передаём заключения за 08.12.2026",
                                               "Есть замечания",
                                               "    Бланк 0001002  отклонён",
                                               "        нет даты",
                                               "        нет товара",
                                               "    Бланк 0001005  отклонён",
                                               "        нет адреса",
                                               "Ищем заключения за 10.12.2026"};
    const auto first = std::find(log.lines.begin(), log.lines.end(), expected[0]);
    ASSERT_NE(first, log.lines.end());
    EXPECT_EQ(std::vector<std::string>(first, first + static_cast<std::ptrdiff_t>(expected.size())), expected);
    EXPECT_TRUE(AnyContains(EventStrings(event::kNetworkFailed),
                            "uFormSync.TFormSync.aStartExecute | submit certs (Скрипт сообщает об ошибке): | <?xml"));
    EXPECT_EQ(Posts().size(), 2u);
}

TEST_F(Sync, ACleanDateAfterEveryChangeDropsEveryDocument) {
    json script = Script();
    script["changes"]["clean"] = Date(kToday + 1);
    EXPECT_EQ(Run(script), Outcome::Restarting) << failure;
    for (const char* table : {"mcod", "dcod", "expertise"}) {
        EXPECT_EQ(Value(std::string("select count(*) from ") + table), "0") << table;
    }
    EXPECT_TRUE(Posts().empty());
}

TEST_F(Sync, WithoutChangedConclusionsNothingIsPosted) {
    tdm.Db().Exec("delete from mcod where status <> 6");
    EXPECT_EQ(Run(Script()), Outcome::Restarting) << failure;
    EXPECT_TRUE(Posts().empty());
    EXPECT_FALSE(AnyContains(log.lines, "Ищем заключения"));
}

TEST_F(Sync, InterruptingTakesEffectBeforeTheNextDay) {
    StartSim(Script());
    ui.onProcessEvents = [this] {
        // "Прервать" clicked while the first day's packet is being built.
        if (!log.lines.empty() && log.lines.back().starts_with("Ищем заключения")) Session().aStopExecute();
    };
    EXPECT_EQ(RunAgain(), Outcome::Interrupted);
    EXPECT_EQ(Posts().size(), 1u);
    EXPECT_EQ(std::vector<std::string>(log.lines.end() - 3, log.lines.end()),
              (std::vector<std::string>{"Передаём заключения за 08.12.2026", "СИНХРОНИЗАЦИЯ ПРЕРВАНА",
                                        "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}));
    EXPECT_TRUE(started.empty());
    // The next run starts afresh.
    ui.onProcessEvents = nullptr;
    EXPECT_EQ(RunAgain(), Outcome::Restarting) << failure;
}

TEST_F(Sync, AnUnreachableServerIsPassedOver) {
    json script = Script();
    script["hello"]["cdb"] = {{{"host", "127.0.0.1"}, {"port", test::ClosedPort()}, {"path", "/down/"}},
                              {{"host", "127.0.0.1"}, {"path", "/cbd/"}}};
    EXPECT_EQ(Run(script), Outcome::Restarting) << failure;
    const auto events = EventStrings(event::kNetworkFailed);
    EXPECT_TRUE(AnyContains(events, "uFormSync.TFormSync.aStartExecute | /icod (Syn.SendHttpsRequest) | [ErrorCode 7]"));
    EXPECT_TRUE(AnyContains(events, "uFormSync.TFormSync.aStartExecute | /version (Syn.SendHttpsRequest) | [ErrorCode 7]"));
    EXPECT_EQ(Posts().size(), 2u);
}

TEST_F(Sync, APacketThatCannotBeBuiltFailsTheRunAfterNineTries) {
    tdm.Db().Exec("update mcod set date10 = NULL where id = 5");
    EXPECT_EQ(Run(Script()), Outcome::Failed);
    EXPECT_EQ(failure, "Не заполнена дата date10");
    std::size_t builds = 0;
    for (const auto& line : log.lines) builds += line.starts_with("произошла ошибка формирования") ? 1 : 0;
    EXPECT_EQ(builds, static_cast<std::size_t>(SyncSession::kPacketAttempts));
    EXPECT_EQ(std::vector<std::string>(log.lines.end() - 3, log.lines.end()),
              (std::vector<std::string>{"Eсть критические ошибки. Ошибка синхронизации",
                                        "Зафиксирована ошибка синхронизации.", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}));
    EXPECT_TRUE(Posts().empty());
}

TEST_F(Sync, TheStartDayLiesBetweenTheOldestIssueAndTheLatestChange) {
    // No lastdate: the oldest issue date; a lastdate later than every change: the latest day.
    for (const auto& [lastdate, posts] : std::vector<std::pair<json, std::size_t>>{
             {nullptr, 2}, {Date(kToday + 30), 1}, {Date(kToday - 2), 1}, {Date(kToday - 400), 2}}) {
        json script = Script();
        if (lastdate.is_null()) script["version"].erase("lastdate");
        else script["version"]["lastdate"] = lastdate;
        Run(script);
        EXPECT_EQ(Posts().size(), posts) << lastdate;
        tdm.Options().SetLastChange(5);
        log.lines.clear();
    }
}

TEST_F(Sync, DocumentDatesFallBackWhenThereAreNoDocuments) {
    tdm.Db().Exec("delete from mcod");
    EXPECT_EQ(GetMinDateOfDocument(tdm), kToday);
    EXPECT_EQ(GetMaxLastDate(tdm), kToday - 3);
    EXPECT_FALSE(GetMinLastDate(tdm).has_value());
}

}  // namespace
}  // namespace vd

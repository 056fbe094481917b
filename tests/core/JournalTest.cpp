#include <gtest/gtest.h>

#include "MemorySink.h"
#include "TempDir.h"
#include "core/Journal.h"
#include "core/Session.h"
#include "support/Files.h"

namespace vd {
namespace {

TEST(Journal, ReportErrorNamesUserAndLocation) {
    Session session;
    test::MemorySink sink;
    const Journal journal(sink, session);

    journal.ReportError("uDataVD.TDM.LoadAll", "disk I/O error");
    session.currentUserName = "Ведров Ким Алексеевич";
    journal.ReportError("uDataVD.TDM.LoadAll", "database is locked");

    ASSERT_EQ(sink.events.size(), 2u);
    for (const Event& e : sink.events) {
        EXPECT_EQ(e.id, 0x40000103u);
        EXPECT_EQ(e.type, EventType::Error);
        EXPECT_EQ(e.category, EventCategory::UserAction);
    }
    EXPECT_EQ(sink.events[0].strings, (std::vector<std::string>{"[unknown]uDataVD.TDM.LoadAll", "disk I/O error"}));
    EXPECT_EQ(sink.events[1].strings,
              (std::vector<std::string>{"[Ведров Ким Алексеевич]uDataVD.TDM.LoadAll", "database is locked"}));
}

TEST(Journal, FileSinkWritesOneJsonObjectPerLine) {
    test::TempDir dir;
    const auto file = dir.Path() / "state" / "vardelo" / "events.jsonl";
    JsonLinesSink sink(file);
    Session session;
    const Journal journal(sink, session);
    journal.WriteEvent(EventType::Information, EventCategory::UserAction, 0x40000201);
    journal.WriteEvent(EventType::AuditFailure, EventCategory::UserAction, 0x40007201, {"unknown", "Имя \"x\""});

    const std::string text = ReadFileBytes(file);
    const auto firstEnd = text.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    const std::string first = text.substr(0, firstEnd);
    const std::string second = text.substr(firstEnd + 1);
    EXPECT_NE(first.find("\"source\":\"Radevaredu VI\""), std::string::npos);
    EXPECT_NE(first.find("\"type\":4,\"category\":7,\"id\":\"0x40000201\""), std::string::npos);
    EXPECT_NE(first.find("\"strings\":[]}"), std::string::npos);
    EXPECT_NE(first.find("\"time\":\""), std::string::npos);
    EXPECT_NE(first.find("\"user\":\""), std::string::npos);
    EXPECT_NE(second.find("\"type\":16,\"category\":7,\"id\":\"0x40007201\""), std::string::npos);
    EXPECT_NE(second.find("\"strings\":[\"unknown\",\"Имя \\\"x\\\"\"]}\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
}

TEST(Journal, UnwritableJournalIsSilent) {
    test::TempDir dir;
    WriteFileAtomically(dir.Path() / "blocker", "a file where a folder should be");
    JsonLinesSink sink(dir.Path() / "blocker" / "events.jsonl");
    Session session;
    const Journal journal(sink, session);
    EXPECT_NO_THROW(journal.ReportError("uFormMain.TfMainForm._Exception", "boom"));
}

TEST(Journal, EventIdsAreWrittenInHex) {
    EXPECT_EQ(EventIdText(0x40000103), "0x40000103");
    EXPECT_EQ(EventIdText(0x40007212), "0x40007212");
}

}  // namespace
}  // namespace vd

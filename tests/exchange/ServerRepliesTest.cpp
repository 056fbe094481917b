#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "ExchangeFixture.h"
#include "core/OptionKeys.h"
#include "exchange/CentralServer.h"
#include "exchange/CertificateChange.h"
#include "exchange/Messages.h"
#include "exchange/ServerReplies.h"

namespace vd {
namespace {

using test::kToday;

TEST(ServerReplies, ErrorPacketsAreRecognised) {
    const std::pair<const char*, const char*> cases[] = {
        {"<dataPacket name=\"authfailed\"><message>Неверный ключ</message></dataPacket>", "Неверный ключ"},
        {"<dataPacket name=\"authfailed\"><message/></dataPacket>", " "},
        {"<dataPacket name=\"authfailed\"/>", " "},
        {"<dataPacket name=\"other\"><message>x</message></dataPacket>", ""},
        {"<hello><exchangeProtocol version=\"2\"/></hello>", ""},
    };
    for (const auto& [reply, text] : cases) {
        EXPECT_EQ(GetErrorFromServer(reply), text) << reply;
        EXPECT_EQ(ErrorPacketText(reply), text) << reply;
    }
    EXPECT_THROW(GetErrorFromServer("<dataPacket name="), std::runtime_error);
    EXPECT_EQ(ErrorPacketText(std::string("\x8f\x12<binary", 9)), "");
}

struct DateCase {
    const char* text;
    std::optional<CalendarDate> date;
};

void PrintTo(const DateCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ReplyDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(ReplyDate, IsReadStrictly) {
    const auto& c = GetParam();
    const auto day = ParseReplyDate(c.text);
    ASSERT_EQ(day.has_value(), c.date.has_value()) << c.text;
    if (day) {
        EXPECT_EQ(ToCalendarDate(*day), *c.date) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplyDate, ::testing::Values(
    DateCase{"05.03.2012", CalendarDate{2012, 3, 5}},
    DateCase{"5 3 2012", CalendarDate{2012, 3, 5}},
    DateCase{" 05.03.2012 ", CalendarDate{2012, 3, 5}},
    DateCase{"29.02.2012", CalendarDate{2012, 2, 29}},
    DateCase{"31.02.2012", std::nullopt},  // no such day, never 2 March
    DateCase{"05.03", std::nullopt},
    DateCase{"05..03.2012", std::nullopt},
    DateCase{"a.b.c", std::nullopt},
    DateCase{"05.03.70000", std::nullopt},  // a part must fit in 16 bits
    DateCase{"-5.03.2012", std::nullopt},
    DateCase{"", std::nullopt}));

TEST(ServerReplies, SaveRepliesAreRead) {
    const auto saved = ReadSaveReply(
        "<reply><status>1</status><status-text>Есть ошибки</status-text><certificates>"
        "<certificate id=\"0000123\" status-text=\"отклонён\"><error>нет даты</error><error>нет товара</error>"
        "</certificate><certificate id=\"0000124\" status-text=\"принят\"/></certificates></reply>");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->status, 1);
    EXPECT_EQ(saved->statusText, "Есть ошибки");
    ASSERT_EQ(saved->certificates.size(), 2u);
    EXPECT_EQ(saved->certificates[0].id, "0000123");
    EXPECT_EQ(saved->certificates[0].statusText, "отклонён");
    EXPECT_EQ(saved->certificates[0].errors, (std::vector<std::string>{"нет даты", "нет товара"}));
    EXPECT_TRUE(saved->certificates[1].errors.empty());
    for (const char* unreadable : {"<reply/>", "<reply><status>x</status></reply>", "status 0", ""}) {
        EXPECT_FALSE(ReadSaveReply(unreadable).has_value()) << unreadable;
    }
}

TEST(ServerReplies, LineBreaksAndPathsAreMadeUniform) {
    EXPECT_EQ(UniformLineBreaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    const std::pair<const char*, const char*> paths[] = {{"/cbd/", "/cbd"}, {"cbd/", ""}, {"/a/b/", "/a/b"},
                                                         {"cbd", "cbd"},    {"/", ""},     {"", ""}};
    for (const auto& [path, normalised] : paths) EXPECT_EQ(NormalisedServerPath(path), normalised) << path;
}

struct HelloCase {
    const char* name;
    std::string reply;
    std::uint32_t eventId;
    std::string eventStrings;
    std::string failure;
};

void PrintTo(const HelloCase& c, std::ostream* out) { *out << c.name; }

class HelloCheck : public test::ExchangeFixture, public ::testing::WithParamInterface<HelloCase> {};

TEST_P(HelloCheck, WritesItsEventAndFails) {
    const auto& c = GetParam();
    pugi::xml_document document;
    try {
        CheckHelloReply(c.reply, "where", core.journal, log, document);
        FAIL() << "the greeting must be refused";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(e.what(), c.failure);
    }
    EXPECT_EQ(EventStrings(c.eventId), std::vector<std::string>{c.eventStrings});
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].type, EventType::Error);
    EXPECT_EQ(sink.events[0].category, EventCategory::Exchange);
    EXPECT_TRUE(log.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, HelloCheck, ::testing::Values(
    HelloCase{"NotXml", "<hello", event::kNetworkFailed, "where | \"hello\". Невнятный ответ сервера:  | <hello",
              "Дефектный ответ на hello"},
    HelloCase{"Empty", " ", event::kNetworkFailed, "where | \"hello\". Невнятный ответ сервера:  |  ",
              "Дефектный ответ на hello"},
    HelloCase{"NoProtocol", "<hello><cdb/></hello>", event::kMalformedReply0,
              "where | \"hello\"exchangeProtocol | <hello><cdb/></hello>", "Узел exchangeProtocol не найден"},
    HelloCase{"NoVersion", "<hello><exchangeProtocol/></hello>", event::kMalformedReply1,
              "where | \"hello\" | exchangeProtocol version=\"2\"", "Отсутствует версия протокола"},
    HelloCase{"UnreadableVersion", "<hello><exchangeProtocol version=\"два\"/></hello>", event::kMalformedReply1,
              "where | \"hello\" | exchangeProtocol version=\"2\"", "Отсутствует версия протокола"},
    HelloCase{"Version3", "<hello><exchangeProtocol version=\"3\"/></hello>", event::kMalformedReply2,
              "where | \"hello\" | exchangeProtocol version=\"2\" | 3", "Версия протокола 3,а нужно только вторая"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(HelloCheck, AGoodGreetingLogsItsMessages) {
    pugi::xml_document document;
    CheckHelloReply("<hello><exchangeProtocol version=\"2\"/><message>Первая\nстрока</message><message>Вторая</message>"
                    "</hello>",
                    "where", core.journal, log, document);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Первая\r\nстрока", "Вторая"}));
    EXPECT_TRUE(sink.events.empty());
    EXPECT_TRUE(document.document_element().child("exchangeProtocol"));
}

// Central status changes applied to mcod.
class CentralChange : public test::ExchangeFixture {
protected:
    static pugi::xml_node Record(pugi::xml_document& document, const std::string& xml) {
        EXPECT_TRUE(document.load_string(xml.c_str()));
        return document.document_element();
    }
};

TEST_F(CentralChange, MovesTheMatchingConclusionAndAdvancesLastChange) {
    AddConclusion(1, 7, kToday, 1001, "6007000001");
    AddConclusion(2, 7, kToday, 1002, "6007000002");
    pugi::xml_document document;
    // The old reference carries two trailing blanks, as old files do.
    ApplyCertificateChange(tdm, ReadCertificateChange(Record(document,
        "<certificate-change id=\"6\" oldStatus=\"7\" newStatus=\"9\" oldBlankNo=\"1001\" newBlankNo=\"2001\" "
        "oldReferenceNo=\"6007000001  \" newReferenceNo=\"2077000123\"/>")));
    EXPECT_EQ(Rows("select status, PaperNo, ReferenceNo, GNum, NumNum from mcod order by id"),
              (std::vector<std::vector<std::string>>{{"9", "2001", "2077000123", "2", "123"},
                                                     {"7", "1002", "6007000002", "6", "2"}}));
    EXPECT_EQ(Option(option::kLastChange), "6");
}

TEST_F(CentralChange, ARecordMatchingNothingStillAdvancesLastChange) {
    AddConclusion(1);
    const std::string before = Snapshot();
    pugi::xml_document document;
    ApplyCertificateChange(tdm, ReadCertificateChange(Record(document,
        "<certificate-change id=\"9\" oldStatus=\"8\" newStatus=\"9\" oldBlankNo=\"1001\" newBlankNo=\"2001\" "
        "oldReferenceNo=\"6007000001\" newReferenceNo=\"6007000001\"/>")));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Option(option::kLastChange), "9");
}

TEST_F(CentralChange, AnIncompleteRecordIsRefusedByName) {
    AddConclusion(1);
    const std::string before = Snapshot();
    const std::pair<const char*, const char*> cases[] = {
        {"<c id=\"6\" oldStatus=\"7\" oldBlankNo=\"1\" newBlankNo=\"2\" oldReferenceNo=\"a\" newReferenceNo=\"6007000001\"/>",
         "certificate-change: нет атрибута newStatus"},
        {"<c id=\"x\"/>", "certificate-change: не читается атрибут id"},
        {"<c id=\"6\" oldStatus=\"7\" newStatus=\"9\" oldBlankNo=\"1\" newBlankNo=\"два\" oldReferenceNo=\"a\" "
         "newReferenceNo=\"b\"/>",
         "certificate-change: не читается атрибут newBlankNo"},
    };
    for (const auto& [xml, message] : cases) {
        pugi::xml_document document;
        try {
            ReadCertificateChange(Record(document, xml));
            ADD_FAILURE() << xml;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
    // A new reference whose year digit or running number does not read changes nothing.
    pugi::xml_document document;
    EXPECT_THROW(ApplyCertificateChange(tdm, ReadCertificateChange(Record(document,
                     "<c id=\"6\" oldStatus=\"7\" newStatus=\"9\" oldBlankNo=\"1001\" newBlankNo=\"2\" "
                     "oldReferenceNo=\"6007000001\" newReferenceNo=\"X007\"/>"))),
                 std::runtime_error);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Option(option::kLastChange), "");
}

}  // namespace
}  // namespace vd

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <functional>

#include "ExchangeFixture.h"
#include "core/OptionKeys.h"
#include "exchange/DataPacket.h"
#include "support/Text.h"

namespace vd {
namespace {

using test::kToday;

// One conclusion with every field filled, as the editor and the status lifecycle store it.
struct Document {
    MasterRecord master;
    std::vector<GoodsLine> goods;
    std::vector<ExpertiseRef> expertise;
};

Document FullDocument() {
    Document d;
    MasterRecord& m = d.master;
    m.id = 1;
    m.status = 7;
    m.paperNo = 4567;
    m.referenceNo = "6007000001";
    m.gNum = 6;
    m.numNum = 1;
    m.dateIssued = kToday - 1;
    m.modifiedDate = kToday;
    m.goDuplicate = "6007000002";
    m.expert = "Ведров";
    m.modifierExpert = "Петров";
    m.declarant = "ООО \"Лес\" & Co\r\nВологда";
    m.address = "ул. Мира <1>";
    m.supportInfo = "Контракт\t№ 5";
    m.tppName = "ТПП";
    m.declaratorFio = "Петров П. П.";
    m.declarationDate = kToday - 2;
    m.fio10 = "Иванов";
    m.date10 = kToday - 3;
    m.lastDate = kToday;
    m.fSize = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    d.goods = {GoodsLine{"1", "Доски", "10", "ящик", "5 м3", "Инв 1\r\nИнв 2"}};
    d.expertise = {ExpertiseRef{kToday - 5, "Э-1"}};
    return d;
}

class Packet : public test::ExchangeFixture {
protected:
    void Store(const Document& d) {
        InsertStatements& inserts = tdm.Inserts();
        inserts.InsertMaster(d.master);
        for (const auto& line : d.goods) inserts.InsertGoods(d.master.id, line);
        for (const auto& ref : d.expertise) inserts.InsertExpertise(d.master.id, ref);
    }
    void StoreWithStatus(std::int64_t id, int status, DayNumber lastDate = kToday) {
        Document d = FullDocument();
        d.master.id = id;
        d.master.status = status;
        d.master.referenceNo = "6007" + ExactDigits(id, 6);
        d.master.lastDate = lastDate;
        Store(d);
    }
    PacketBuilder& Builder() {
        if (!builder_) {
            builder_ = std::make_unique<PacketBuilder>(tdm, log, sleeper);
            builder_->SetArmFacts(test::FixedArmFacts());
        }
        return *builder_;
    }
    // The referenceNo of every row, in packet order.
    static std::vector<std::string> References(const std::string& packet) {
        pugi::xml_document document;
        EXPECT_TRUE(document.load_string(packet.c_str()));
        std::vector<std::string> references;
        for (const auto row : document.document_element().children("row")) references.emplace_back(row.attribute("referenceNo").value());
        return references;
    }

private:
    std::unique_ptr<PacketBuilder> builder_;
};

TEST_F(Packet, IsWrittenByteForByte) {
    tdm.SaveOption(kCommonUser, option::kLastChange, "42");
    Store(FullDocument());
    StoreWithStatus(2, 6);  // a project is never reported
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<dataPacket version=\"2.0\" name=\"Vardelo VD\" Program=\"FormVD.exe\" ProgramVersion=\"1\" "
        "ProgramFullVersion=\"1.1.1.7\" NumTPP=\"7\" NumARM=\"1\" DateOfCreate=\"11.12.2026\">\n"
        "  <arm lastKnownChange=\"42\" netVersion=\"\" programPath=\"/opt/vardelo\" memory=\"16000\" "
        "driveCapacity=\"100000\" freeSpace=\"50000\" cpu=\"AMD EPYC 2 2445~MHz\" defaultBrowser=\"Firefox\" "
        "osVersion=\"Debian GNU/Linux 12 (bookworm) 6.1.0\" stat7=\"1\" stat8=\"0\" stat9=\"0\" stat10=\"0\" "
        "stat11=\"0\"/>\n"
        "  <row status=\"7\" referenceNo=\"6007000001\" blankNo=\"0004567\" issued=\"10.12.2026\" "
        "modified=\"11.12.2026\" hasDuplicate=\"6007000002\" replacedBy=\"\" replacementFor=\"\" duplicateFor=\"\" "
        "expert=\"Ведров\" modifierExpert=\"Петров\" sender=\"ООО &quot;Лес&quot; &amp; Co&#xA;Вологда\" "
        "senderAddress=\"ул. Мира &lt;1&gt;\" supportInfo=\"Контракт&#x9;№ 5\" tppInfo=\"ТПП\" "
        "declaratorFio=\"Петров П. П.\" declaration=\"09.12.2026\" issueExpert=\"Иванов\" created=\"08.12.2026\" "
        "fSize1=\"10\" fSize2=\"11\" fSize3=\"12\" fSize4=\"13\" fSize5=\"14\" fSize6=\"15\" fSize7=\"16\" "
        "fSize8=\"17\" fSize9=\"18\" fSize10=\"19\">\n"
        "    <expertiseList>\n"
        "      <expertise number=\"Э-1\" date=\"06.12.2026\"/>\n"
        "    </expertiseList>\n"
        "    <uGoodsList>\n"
        "      <commodity itemOrder=\"1\" title=\"Доски\" packageCount=\"10\" packageType=\"ящик\" quantity=\"5 м3\" "
        "documents=\"Инв 1&#xA;Инв 2\"/>\n"
        "    </uGoodsList>\n"
        "  </row>\n"
        "</dataPacket>\n";
    EXPECT_EQ(Builder().GetXMLData(kToday), expected);
    EXPECT_EQ(Builder().GetXMLData(), expected);
    EXPECT_EQ(Builder().GetXMLData(0), expected);
}

TEST_F(Packet, ReadsBackAsTheStoredTexts) {
    Store(FullDocument());
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(Builder().GetXMLData().c_str()));
    const auto row = document.document_element().child("row");
    EXPECT_STREQ(row.attribute("sender").value(), "ООО \"Лес\" & Co\nВологда");
    EXPECT_STREQ(row.attribute("senderAddress").value(), "ул. Мира <1>");
    EXPECT_STREQ(row.attribute("supportInfo").value(), "Контракт\t№ 5");
    EXPECT_STREQ(row.child("uGoodsList").child("commodity").attribute("documents").value(), "Инв 1\nИнв 2");
}

struct RowCase {
    const char* name;
    std::function<void(Document&)> change;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

void PrintTo(const RowCase& c, std::ostream* out) { *out << c.name; }

class PacketRow : public Packet, public ::testing::WithParamInterface<RowCase> {};

TEST_P(PacketRow, FollowsTheTextRules) {
    Document d = FullDocument();
    GetParam().change(d);
    Store(d);
    const std::string packet = Builder().GetXMLData(kToday);
    for (const auto& text : GetParam().present) EXPECT_NE(packet.find(text), std::string::npos) << text << "\n" << packet;
    for (const auto& text : GetParam().absent) EXPECT_EQ(packet.find(text), std::string::npos) << text << "\n" << packet;
}

std::string Letters(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "Ж";
    return text;
}

INSTANTIATE_TEST_SUITE_P(Cases, PacketRow, ::testing::Values(
    RowCase{"ShortBlank", [](Document& d) { d.master.paperNo = 123; }, {"blankNo=\"0000123\""}, {}},
    RowCase{"NineDigitBlank", [](Document& d) { d.master.paperNo = 123456789; }, {"blankNo=\"3456789\""}, {}},
    RowCase{"TwoLines", [](Document& d) { d.master.declarant = "A\r\nB"; }, {"sender=\"A&#xA;B\""}, {}},
    RowCase{"BellInTitle", [](Document& d) { d.goods[0].descriptionGoods = "Лес\aной"; }, {"title=\"Лесной\""}, {"\a"}},
    RowCase{"ControlCharacters", [](Document& d) { d.master.address = std::string("a\x01\x08\x0b\x0c\x1f" "b"); },
            {"senderAddress=\"ab\""}, {}},
    RowCase{"LongDeclaratorName", [](Document& d) { d.master.declaratorFio = Letters(150); },
            {"declaratorFio=\"" + Letters(100) + "\""}, {Letters(101)}},
    RowCase{"LongIssueExpert", [](Document& d) { d.master.fio10 = Letters(150); },
            {"issueExpert=\"" + Letters(100) + "\""}, {Letters(101)}},
    RowCase{"NoModifier", [](Document& d) { d.master.modifierExpert = ""; }, {}, {" modifierExpert="}},
    RowCase{"ModifierOfControlsOnly", [](Document& d) { d.master.modifierExpert = "\x01\x02"; }, {}, {" modifierExpert="}},
    RowCase{"NeverModified", [](Document& d) { d.master.modifiedDate = 0; }, {}, {" modified="}},
    // A reference typed by a user stays the text he typed; only real line breaks become one.
    RowCase{"LiteralReference", [](Document& d) { d.master.supportInfo = "&#xA;"; }, {"supportInfo=\"&amp;#xA;\""}, {}},
    RowCase{"NoGoodsNoExpertise",
            [](Document& d) {
                d.goods.clear();
                d.expertise.clear();
            },
            {"    <expertiseList/>\n    <uGoodsList/>\n"}, {"<commodity", "<expertise "}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Packet, TextsWrittenByOtherToolsStillReadAndThePacketStaysWellFormed) {
    Store(FullDocument());
    // A TEXT where a BLOB is expected, broken UTF-8, an odd UTF-16 byte, a non-character.
    tdm.Db().Exec("update mcod set declarant = 'Лес', expert = CAST(X'41C3' AS TEXT), address = X'410042', "
                  "supportInfo = X'FFFF'");
    const std::string packet = Builder().GetXMLData(kToday);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(packet.c_str())) << packet;
    const auto row = document.document_element().child("row");
    EXPECT_STREQ(row.attribute("sender").value(), "Лес");
    EXPECT_STREQ(row.attribute("expert").value(), "A\uFFFD");
    EXPECT_STREQ(row.attribute("senderAddress").value(), "A\uFFFD");
    EXPECT_STREQ(row.attribute("supportInfo").value(), "\uFFFD");
}

TEST_F(Packet, ACharacterOutsideTheBasicPlaneCountsAsTwoInTheCut) {
    Document d = FullDocument();
    d.master.declaratorFio = Letters(99) + "😀Ж";
    Store(d);
    EXPECT_NE(Builder().GetXMLData(kToday).find("declaratorFio=\"" + Letters(99) + "\""), std::string::npos);
}

TEST_F(Packet, ManyConclusionsComeOutAlikeFromBothBuilders) {
    for (int id = 1; id <= 300; ++id) StoreWithStatus(id, id % 7 == 0 ? 6 : 7);
    const std::string all = Builder().GetXMLData();
    EXPECT_EQ(all, Builder().GetXMLData(0));
    EXPECT_EQ(References(all).size(), 300u - 42u);
}

TEST_F(Packet, ModifiedIsLeftOutWhenNull) {
    Store(FullDocument());
    tdm.Db().Exec("update mcod set modifiedDate = NULL");
    EXPECT_EQ(Builder().GetXMLData(kToday).find(" modified="), std::string::npos);
}

TEST_F(Packet, AnUnreadableFontSizeEndsTheSizesButNotTheRow) {
    Store(FullDocument());
    tdm.Db().Exec("update mcod set fSize3 = 'abc'");
    const std::string packet = Builder().GetXMLData(kToday);
    EXPECT_NE(packet.find("fSize2=\"11\">"), std::string::npos) << packet;
    EXPECT_EQ(packet.find("fSize3"), std::string::npos);
    EXPECT_EQ(References(packet), std::vector<std::string>{"6007000001"});
}

TEST_F(Packet, CountsTheFinalStatusesAndReportsEveryNonProject) {
    int id = 0;
    for (const int status : {7, 7, 8, 9, 10, 11, 6, 12}) StoreWithStatus(++id, status);
    const std::string packet = Builder().GetXMLData();
    EXPECT_NE(packet.find("stat7=\"2\" stat8=\"1\" stat9=\"1\" stat10=\"1\" stat11=\"0\""), std::string::npos) << packet;
    EXPECT_EQ(References(packet).size(), 6u);
    EXPECT_EQ(References(Builder().GetXMLData(0)).size(), 6u);
}

TEST_F(Packet, OnlyProjectsGiveNoPacket) {
    StoreWithStatus(1, 6);
    StoreWithStatus(2, 12);
    EXPECT_EQ(Builder().GetXMLData(kToday), "");
    EXPECT_EQ(Builder().GetXMLData(0), "");
    EXPECT_EQ(Builder().GetXMLData(), "");
}

TEST_F(Packet, OneDayHoldsThatDaysConclusions) {
    StoreWithStatus(1, 7, kToday - 1);
    StoreWithStatus(2, 8, kToday);
    StoreWithStatus(3, 7, kToday - 1);
    StoreWithStatus(4, 6, kToday - 1);
    EXPECT_EQ(References(Builder().GetXMLData(kToday - 1)), (std::vector<std::string>{"6007000001", "6007000003"}));
    EXPECT_EQ(References(Builder().GetXMLData(kToday)), (std::vector<std::string>{"6007000002"}));
    EXPECT_EQ(Builder().GetXMLData(kToday - 2), "");
}

TEST_F(Packet, WholeDatabaseGoesByIdWithTheBusyIndicator) {
    for (const int id : {9, 2, 5}) StoreWithStatus(id, 7);
    StoreWithStatus(3, 6);
    EXPECT_EQ(References(Builder().GetXMLData()), (std::vector<std::string>{"6007000002", "6007000005", "6007000009"}));
    EXPECT_EQ(ui.busyTexts, std::vector<std::string>{"Дождитесь окончания текущей операции!"});
    EXPECT_TRUE(ui.busyWithProgress);
    EXPECT_EQ(ui.progress, (std::vector<int>{0, 222, 555, 1000}));
    EXPECT_EQ(ui.busyOpen, 0);
    EXPECT_EQ(ui.processed, 3);  // once per conclusion
}

TEST_F(Packet, AFailingConclusionEndsTheOneDayBuild) {
    StoreWithStatus(1, 7);
    StoreWithStatus(2, 7);
    tdm.Db().Exec("update mcod set declarationDate = NULL where id = 2");
    const std::string before = Snapshot();
    EXPECT_THROW(Builder().GetXMLData(kToday), std::runtime_error);
    EXPECT_EQ(log.lines, std::vector<std::string>{"произошла ошибка формирования: \r\nНе заполнена дата declarationDate"});
    EXPECT_EQ(EventStrings(event::kUnexpectedFailure),
              std::vector<std::string>{"[Aдминистратор]uFormSync.TFormSync.GetXMLData(,) | Не заполнена дата declarationDate"});
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Packet, AFailingConclusionIsTriedAgainAFewTimesThenFailsTheWholeBuild) {
    StoreWithStatus(1, 7);
    StoreWithStatus(2, 7);
    tdm.Db().Exec("update expertise set de = NULL where idM = 2");
    const std::string before = Snapshot();
    try {
        Builder().GetXMLData();
        FAIL() << "the build must fail";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Не заполнена дата de Вероятно не смогли затолкать строку в xml: Э-1");
    }
    const auto events = EventStrings(event::kUnexpectedFailure);
    ASSERT_EQ(events.size(), static_cast<std::size_t>(PacketBuilder::kRowAttempts));
    for (const auto& e : events) {
        EXPECT_EQ(e, "[Aдминистратор]uFormSync.TFormSync.GetXMLData():MinId=2 | Не заполнена дата de Вероятно не смогли "
                     "затолкать строку в xml: Э-1");
    }
    EXPECT_EQ(sleeper.pauses, (std::vector<int>{500, 500}));
    EXPECT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(ui.busyOpen, 0);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Packet, TheComputerIsDescribedFromTheSystem) {
    const ArmFacts facts = ReadArmFacts(paths.programDir);
    EXPECT_EQ(facts.programPath, paths.programDir.string());
    EXPECT_EQ(facts.netVersion, "");
    EXPECT_GT(ParseInteger(facts.memory).value_or(0), 0);
    const auto capacity = ParseInteger(facts.driveCapacity);
    const auto free = ParseInteger(facts.freeSpace);
    ASSERT_TRUE(capacity && free) << facts.driveCapacity << " " << facts.freeSpace;
    EXPECT_LE(*free, *capacity);
    EXPECT_FALSE(facts.osVersion.empty());
    EXPECT_TRUE(facts.cpu.empty() || facts.cpu.ends_with("~MHz")) << facts.cpu;
}

}  // namespace
}  // namespace vd

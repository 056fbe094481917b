#include <gtest/gtest.h>

#include "Workstation.h"
#include "core/Container.h"
#include "support/Files.h"

namespace vd {
namespace {

std::string Encoded(std::string xml, std::string_view key = kDefaultPassPhrase) {
    EncodeCodStream(xml, key);
    return xml;
}

TEST(StationFile, MadeFileReadsBackEveryField) {
    StationFile station = test::TestStation();
    station.usersOld = true;
    station.ver = 3;
    const StationFile read = ReadStationFile(MakeStationFile(station));
    EXPECT_EQ(read.tppNumber, 7);
    EXPECT_EQ(read.numLocale, 1);
    EXPECT_EQ(read.tppKey, station.tppKey);
    EXPECT_EQ(read.url, station.url);
    EXPECT_EQ(read.tppName, "Торгово-промышленная палата");
    EXPECT_TRUE(read.usersOld);
    EXPECT_EQ(read.ver, 3);
}

TEST(StationFile, ElementOrderAndRootNameAreFree) {
    const StationFile read = ReadStationFile(Encoded(
        "<anything Name=\"i.cod\" Ver=\"2\"><usersOld>False</usersOld><url>https://cbd</url><tppName>ТПП</tppName>"
        "<tppKey>KEY</tppKey><NumLocale>12</NumLocale><tppNumber>345</tppNumber></anything>"));
    EXPECT_EQ(read.tppNumber, 345);
    EXPECT_EQ(read.numLocale, 12);
    EXPECT_FALSE(read.usersOld);
    EXPECT_EQ(read.ver, 2);
}

TEST(StationFile, IncompleteOrForeignFilesAreRefused) {
    const std::string good =
        "<s Ver=\"1\"><tppNumber>7</tppNumber><NumLocale>1</NumLocale><tppKey>K</tppKey><url>u</url>"
        "<tppName>n</tppName><usersOld>True</usersOld></s>";
    struct Case {
        std::string stream;
        const char* reason;
    };
    auto without = [&](const std::string& element) {
        std::string xml = good;
        const auto start = xml.find("<" + element + ">");
        const auto end = xml.find("</" + element + ">") + element.size() + 3;
        return Encoded(xml.erase(start, end - start));
    };
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string xml = good;
        return Encoded(xml.replace(xml.find(from), from.size(), to));
    };
    const std::vector<Case> cases = {
        {Encoded(good, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"), "XML"},
        {Encoded("<s><tppNumber>7</tppNumber>"), "XML"},
        {"", "XML"},
        {without("tppNumber"), "tppNumber"},
        {without("NumLocale"), "NumLocale"},
        {without("tppKey"), "tppKey"},
        {without("url"), "url"},
        {without("tppName"), "tppName"},
        {without("usersOld"), "usersOld"},
        {replaced("<tppNumber>7", "<tppNumber>семь"), "tppNumber"},
        {replaced("<NumLocale>1", "<NumLocale>1a"), "NumLocale"},
        {replaced("<usersOld>True", "<usersOld>maybe"), "usersOld"},
        {replaced("Ver=\"1\"", "Ver=\"x\""), "Ver"},
    };
    for (const auto& c : cases) {
        try {
            ReadStationFile(c.stream);
            ADD_FAILURE() << "accepted a file lacking " << c.reason;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

TEST(StationFile, UnreadableFileStopsTheStartWithPathAndReason) {
    test::Workstation ws;
    WriteFileAtomically(ws.paths.StationFile(), Encoded("<s><tppNumber>x</tppNumber></s>"));
    EXPECT_FALSE(ws.tdm.DataModuleCreate());
    EXPECT_TRUE(ws.session.stopFlag);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ws.ui.messages[0].caption, "Radevaredu VI");
    EXPECT_TRUE(ws.ui.messages[0].text.starts_with(ws.paths.StationFile().string() + "\r\n"));
    const auto reports = ws.sink.WithId(0x40000103);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].strings[0], "[unknown]uDataVD.TDM.DataModuleCreate");

    std::filesystem::remove(ws.paths.StationFile());
    EXPECT_FALSE(ws.tdm.DataModuleCreate());
    EXPECT_TRUE(ws.session.stopFlag);
}

}  // namespace
}  // namespace vd

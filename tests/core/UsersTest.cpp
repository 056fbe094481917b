#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "Workstation.h"
#include "core/Container.h"
#include "core/Login.h"
#include "core/PasswordHash.h"
#include "core/UsersFile.h"
#include "support/Files.h"

namespace vd {
namespace {

TEST(PasswordHash, IsMd5OfTheCp1251TextInUpperCaseHex) {
    struct Case {
        const char* password;
        const char* hash;
    };
    for (const auto& c : {Case{"", "D41D8CD98F00B204E9800998ECF8427E"}, Case{"a", "0CC175B9C0F1B6A831C399E269772661"},
                          Case{"пароль", "749789E4982B0C563F6729AAC100A614"},
                          Case{"Секрет123", "10C867E1DD67888E5C151E3EA5C28B92"}}) {
        EXPECT_EQ(PasswordHash(c.password), c.hash) << c.password;
    }
}

UsersTable ThreeUsers() {
    UsersTable users;
    users.CreateEmpty();
    users.Append("Aдминистратор", PasswordHash(""));
    users.Append("Ведров Ким", PasswordHash("пароль"));
    users.Append("Ведров Ким", PasswordHash("другой"));
    return users;
}

TEST(UsersTable, PacketKeepsRowsAndIdsAreNeverReused) {
    UsersTable users = ThreeUsers();
    users.Delete(3);
    UsersTable loaded;
    loaded.LoadPacket(users.SavePacket());
    ASSERT_EQ(loaded.Rows().size(), 2u);
    EXPECT_EQ(loaded.Rows()[1].userName, "Ведров Ким");
    EXPECT_EQ(loaded.Rows()[1].password, PasswordHash("пароль"));
    // The deleted user's number is not handed out again, after a reload either.
    EXPECT_EQ(loaded.Append("Новый", PasswordHash("")), 4);
}

TEST(UsersTable, PacketIsADatasetDataPacket) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(ThreeUsers().SavePacket().c_str()));
    const pugi::xml_node packet = document.child("DATAPACKET");
    ASSERT_TRUE(packet);
    std::vector<std::string> fields;
    for (const auto field : packet.child("METADATA").child("FIELDS").children("FIELD")) {
        fields.push_back(std::string(field.attribute("attrname").value()) + ":" + field.attribute("fieldtype").value());
    }
    EXPECT_EQ(fields, (std::vector<std::string>{"id:i4", "UserName:string.uni", "Password:bin.hex"}));
    const pugi::xml_node row = packet.child("ROWDATA").child("ROW");
    EXPECT_STREQ(row.attribute("id").value(), "1");
    EXPECT_STREQ(row.attribute("UserName").value(), "Aдминистратор");
    // Binary fields are base64: the 32 hash characters of the empty password.
    EXPECT_STREQ(row.attribute("Password").value(), "RDQxRDhDRDk4RjAwQjIwNEU5ODAwOTk4RUNGODQyN0U=");
}

TEST(UsersTable, ReadsPlainHashesAndRefusesWhatIsNoPacket) {
    UsersTable users;
    users.LoadPacket(
        "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS/></METADATA><ROWDATA>"
        "<ROW id=\"5\" UserName=\"Ким\" Password=\"0CC175B9C0F1B6A831C399E269772661\"/></ROWDATA></DATAPACKET>");
    EXPECT_EQ(users.FindByName("Ким")->password, PasswordHash("a"));
    EXPECT_EQ(users.Append("Ещё", ""), 6);

    for (const char* broken : {"", "<DATAPACKET/>", "<ROWDATA><ROW id=\"1\"/></ROWDATA>",
                               "<DATAPACKET><METADATA/><ROWDATA><ROW UserName=\"без номера\"/></ROWDATA></DATAPACKET>"}) {
        UsersTable table;
        EXPECT_THROW(table.LoadPacket(broken), std::runtime_error) << broken;
    }
}

TEST(Login, NamesCompareExactlyAndOnlyTheFirstOfTwoCounts) {
    const UsersTable users = ThreeUsers();
    test::MemorySink sink;
    Session session;
    const Journal journal(sink, session);
    EXPECT_TRUE(TestUserLogon(users, "Aдминистратор", "", journal));
    EXPECT_FALSE(TestUserLogon(users, "Администратор", "", journal));  // Cyrillic А
    EXPECT_TRUE(TestUserLogon(users, "Ведров Ким", "пароль", journal));
    EXPECT_FALSE(TestUserLogon(users, "Ведров Ким", "другой", journal));
    EXPECT_FALSE(TestUserLogon(users, "ведров ким", "пароль", journal));
    EXPECT_FALSE(TestUserLogon(users, "Никто", "", journal));
}

TEST(UsersFile, FileOfAnotherPassPhraseIsTreatedAsLost) {
    test::Workstation ws;
    std::string bytes = ThreeUsers().SavePacket();
    EncodeCodStream(bytes, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    WriteFileAtomically(ws.paths.UsersFile(), bytes);
    ws.tdm.LoadUsers();
    EXPECT_TRUE(ws.tdm.Users().IsOpen());
    EXPECT_TRUE(ws.tdm.Users().Empty());
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text, "Пользователи утрачены. Будет создан новый файл.");
    EXPECT_EQ(ws.ui.messages[0].buttons, Buttons::Ok);
}

TEST(UsersFile, SavedFileDecodesWithTheBuiltInPassPhrase) {
    test::TempDir dir;
    SaveUsersFile(dir.Path() / "k.cod", ThreeUsers());
    std::string bytes = ReadFileBytes(dir.Path() / "k.cod");
    DecodeCodStream(bytes);
    EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"));
    UsersTable loaded;
    LoadUsersFile(dir.Path() / "k.cod", loaded);
    EXPECT_EQ(loaded.Rows().size(), 3u);
}

}  // namespace
}  // namespace vd

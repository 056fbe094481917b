#include <gtest/gtest.h>

#include "TempDir.h"
#include "support/Files.h"
#include "support/Zip.h"

namespace vd {
namespace {

std::string Repetitive(std::size_t size) {
    std::string text;
    while (text.size() < size) text += "<row referenceNo=\"6007000001\" sender=\"ООО Лес\"/>\n";
    return text;
}

TEST(Zip, EntriesComeBackAsWrittenAndDeflated) {
    const std::string big = Repetitive(1 << 20);
    ZipWriter writer;
    writer.Add("sync.xml", big);
    writer.Add("папка/файл.txt", "текст");
    writer.Add("empty", "");
    const std::string archive = writer.Finish();
    EXPECT_LT(archive.size(), big.size() / 10);  // deflate, not stored

    const ZipReader reader = ZipReader::FromBytes(archive);
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"sync.xml", "папка/файл.txt", "empty"}));
    EXPECT_EQ(reader.Read("sync.xml"), big);
    EXPECT_EQ(reader.Read("папка/файл.txt"), "текст");
    EXPECT_EQ(reader.Read("empty"), "");
    EXPECT_FALSE(reader.Read("RebootVD.exe").has_value());
}

TEST(Zip, FilesOnDiskRoundTrip) {
    test::TempDir dir;
    ZipWriter writer;
    writer.Add("RebootVD.exe", "#!/bin/sh\n");
    writer.FinishToFile(dir.Path() / "restorator.zip");
    EXPECT_EQ(ZipReader::FromFile(dir.Path() / "restorator.zip").Read("RebootVD.exe"), "#!/bin/sh\n");
    EXPECT_THROW(ZipReader::FromFile(dir.Path() / "missing.zip"), ZipError);
}

TEST(Zip, DamageIsAnErrorNeverAShortEntry) {
    EXPECT_THROW(ZipReader::FromBytes("not a zip archive at all"), ZipError);
    EXPECT_TRUE(ZipReader::FromBytes("").EntryNames().empty());  // libzip reads nothing as an empty archive

    ZipWriter writer;
    writer.Add("sync.xml", Repetitive(100000));
    std::string archive = writer.Finish();
    // A byte in the middle of the compressed data: the checksum or the deflate stream breaks.
    archive[archive.size() / 3] = static_cast<char>(archive[archive.size() / 3] ^ 0x5A);
    EXPECT_THROW(ZipReader::FromBytes(archive).Read("sync.xml"), ZipError);
}

}  // namespace
}  // namespace vd

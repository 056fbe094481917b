#include <gtest/gtest.h>

#include "Process.h"
#include "TempDir.h"
#include "core/Container.h"
#include "support/Files.h"

namespace vd {
namespace {

std::string Sample(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 131 + 7) % 256);
    return bytes;
}

std::string Hex(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        hex += digits[static_cast<unsigned char>(c) >> 4];
        hex += digits[static_cast<unsigned char>(c) & 15];
    }
    return hex;
}

class ContainerLengths : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ContainerLengths, RoundTripKeepsBytesAndLength) {
    const std::string plain = Sample(GetParam());
    std::string stream = plain;
    EncodeCodStream(stream);
    EXPECT_EQ(stream.size(), plain.size());
    if (!plain.empty()) {
        EXPECT_NE(stream, plain);
    }
    DecodeCodStream(stream);
    EXPECT_EQ(stream, plain);
}

INSTANTIATE_TEST_SUITE_P(Container, ContainerLengths, ::testing::Values(0, 1, 15, 16, 17, 8192, 8193, 20000));

TEST(Container, FixedVectorMakesEncodingRepeatable) {
    std::string a = Sample(100);
    std::string b = Sample(100);
    EncodeCodStream(a);
    EncodeCodStream(b);
    EXPECT_EQ(a, b);
}

TEST(Container, OnlyTheFirst32BytesOfThePassPhraseCount) {
    const std::string key = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    std::string a = Sample(64);
    std::string b = Sample(64);
    EncodeCodStream(a, key);
    EncodeCodStream(b, key + "anything after");
    EXPECT_EQ(a, b);
    std::string c = Sample(64);
    EncodeCodStream(c);
    EXPECT_NE(a, c);
}

TEST(Container, WrongPassPhraseGivesSameLengthGarbage) {
    std::string stream = "<station/>";
    EncodeCodStream(stream, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    DecodeCodStream(stream);
    EXPECT_EQ(stream.size(), 10u);
    EXPECT_NE(stream, "<station/>");
}

// The central office decrypts our files with its own tools; the openssl command stands in for
// them in both directions.
TEST(Container, InteroperatesWithTheOpensslCommand) {
    test::TempDir dir;
    const std::string key(kDefaultPassPhrase);
    const std::vector<std::string> cipher = {"openssl", "enc", "-aes-256-cfb8", "-K", Hex(key), "-iv",
                                             Hex(kCodIvText), "-nopad", "-nosalt"};
    const std::string plain = Sample(8193);
    WriteFileAtomically(dir.Path() / "plain", plain);

    std::string ours = plain;
    EncodeCodStream(ours);
    auto encrypt = cipher;
    encrypt.insert(encrypt.end(), {"-e", "-in", (dir.Path() / "plain").string(), "-out", (dir.Path() / "theirs").string()});
    ASSERT_EQ(test::RunProcess(encrypt).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(dir.Path() / "theirs"), ours);

    WriteFileAtomically(dir.Path() / "ours", ours);
    auto decrypt = cipher;
    decrypt.insert(decrypt.end(), {"-d", "-in", (dir.Path() / "ours").string(), "-out", (dir.Path() / "back").string()});
    ASSERT_EQ(test::RunProcess(decrypt).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(dir.Path() / "back"), plain);
}

}  // namespace
}  // namespace vd

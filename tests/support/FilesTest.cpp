#include <gtest/gtest.h>

#include "TempDir.h"
#include "support/Files.h"

namespace vd {
namespace {

std::size_t CountEntries(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(Files, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    test::TempDir dir;
    const auto file = dir.Path() / "k.cod";
    WriteFileAtomically(file, std::string("first\0version", 13));
    EXPECT_EQ(ReadFileBytes(file), std::string("first\0version", 13));
    WriteFileAtomically(file, "second");
    EXPECT_EQ(ReadFileBytes(file), "second");
    WriteFileAtomically(file, "");
    EXPECT_EQ(ReadFileBytes(file), "");
    EXPECT_EQ(CountEntries(dir.Path()), 1u);
}

TEST(Files, FailuresNameThePathAndKeepTheOldFile) {
    test::TempDir dir;
    const auto missingFolder = dir.Path() / "absent" / "i.cod";
    try {
        WriteFileAtomically(missingFolder, "x");
        FAIL() << "writing into a missing folder must fail";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder.string()), std::string::npos);
    }
    EXPECT_THROW(ReadFileBytes(dir.Path() / "none"), std::runtime_error);

    // A target that is a folder cannot be replaced; the folder and its content stay.
    const auto folder = dir.Path() / "data";
    std::filesystem::create_directory(folder);
    WriteFileAtomically(folder / "keep", "kept");
    EXPECT_THROW(WriteFileAtomically(folder, "x"), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(folder / "keep"), "kept");
    EXPECT_EQ(CountEntries(dir.Path()), 1u);
}

}  // namespace
}  // namespace vd

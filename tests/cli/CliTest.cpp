#include <gtest/gtest.h>

#include "Process.h"
#include "TempDir.h"
#include "core/Container.h"
#include "support/Files.h"

namespace vd {
namespace {

// vdctl as a user runs it: a program folder of its own and machine-wide places in a temporary
// folder.
class Vdctl : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(ProgramDir() / "data");
        std::filesystem::copy_file(test::SourceDataDir() / "Package.cod", ProgramDir() / "data" / "Package.cod");
    }

    std::filesystem::path ProgramDir() const { return root.Path() / "program"; }

    test::ProcessResult Run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {VD_VDCTL_PATH, "--program-dir", ProgramDir().string()});
        return test::RunProcess(args, input, {{"XDG_STATE_HOME", (root.Path() / "state").string()}});
    }

    test::TempDir root;
};

TEST_F(Vdctl, CodRoundTripUsesTheBuiltInOrTheGivenKey) {
    const auto plain = root.Path() / "plain.xml";
    WriteFileAtomically(plain, "<station>Станция</station>");
    ASSERT_EQ(Run({"cod", "encode", plain.string(), (root.Path() / "a.cod").string()}).exitCode, 0);
    std::string expected = "<station>Станция</station>";
    EncodeCodStream(expected);
    EXPECT_EQ(ReadFileBytes(root.Path() / "a.cod"), expected);
    ASSERT_EQ(Run({"cod", "decode", (root.Path() / "a.cod").string(), (root.Path() / "b.xml").string()}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(root.Path() / "b.xml"), "<station>Станция</station>");

    const std::string key = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    ASSERT_EQ(Run({"cod", "encode", "--key", key, plain.string(), (root.Path() / "c.cod").string()}).exitCode, 0);
    std::string withKey = "<station>Станция</station>";
    EncodeCodStream(withKey, key);
    EXPECT_EQ(ReadFileBytes(root.Path() / "c.cod"), withKey);
}

TEST_F(Vdctl, WrongUsageExitsWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"cod", "squash", "a", "b"}, {"cod", "encode", "only-one"}, {"--bogus", "init"}}) {
        const auto result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(result.err.find("usage: vdctl"), std::string::npos);
    }
    EXPECT_EQ(Run({"cod", "decode", (root.Path() / "missing.cod").string(), (root.Path() / "out").string()}).exitCode, 1);
}

}  // namespace
}  // namespace vd

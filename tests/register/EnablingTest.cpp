#include <gtest/gtest.h>

#include "core/Session.h"
#include "register/Enabling.h"

namespace vd {
namespace {

EnablingInput Input(int userId, std::optional<int> status, const std::string& expert = "Ведров") {
    EnablingInput in;
    in.registerOpen = true;
    in.rowCount = 1;
    in.currentUserId = userId;
    in.currentUserName = userId == 1 ? "Aдминистратор" : "Ведров";
    in.current = EnablingInput::Row{status, expert, "6007000001", "6007000002", "6007000003", "6007000004", "6007000005"};
    return in;
}

struct ActionCase {
    int userId;
    std::optional<int> status;
    const char* expert;
    // complete, cancel, duplicate, badPaper, instead, delete, goDuplicate, goInstead, goCancel, goTrue
    std::array<bool, 10> enabled;
};

class RegisterRules : public ::testing::TestWithParam<ActionCase> {};

TEST_P(RegisterRules, FollowStatusAndOwnership) {
    const auto& c = GetParam();
    const RegisterActions a = ComputeRegisterActions(Input(c.userId, c.status, c.expert));
    const std::array<bool, 10> got = {a.complete,   a.cancel,         a.duplicate,   a.badPaper,  a.instead,
                                      a.deleteDocument, a.goDuplicate, a.goInstead, a.goCancel, a.goTrue};
    EXPECT_EQ(got, c.enabled);
    EXPECT_TRUE(a.newDocument);
    EXPECT_TRUE(a.templ);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegisterRules,
    ::testing::Values(
        ActionCase{2, 6, "Ведров", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}},
        ActionCase{2, 6, "Петров", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},   // another's project
        ActionCase{1, 6, "Петров", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}},   // the administrator owns everything
        ActionCase{2, 7, "Ведров", {0, 1, 1, 1, 0, 0, 1, 0, 0, 0}},
        ActionCase{2, 7, "Петров", {0, 1, 1, 0, 0, 0, 0, 0, 0, 0}},   // cancel and duplicate need no ownership
        ActionCase{2, 8, "Ведров", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ActionCase{2, 9, "Ведров", {0, 0, 0, 0, 1, 0, 0, 1, 0, 0}},
        ActionCase{2, 10, "Ведров", {0, 1, 0, 1, 0, 0, 0, 0, 0, 1}},
        ActionCase{2, 10, "Петров", {0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        ActionCase{2, 11, "Ведров", {0, 1, 0, 1, 0, 0, 0, 0, 1, 0}},
        ActionCase{2, 12, "Ведров", {0, 0, 0, 0, 1, 1, 0, 0, 0, 0}},
        ActionCase{2, std::nullopt, "Ведров", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));

TEST(RegisterRules, NothingWorksWhenStoppedOrEmpty) {
    EnablingInput stopped = Input(1, 6);
    stopped.stopFlag = true;
    const RegisterActions a = ComputeRegisterActions(stopped);
    EXPECT_FALSE(a.newDocument || a.templ || a.complete || a.deleteDocument);

    EnablingInput empty = Input(1, 6);
    empty.rowCount = 0;
    empty.current.reset();
    const RegisterActions b = ComputeRegisterActions(empty);
    EXPECT_TRUE(b.newDocument);
    EXPECT_FALSE(b.templ || b.complete || b.wordCerts);

    EnablingInput withoutLink = Input(2, 7);
    withoutLink.current->goDuplicate.clear();
    EXPECT_FALSE(ComputeRegisterActions(withoutLink).goDuplicate);
}

TEST(RegisterRules, OnlyTheAdministratorMayShowEverybodysDocuments) {
    EXPECT_TRUE(ComputeRegisterActions(Input(1, 6)).myOnlyEnabled);
    EXPECT_FALSE(ComputeRegisterActions(Input(1, 6)).myOnlyForcedOn);
    EXPECT_FALSE(ComputeRegisterActions(Input(2, 6)).myOnlyEnabled);
    EXPECT_TRUE(ComputeRegisterActions(Input(2, 6)).myOnlyForcedOn);
}

TEST(MainRules, EditingViewingPrintingAndAdministration) {
    struct Case {
        int userId;
        std::optional<int> status;
        bool duplicatePending, edit, readOnly;
    };
    for (const auto& c : {Case{2, 6, false, true, false}, Case{2, 12, false, true, false},
                          Case{2, 7, false, false, true}, Case{2, 10, true, true, false},
                          Case{2, std::nullopt, false, false, true}}) {
        EnablingInput in = Input(c.userId, c.status);
        in.duplicatePending = c.duplicatePending;
        const MainActions a = ComputeMainActions(in);
        EXPECT_EQ(a.edit, c.edit) << c.status.value_or(-1);
        EXPECT_EQ(a.readOnlyView, c.readOnly);
        EXPECT_TRUE(a.print);
        EXPECT_EQ(a.caption, "Radevaredu VI - 6007000001");
        EXPECT_FALSE(a.administration);
        EXPECT_FALSE(a.settings);
    }
    EnablingInput empty = Input(1, 6);
    empty.rowCount = 0;
    empty.current.reset();
    const MainActions a = ComputeMainActions(empty);
    EXPECT_FALSE(a.edit);
    EXPECT_FALSE(a.print);
    EXPECT_EQ(a.caption, "Radevaredu VI");
    EXPECT_TRUE(a.administration);
    EXPECT_TRUE(a.settings);

    EnablingInput stopped = Input(1, 6);
    stopped.stopFlag = true;
    const MainActions s = ComputeMainActions(stopped);
    EXPECT_FALSE(s.administration);
    EXPECT_TRUE(s.settings);
    EXPECT_FALSE(s.view);
}

TEST(RegisterRules, ResetThePendingDuplicateAndTheReadOnlyView) {
    Session session;
    session.duplicatePending = true;
    session.readOnlyView = true;
    ApplyRegisterSideEffects(Input(2, 10), session);
    EXPECT_TRUE(session.duplicatePending);
    EXPECT_TRUE(session.readOnlyView);
    ApplyRegisterSideEffects(Input(2, 9), session);
    EXPECT_FALSE(session.duplicatePending);
    EXPECT_FALSE(session.readOnlyView);
}

}  // namespace
}  // namespace vd

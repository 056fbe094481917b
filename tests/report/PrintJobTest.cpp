#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "core/EventIds.h"
#include "register/PrintRules.h"
#include "register/ReportMessages.h"
#include "report/ConclusionReport.h"
#include "report/PrintJob.h"
#include "support/Text.h"

namespace vd::report {
namespace {

using test::StoredConclusion;

class PrintJob : public test::ReportFixture {
protected:
    PrintOutcome Print(PrintMode mode, const std::filesystem::path& pdf, int copies = 1) {
        ws.session.readOnlyView = ReadOnlyViewFor(ws.tdm);
        ConclusionReport view(ws.tdm, TemplateDir());
        return SendToPrint(ws.tdm, view, mode, copies, PrintTarget{pdf, {}});
    }
};

TEST_F(PrintJob, BlankAndImprintOnlyForTheIssuedFamilyAndEveryPrintIsJournalled) {
    struct Case {
        int status;
        bool blankAllowed;
        std::uint32_t copyEvent;
    };
    for (const Case& c : {Case{6, false, 0x40007352}, Case{7, true, 0x40007350}, Case{8, false, 0x40007352},
                          Case{9, false, 0x40007352}, Case{10, true, 0x40007352}, Case{11, true, 0x40007352},
                          Case{12, false, 0x40007352}}) {
        ws.tdm.Db().Exec("delete from mcod; delete from dcod; delete from expertise");
        ws.sink.events.clear();
        const std::string ref = Store(Sample(c.status, c.status));
        for (const PrintMode mode : {PrintMode::Blank, PrintMode::Imprint}) {
            const auto pdf = ws.root->Path() / "blank.pdf";
            std::filesystem::remove(pdf);
            const PrintOutcome outcome = Print(mode, pdf);
            EXPECT_EQ(outcome.queued, c.blankAllowed) << c.status;
            EXPECT_EQ(std::filesystem::exists(pdf), c.blankAllowed) << c.status;
            if (!c.blankAllowed) {
                EXPECT_EQ(outcome.hintLine, "Печать невозможна - заключение недействительно");
            }
        }
        EXPECT_EQ(ws.sink.WithId(event::kPrintedBlank).size(), c.blankAllowed ? 2u : 0u) << c.status;

        // A copy on plain paper is always possible.
        const PrintOutcome copy = Print(PrintMode::Copy, ws.root->Path() / "copy.pdf");
        EXPECT_TRUE(copy.queued) << c.status;
        const auto events = ws.sink.WithId(c.copyEvent);
        ASSERT_EQ(events.size(), 1u) << c.status;
        EXPECT_EQ(events[0].type, EventType::Information);
        EXPECT_EQ(events[0].category, EventCategory::UserAction);
        EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Ведров", ref, ZeroPadded(4200 + c.status, 7)}));
    }
}

TEST_F(PrintJob, AStaleFlagOfTheWindowNeverPutsAProjectOnABlank) {
    Store(Sample(1, 6));
    ws.session.readOnlyView = true;
    ConclusionReport view(ws.tdm);
    const auto pdf = ws.root->Path() / "blank.pdf";
    const PrintOutcome outcome = SendToPrint(ws.tdm, view, PrintMode::Blank, 1, PrintTarget{pdf, {}});
    EXPECT_FALSE(outcome.queued);
    EXPECT_EQ(outcome.hintLine, "Печать невозможна - заключение недействительно");
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_FALSE(ws.sink.Has(event::kPrintedBlank));
}

TEST_F(PrintJob, JobNamesAndCopies) {
    const std::string ref = Store(Sample(1, 7));
    const auto blank = ws.root->Path() / "blank.pdf";
    const auto copies = ws.root->Path() / "copies.pdf";
    ASSERT_TRUE(Print(PrintMode::Blank, blank, 3).queued);
    ASSERT_TRUE(Print(PrintMode::Copy, copies, 3).queued);
    // One sheet on the blank whatever the copies say; three copies one after another.
    EXPECT_EQ(PdfPages(blank), 1);
    EXPECT_EQ(PdfPages(copies), 3);
    EXPECT_EQ(PdfTitle(blank), "Radevaredu VI: " + ref);
    EXPECT_EQ(PdfTitle(copies), "Заключение формы ВД (копия)");
}

TEST_F(PrintJob, AFailingPrinterIsTriedSevenTimesThenTheUserIsTold) {
    Store(Sample(1, 7));
    ws.session.readOnlyView = ReadOnlyViewFor(ws.tdm);
    ConclusionReport view(ws.tdm);
    const PrintOutcome outcome =
        SendToPrint(ws.tdm, view, PrintMode::Blank, 1, PrintTarget{{}, "Принтер, которого нет"});
    EXPECT_FALSE(outcome.queued);
    EXPECT_EQ(outcome.attempts, 7);
    EXPECT_EQ(outcome.hintLine, "Произошла ошибка при добавлении задания в очередь");
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ws.ui.messages[0].caption, "Radevaredu VI");
    EXPECT_EQ(ws.ui.messages[0].text, "сбой шрифта при печати");
    const auto failures = ws.sink.WithId(event::kUnexpectedFailure);
    ASSERT_EQ(failures.size(), 7u);
    EXPECT_EQ(failures[0].strings, (std::vector<std::string>{"[Ведров]uFormPrint.TfFormPrint.aPrintExecute",
                                                             "Принтер не найден: Принтер, которого нет"}));
    // Each attempt journals its print before it fails.
    EXPECT_EQ(ws.sink.WithId(event::kPrintedBlank).size(), 7u);
}

}  // namespace
}  // namespace vd::report

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

#include "GuiReports.h"
#include "GuiTest.h"
#include "Process.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "core/EventIds.h"
#include "main/MainForm.h"
#include "register/RegisterTexts.h"
#include "register/RegisterWindow.h"
#include "report/PrintWindow.h"
#include "support/QtText.h"
#include "support/Text.h"
#include "support/UpDown.h"

using vd::PrintMode;
using vd::gui::MainCommand;
using vd::gui::RegisterCommand;
using vd::gui::TfFormPrint;
using vd::gui::TfMainForm;
using vd::gui::ToQString;
using vd::test::GuiDocuments;

namespace {

QString BlankHint(std::int64_t paperNo) {
    return ToQString("Вставьте в принтер бланк с номером " + vd::ZeroPadded(paperNo, 7));
}

// Types over the whole text, as the user does after selecting it; an empty text deletes it.
int PdfPages(const std::filesystem::path& pdf) {
    const std::string info = vd::test::RunProcess({"pdfinfo", pdf.string()}).out;
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

void Retype(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    edit.selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(&edit, Qt::Key_Backspace);
    } else {
        vd::test::TypeText(&edit, text);
    }
}

}  // namespace

// The print window: the three modes as ReadOnlyView allows them, the copies and offsets as
// typed, the print itself, and the issue transition that opens it on the blank.
class PrintWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        docs_ = std::make_unique<GuiDocuments>();
        vd::test::InstallTemplates(*docs_);
    }

    void cleanup() {
        form_.reset();
        docs_.reset();
    }

    // Blank and imprint are offered for the issued family only; a copy is always possible.
    void theModesFollowReadOnlyView() {
        struct Case {
            int status;
            bool blank;
        };
        for (const Case& c : {Case{6, false}, Case{7, true}, Case{9, false}, Case{10, true}, Case{11, true}}) {
            docs_ = std::make_unique<GuiDocuments>();
            vd::test::InstallTemplates(*docs_);
            vd::test::SaveDocument(*docs_, c.status);
            TfFormPrint* print = OpenPrint();
            const std::int64_t paperNo = std::stoll(docs_->Value("select PaperNo from mcod"));
            const QString status = QString::number(c.status);
            QVERIFY2(print->ModeButton(PrintMode::Copy)->isChecked(), qPrintable(status));
            QCOMPARE(print->HintLine()->text(), QStringLiteral("Вставьте в принтер чистый лист бумаги"));
            QVERIFY(print->SendButton()->isEnabled());
            QVERIFY(print->CopiesEdit()->isEnabled());
            QVERIFY2(print->ModeButton(PrintMode::Blank)->isEnabled() == c.blank, qPrintable(status));
            QVERIFY2(print->ModeButton(PrintMode::Imprint)->isEnabled() == c.blank, qPrintable(status));

            for (const PrintMode mode : {PrintMode::Blank, PrintMode::Imprint}) {
                print->SelectMode(mode);
                QVERIFY(print->ModeButton(mode)->isChecked());
                QVERIFY(print->ModeButton(mode)->font().bold());
                QVERIFY(!print->ModeButton(PrintMode::Copy)->font().bold());
                QVERIFY(!print->CopiesEdit()->isEnabled());
                QVERIFY2(print->SendButton()->isEnabled() == c.blank, qPrintable(status));
                QCOMPARE(print->HintLine()->text(),
                         c.blank ? BlankHint(paperNo) : QStringLiteral("Печать невозможна - заключение недействительно"));
            }
            form_.reset();
        }
    }

    // Copies and offsets as typed; the offsets reach the options at once.
    void copiesAndOffsetsFollowTheInputRules() {
        vd::test::SaveDocument(*docs_, 7);
        TfFormPrint* print = OpenPrint();
        QLineEdit& copies = *print->CopiesEdit();
        struct Typed {
            QString typed;
            QString shown;
        };
        for (const Typed& t : {Typed{"", "1"}, Typed{"0", "1"}, Typed{"7", "7"}, Typed{"42", "42"}}) {
            Retype(copies, t.typed);
            QCOMPARE(copies.text(), t.shown);
        }
        // Two characters at most, and digits only.
        vd::test::TypeText(&copies, "3");
        QCOMPARE(copies.text(), QStringLiteral("42"));
        Retype(copies, "x");
        QCOMPARE(copies.text(), QStringLiteral("42"));

        QLineEdit& left = *print->LeftEdit();
        QLineEdit& top = *print->TopEdit();
        for (const Typed& t : {Typed{"55", "40"}, Typed{"-", "-1"}, Typed{"12", "12"}, Typed{"", "0"}}) {
            Retype(left, t.typed);
            QCOMPARE(left.text(), t.shown);
            QCOMPARE(docs_->ws.tdm.Options().UdLeft(), std::optional<int>(t.shown.toInt()));
        }
        left.selectAll();
        left.insert(QStringLiteral("-75"));  // pasted
        QCOMPARE(left.text(), QStringLiteral("-40"));
        QCOMPARE(docs_->ws.tdm.Options().UdLeft(), std::optional<int>(-40));
        top.selectAll();
        top.insert(QStringLiteral("-7"));
        QCOMPARE(docs_->ws.tdm.Options().UdTop(), std::optional<int>(-7));
        Retype(left, "39");
        print->LeftSpin()->Step(+1);
        print->LeftSpin()->Step(+1);
        QCOMPARE(left.text(), QStringLiteral("40"));
        QCOMPARE(docs_->ws.tdm.Options().UdLeft(), std::optional<int>(40));

        // Stored elsewhere meanwhile: the window shows the options when it comes back.
        form_->Action(MainCommand::List)->trigger();
        docs_->ws.tdm.Options().SetUdTop(3);
        form_->Action(MainCommand::Print)->trigger();
        QCOMPARE(top.text(), QStringLiteral("3"));
        QCOMPARE(left.text(), QStringLiteral("40"));
    }

    // "Отправить на печать" into a PDF file: the blank is printed and journalled, the hint line
    // tells, and "Копия" is chosen again for the next click.
    void printingToPdfChoosesTheCopyAgain() {
        vd::test::SaveDocument(*docs_, 7);
        TfFormPrint* print = OpenPrint();
        QComboBox* printers = print->Printers();
        printers->setCurrentIndex(printers->count() - 1);
        QVERIFY(print->PrintsToPdf());
        Retype(*print->CopiesEdit(), "3");
        QTest::mouseClick(print->ModeButton(PrintMode::Blank), Qt::LeftButton);
        QVERIFY(print->ModeButton(PrintMode::Blank)->isChecked());

        const std::filesystem::path blank = docs_->ws.root->Path() / "blank.pdf";
        docs_->ws.ui.chosenPaths.push_back(blank.string());
        QTest::mouseClick(print->SendButton(), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(blank));
        QCOMPARE(print->HintLine()->text(), QStringLiteral("Задание успешно добавлено в очередь принтера"));
        QVERIFY(print->ModeButton(PrintMode::Copy)->isChecked());
        QVERIFY(print->CopiesEdit()->isEnabled());
        QVERIFY(print->ModeButton(PrintMode::Blank)->isEnabled());
        QCOMPARE(docs_->ws.sink.WithId(vd::event::kPrintedBlank).size(), std::size_t{1});
        // One sheet on the blank whatever the copies said; the blank's design is not printed.
        QCOMPARE(PdfPages(blank), 1);
        const std::string text = vd::test::RunProcess({"pdftotext", "-enc", "UTF-8", blank.string(), "-"}).out;
        QVERIFY(text.find("ЗАКЛЮЧЕНИЕ") == std::string::npos);

        // The second click prints copies on plain paper; a cancelled file choice prints nothing.
        const std::filesystem::path copy = docs_->ws.root->Path() / "copy.pdf";
        docs_->ws.ui.chosenPaths.push_back(copy.string());
        QTest::mouseClick(print->SendButton(), Qt::LeftButton);
        QCOMPARE(PdfPages(copy), 3);
        QCOMPARE(docs_->ws.sink.WithId(vd::event::kPrintedIssuedCopy).size(), std::size_t{1});
        docs_->ws.ui.chosenPaths.push_back(std::nullopt);
        QTest::mouseClick(print->SendButton(), Qt::LeftButton);
        QCOMPARE(docs_->ws.sink.WithId(vd::event::kPrintedIssuedCopy).size(), std::size_t{1});
        QVERIFY(docs_->ws.ui.messages.empty());
    }

    // "Выдать" ends in the print window with "Заключение" chosen for the new blank.
    void issuingOpensThePrintWindowOnTheBlank() {
        docs_->SaveNewProject();
        const std::int64_t paperNo = std::stoll(docs_->Value("select PaperNo from mcod"));
        docs_->OpenRegister();
        form_ = docs_->ShowMainWindow();
        vd::gui::TFormList* list = form_->Register();
        list->Action(RegisterCommand::Complete)->trigger();
        QCOMPARE(docs_->Value("select status from mcod"), std::string("7"));
        auto* print = qobject_cast<TfFormPrint*>(form_->ShownWindow());
        QVERIFY(print);
        QVERIFY(print->ModeButton(PrintMode::Blank)->isChecked());
        QCOMPARE(print->HintLine()->text(), BlankHint(paperNo));
        QVERIFY(print->SendButton()->isEnabled());
        // "Закрыть" gives the register back.
        vd::test::Find<QPushButton>(*print, "btClose")->click();
        QCOMPARE(form_->ShownWindow(), list);
    }

private:
    TfFormPrint* OpenPrint() {
        docs_->OpenRegister();
        form_ = docs_->ShowMainWindow();
        form_->Action(MainCommand::Print)->trigger();
        auto* print = qobject_cast<TfFormPrint*>(form_->ShownWindow());
        if (!print) qFatal("the print window did not show");
        return print;
    }

    std::unique_ptr<GuiDocuments> docs_;
    std::unique_ptr<TfMainForm> form_;
};

VD_GUI_TEST(PrintWindowTest);

#include "PrintWindowTest.moc"

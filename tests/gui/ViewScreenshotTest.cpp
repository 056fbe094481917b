#include <QTest>

#include <memory>
#include <string>

#include "GuiReports.h"
#include "GuiTest.h"
#include "Screenshot.h"
#include "core/Database.h"
#include "main/MainForm.h"
#include "register/PrintRules.h"
#include "report/PrintWindow.h"
#include "report/ReportPreview.h"
#include "report/ViewWindow.h"

using vd::gui::MainCommand;

// Pictures of the view of a conclusion and of the print window in the main window, as the
// expert sees them, for a person to look at.
class ViewScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        docs_ = std::make_unique<vd::test::GuiDocuments>();
        vd::test::InstallTemplates(*docs_);
        vd::test::SaveDocument(*docs_, 7,
                               "Общество с ограниченной ответственностью \"Северный лес\"\r\n"
                               "160000, Россия, г. Вологда, ул. Мира, д. 1, офис 12");
        docs_->OpenRegister();
        form_ = docs_->ShowMainWindow();
        form_->resize(1200, 960);
    }

    void cleanup() {
        form_.reset();
        docs_.reset();
    }

    void viewOfAConclusion() {
        form_->Action(MainCommand::View)->trigger();
        auto* view = qobject_cast<vd::gui::TfView*>(form_->ShownWindow());
        QVERIFY(view);
        QVERIFY(!view->Preview()->Report().pages.empty());
        vd::test::KeepScreenshot(*form_, "view.png");
    }

    void printWindow() {
        form_->Action(MainCommand::Print)->trigger();
        auto* print = qobject_cast<vd::gui::TfFormPrint*>(form_->ShownWindow());
        QVERIFY(print);
        print->SelectMode(vd::PrintMode::Blank);
        vd::test::KeepScreenshot(*form_, "print.png");
    }

private:
    std::unique_ptr<vd::test::GuiDocuments> docs_;
    std::unique_ptr<vd::gui::TfMainForm> form_;
};

VD_GUI_TEST(ViewScreenshotTest);

#include "ViewScreenshotTest.moc"

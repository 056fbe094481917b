#include <QAction>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

#include "GuiReports.h"
#include "GuiTest.h"
#include "ModalScript.h"
#include "main/MainForm.h"
#include "register/RegisterQuery.h"
#include "register/RegisterTexts.h"
#include "register/RegisterWindow.h"
#include "report/PreviewDialog.h"
#include "report/ReportPreview.h"

using vd::gui::RegisterCommand;
using vd::gui::TfPreview;
using vd::test::GuiDocuments;
using vd::test::ModalScript;

// The register's "Отчёт" items: the prepared report in a preview of its own.
class RegisterReportsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        docs_ = std::make_unique<GuiDocuments>();
        vd::test::InstallTemplates(*docs_);
        for (const char* declarant : {"ООО \"Первый\"", "ООО \"Второй\"", "ООО \"Третий\""}) {
            vd::test::SaveDocument(*docs_, 7, declarant);
        }
        docs_->OpenRegister();
        form_ = docs_->ShowMainWindow();
        docs_->ws.tdm.ASQM().MoveTo(1);
    }

    void cleanup() {
        form_.reset();
        docs_.reset();
    }

    // The title page, then every conclusion from the last row to the first, in one preview that
    // saves as PDF; the register is left on its first row.
    void certificatesForPrintShowOnePreview() {
        const std::string last = docs_->ws.tdm.ASQM().RowAt(2).record.referenceNo;
        const std::filesystem::path pdf = docs_->ws.root->Path() / "certificates.pdf";
        docs_->ws.ui.chosenPaths.push_back(pdf.string());
        std::size_t pages = 0;
        std::string second;
        ModalScript script;
        script.Then<TfPreview>([&](TfPreview& preview) {
            pages = preview.Preview()->Report().pages.size();
            if (pages > 1) second = preview.Preview()->Report().pages[1].Text();
            preview.PdfAction()->trigger();
            preview.accept();
        });
        script.Start();
        form_->Register()->Action(RegisterCommand::ReportCerts)->trigger();
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(pages, std::size_t{4});
        QVERIFY(second.find(last) != std::string::npos);
        QVERIFY(std::filesystem::file_size(pdf) > 0);
        QCOMPARE(form_->Register()->MasterGrid()->currentIndex().row(), 0);
        QVERIFY(docs_->ws.ui.messages.empty());
    }

    void theSearchListShowsEveryFoundConclusion() {
        std::string text;
        ModalScript script;
        script.Then<TfPreview>([&](TfPreview& preview) {
            for (const auto& page : preview.Preview()->Report().pages) text += page.Text();
            preview.accept();
        });
        script.Start();
        form_->Register()->Action(RegisterCommand::ReportListSearch)->trigger();
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        for (int row = 0; row < 3; ++row) {
            const std::string reference = docs_->ws.tdm.ASQM().RowAt(row).record.referenceNo;
            QVERIFY2(text.find(reference) != std::string::npos, reference.c_str());
        }
        QCOMPARE(docs_->ws.tdm.ASQM().CurrentIndex(), 1);
    }

    // A template that cannot be read: the user is told, and no preview opens.
    void aFailureOpensNoPreview() {
        std::filesystem::remove(docs_->ws.paths.DataDir() / "CertsCaption.fr3");
        form_->Register()->Action(RegisterCommand::ReportCerts)->trigger();
        QCOMPARE(docs_->ws.ui.messages.size(), std::size_t{1});
        QCOMPARE(docs_->ws.ui.statusTexts.back(), std::string("Произошла ошибка при добавлении задания в очередь"));
        QVERIFY(!QApplication::activeModalWidget());
    }

private:
    std::unique_ptr<GuiDocuments> docs_;
    std::unique_ptr<vd::gui::TfMainForm> form_;
};

VD_GUI_TEST(RegisterReportsTest);

#include "RegisterReportsTest.moc"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "WidgetLookup.h"
#include "exchange/OptionsSettings.h"
#include "exchange/OptionsWindow.h"
#include "main/MainForm.h"
#include "support/QtText.h"

using vd::gui::TfFormOptions;
using vd::gui::TfMainForm;
using vd::gui::ToQString;
using vd::test::Find;
using vd::test::GuiDocuments;

namespace {

void Retype(QLineEdit* field, const QString& text) {
    field->clear();
    field->setFocus();
    field->setCursorPosition(0);
    for (const QChar ch : text) QTest::keyClick(field, ch.toLatin1());
}

}  // namespace

// The options window: what it shows, the two archive boxes, and the range as the core checks it.
class OptionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showingFillsTheFields() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->Action(vd::gui::MainCommand::Settings)->trigger();
        auto* window = qobject_cast<TfFormOptions*>(form->ShownWindow());
        QVERIFY(window);
        QCOMPARE(Find<QLineEdit>(*window, "EditReferenceMin")->text(), QStringLiteral("000001"));
        QCOMPARE(Find<QLineEdit>(*window, "EditReferenceMax")->text(), QStringLiteral("000100"));
        QCOMPARE(Find<QLineEdit>(*window, "edChamber")->text(), QStringLiteral("007"));
        QCOMPARE(Find<QLineEdit>(*window, "edStation")->text(), QStringLiteral("01"));
        QCOMPARE(docs.ws.ui.helpLines.back(), std::string(vd::text::kOptionsHelpLine));
    }

    void checkingOneArchiveBoxClearsTheOther() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->Action(vd::gui::MainCommand::Settings)->trigger();
        QWidget* window = form->ShownWindow();
        auto* begin = Find<QCheckBox>(*window, "CheckBoxBegin");
        auto* end = Find<QCheckBox>(*window, "CheckBoxEnd");
        QTest::mouseClick(begin, Qt::LeftButton, {}, QPoint(4, begin->height() / 2));
        QVERIFY(begin->isChecked());
        QTest::mouseClick(end, Qt::LeftButton, {}, QPoint(4, end->height() / 2));
        QVERIFY(end->isChecked());
        QVERIFY(!begin->isChecked());
        Find<QPushButton>(*window, "btArchSave")->click();
        QVERIFY(!docs.ws.tdm.Options().ArjBegin());
        QVERIFY(docs.ws.tdm.Options().ArjEnd());
    }

    // The fields as typed go to the core: a blank position and a reversed range are refused
    // with the core's messages; "Отмена" shows the working range again.
    void theRangeIsCheckedByTheCore() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->Action(vd::gui::MainCommand::Settings)->trigger();
        QWidget* window = form->ShownWindow();
        auto* min = Find<QLineEdit>(*window, "EditReferenceMin");
        auto* max = Find<QLineEdit>(*window, "EditReferenceMax");
        struct Case {
            QString min;
            QString max;
            std::string message;
        };
        for (const Case& c : {Case{"00050", "000900", std::string(vd::text::kMinimumNotDigits)},
                              Case{"000500", "000100", std::string(vd::text::kRangeReversed)}}) {
            docs.ws.ui.messages.clear();
            Retype(min, c.min);
            Retype(max, c.max);
            Find<QPushButton>(*window, "btReferenceOk")->click();
            QCOMPARE(docs.ws.ui.MessageTexts(), std::vector<std::string>{c.message});
            QCOMPARE(docs.ws.tdm.ReferenceMin(), std::int64_t{1});
        }
        Find<QPushButton>(*window, "btReferenceCancel")->click();
        QCOMPARE(min->text(), QStringLiteral("000001"));
        Retype(min, QStringLiteral("000200"));
        Retype(max, QStringLiteral("000300"));
        Find<QPushButton>(*window, "btReferenceOk")->click();
        QCOMPARE(docs.ws.tdm.ReferenceMin(), std::int64_t{200});
        QCOMPARE(docs.ws.tdm.ReferenceMax(), std::int64_t{300});
    }

    void theFolderPickerFillsThePath() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->Action(vd::gui::MainCommand::Settings)->trigger();
        QWidget* window = form->ShownWindow();
        docs.ws.ui.chosenPaths = {std::string("/srv/архив")};
        Find<QPushButton>(*window, "btFolder")->click();
        QCOMPARE(Find<QLineEdit>(*window, "EditArchPath")->text(), QStringLiteral("/srv/архив"));
        QCOMPARE(docs.ws.ui.chooserTitles.back(), std::string(vd::text::kArchiveFolderTitle));
    }
};

VD_GUI_TEST(OptionsWindowTest);

#include "OptionsWindowTest.moc"

#include <QAction>
#include <QDate>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>
#include <string>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "Typing.h"
#include "documents/EditorWindow.h"
#include "documents/GoodsLinePanel.h"
#include "documents/GoodsLinesGrid.h"
#include "documents/LineField.h"
#include "documents/MemoField.h"
#include "documents/Messages.h"
#include "main/MainForm.h"
#include "main/MainTexts.h"
#include "register/RegisterWindow.h"
#include "support/QtText.h"

using vd::GoodsField;
using vd::gui::MainCommand;
using vd::gui::TfMainForm;
using vd::gui::TFormEdit;
using vd::gui::TFormList;
using vd::test::GuiDocuments;
namespace text = vd::text;

namespace {

TFormEdit* ShownEditor(const TfMainForm& form) { return qobject_cast<TFormEdit*>(form.ShownWindow()); }

void TypeAtEnd(QPlainTextEdit* field, const QString& text) {
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    vd::test::TypeText(field, text);
}

}  // namespace

// The editor in its place in the main window: opened by the register and by "Редактировать",
// saved, left, and the document issued afterwards.
class EditorInMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aNewDocumentIsTypedSavedAndIssuedThroughTheWindows() {
        GuiDocuments docs;
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TFormList* list = form->Register();
        list->aNewExecute();
        TFormEdit* editor = ShownEditor(*form);
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QVERIFY(!form->Action(MainCommand::View)->isEnabled());  // a new document is unsaved

        TypeAtEnd(editor->findChild<vd::gui::MemoField*>("dbeName1"), QStringLiteral("ООО «Северный лес»"));
        TypeAtEnd(editor->findChild<vd::gui::MemoField*>("dbeAddress1"), QStringLiteral("г. Вологда"));
        auto* certNo = editor->findChild<vd::gui::LineField*>("EditCertNo");
        certNo->setFocus();
        certNo->selectAll();
        vd::test::TypeText(certNo, QStringLiteral("0000321"));
        vd::test::TypeText(editor->findChild<vd::gui::LineField*>("EditFIO9"), QStringLiteral("Петров П. П."));
        vd::test::TypeText(editor->findChild<vd::gui::LineField*>("EditFIO10"), QStringLiteral("Иванов И. И."));
        auto* grid = editor->findChild<vd::gui::GoodsLinesGrid*>("dbcgData");
        const QStringList lines[] = {{"1", "Пиломатериалы", "10", "ящик", "100 кг", "Инв. 1"},
                                     {"2", "Брус", "5", "поддон", "2 м3", "Инв. 2"}};
        const GoodsField fields[] = {GoodsField::D4,  GoodsField::D5, GoodsField::D6c,
                                     GoodsField::D6p, GoodsField::D7, GoodsField::D8};
        for (const QStringList& line : lines) {
            QTest::mouseClick(editor->findChild<QPushButton*>("ButtonAdd"), Qt::LeftButton);
            vd::gui::GoodsLinePanel* panel = grid->Panel(*grid->Current());
            for (std::size_t f = 0; f < 6; ++f) vd::test::TypeText(&panel->Field(fields[f]), line[static_cast<qsizetype>(f)]);
        }
        auto* expertise = editor->findChild<QTableView*>("kxDBGrid1");
        expertise->model()->setData(expertise->model()->index(0, 1), QStringLiteral("Э-17"));
        expertise->model()->setData(expertise->model()->index(0, 0), QDate(2026, 12, 1));

        editor->findChild<QAction*>("aOK")->trigger();
        QVERIFY2(docs.ws.ui.messages.empty(), docs.ws.ui.messages.empty() ? "" : docs.ws.ui.messages.back().text.c_str());
        QCOMPARE(ShownEditor(*form), editor);  // stays on the stored document
        QVERIFY(form->Action(MainCommand::View)->isEnabled());
        QCOMPARE(docs.ws.session.editMode, 2);

        form->aListExecute();
        QCOMPARE(form->ShownWindow(), static_cast<QWidget*>(list));
        QVERIFY(docs.ws.ui.messages.empty());  // nothing left unsaved
        QTableView* master = list->MasterGrid();
        QCOMPARE(master->model()->index(0, 0).data().toString(), QStringLiteral("6007000001"));
        QCOMPARE(list->GoodsGrid()->model()->rowCount(), 2);
        const vd::RegisterRow* top = docs.ws.tdm.ASQM().Current();
        QCOMPARE(top->record.status, 6);
        QCOMPARE(top->record.declarant, std::string("ООО «Северный лес»"));
        QCOMPARE(top->record.paperNo, std::int64_t{321});
        const auto goods = docs.ws.tdm.ASQM().CurrentGoods();
        QCOMPARE(goods.size(), std::size_t{2});
        QCOMPARE(goods[1].num + "|" + goods[1].descriptionGoods + "|" + goods[1].count6Goods + "|" +
                     goods[1].package6Goods + "|" + goods[1].countGoods + "|" + goods[1].documents,
                 std::string("2|Брус|5|поддон|2 м3|Инв. 2"));
        QCOMPARE(docs.ws.tdm.ASQM().CurrentExpertise().size(), std::size_t{1});
        QCOMPARE(docs.ws.tdm.ASQM().CurrentExpertise()[0].nume, std::string("Э-17"));

        list->aCompleteExecute();
        QCOMPARE(docs.ws.ui.blankCalls.size(), std::size_t{1});
        QCOMPARE(docs.ws.ui.blankCalls[0].line2, std::string("№0000321?"));
        QCOMPARE(docs.Value("select status from mcod"), std::string("7"));
    }

    void anotherExpertsProjectOpensOnlyAfterTheQuestion() {
        GuiDocuments docs;
        docs.InsertRow(1, 6, 1, 11, "Петров");
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QVERIFY(form->Action(MainCommand::Edit)->isEnabled());

        docs.ws.ui.answers = {vd::Answer::No};
        form->aEditExecute();
        QCOMPARE(docs.ws.ui.messages.back().text,
                 std::string(text::kEditOthersDocument) + "\"Петров\"?\r\n" + std::string(text::kBecomesYours));
        QCOMPARE(form->ShownWindow(), static_cast<QWidget*>(form->Register()));

        docs.ws.ui.answers = {vd::Answer::Yes};
        form->aEditExecute();
        TFormEdit* editor = ShownEditor(*form);
        QVERIFY(editor);
        QCOMPARE(editor->Fields().declarant, std::string("Декларант 1"));
        QCOMPARE(docs.ws.session.editMode, 2);
    }

    void leavingForTheRegisterAsksAboutChangesAndNoKeepsTheDatabase() {
        GuiDocuments docs;
        docs.SaveNewProject();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->aEditExecute();
        TFormEdit* editor = ShownEditor(*form);
        QVERIFY(editor);
        const std::string before = docs.Snapshot();
        TypeAtEnd(editor->findChild<vd::gui::MemoField*>("dbm3"), QStringLiteral("изменено"));
        QVERIFY(!form->Action(MainCommand::Print)->isEnabled());

        docs.ws.ui.messages.clear();
        docs.ws.ui.answers = {vd::Answer::No};
        form->aListExecute();
        QCOMPARE(form->ShownWindow(), static_cast<QWidget*>(form->Register()));
        QCOMPARE(docs.ws.ui.messages.size(), std::size_t{1});
        QCOMPARE(docs.ws.ui.messages[0].text, std::string(text::kSaveChangesQuestion));
        QCOMPARE(docs.Snapshot(), before);
        QVERIFY(form->Action(MainCommand::Print)->isEnabled());
    }

    void cancelReturnsToTheRegister() {
        GuiDocuments docs;
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->Register()->aNewExecute();
        TFormEdit* editor = ShownEditor(*form);
        QVERIFY(editor);
        editor->findChild<QAction*>("aCancel")->trigger();
        QCOMPARE(form->ShownWindow(), static_cast<QWidget*>(form->Register()));
        QVERIFY(docs.ws.ui.messages.empty());
        QCOMPARE(docs.Value("select count(*) from mcod"), std::string("0"));
        QCOMPARE(docs.ws.session.editMode, 0);
    }
};

VD_GUI_TEST(EditorInMainWindowTest);

#include "EditorInMainWindowTest.moc"

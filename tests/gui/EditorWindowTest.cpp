#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>
#include <string>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "ModalScript.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "core/Messages.h"
#include "documents/ContragentDictionary.h"
#include "documents/ContragentWindow.h"
#include "documents/EditCommand.h"
#include "documents/EditorTexts.h"
#include "documents/EditorWindow.h"
#include "documents/ExpertiseGrid.h"
#include "documents/GoodsLinePanel.h"
#include "documents/GoodsLinesGrid.h"
#include "documents/InfoPanel.h"
#include "documents/LineField.h"
#include "documents/MemoField.h"
#include "documents/Messages.h"
#include "documents/PhraseDictionary.h"
#include "documents/PhraseWindow.h"
#include "register/Transitions.h"
#include "support/QtText.h"

using vd::GoodsField;
using vd::GoodsLine;
using vd::gui::GoodsLinePanel;
using vd::gui::GoodsLinesGrid;
using vd::gui::LineField;
using vd::gui::MemoField;
using vd::gui::TFormEdit;
using vd::gui::ToQString;
namespace text = vd::text;

namespace {

void Paste(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

GoodsLine GoodsRow(const std::string& num, const std::string& description, const std::string& package,
               const std::string& documents) {
    return GoodsLine{num, description, "1", package, "10 кг", documents};
}

}  // namespace

// The editor over a real database: what the user types, pastes and clicks, and what the core
// then holds and stores.
class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { docs_ = std::make_unique<vd::test::GuiDocuments>(); }

    void cleanup() {
        editor_.reset();
        docs_.reset();
    }

    // ---- Clean-up of what is typed and pasted ----------------------------------------------

    void pastedLineBreaksBecomeCrLf_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("LF, CR LF and CR mixed")
            << QStringLiteral("ООО \"Лес\"\nг. Вологда\r\nул. Мира\rд. 1")
            << QStringLiteral("ООО \"Лес\"\r\nг. Вологда\r\nул. Мира\r\nд. 1");
        QTest::newRow("an LF-only blank line collapses") << QStringLiteral("ООО\n\nЛес")
                                                         << QStringLiteral("ООО\r\nЛес");
        QTest::newRow("a CR LF blank line stays") << QStringLiteral("ООО\r\n\r\nЛес")
                                                  << QStringLiteral("ООО\r\n\r\nЛес");
    }

    void pastedLineBreaksBecomeCrLf() {
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        OpenNewDocument();
        Paste(Memo("dbeName1"), pasted);
        QCOMPARE(ToQString(editor_->Fields().declarant), stored);
        QVERIFY(docs_->ws.tdm.Working().modified);
    }

    void aTabInANameBecomesABlank_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("declarant") << "dbeName1" << QStringLiteral("ООО\t«Лес»") << QStringLiteral("ООО «Лес»");
        QTest::newRow("name of field 9, line break dropped")
            << "EditFIO9" << QStringLiteral("Петров\tП.\r\nП.") << QStringLiteral("Петров П.П.");
        QTest::newRow("name of field 10") << "EditFIO10" << QStringLiteral("Иванов\tИ.\nИ.")
                                          << QStringLiteral("Иванов И.И.");
    }

    void aTabInANameBecomesABlank() {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        OpenNewDocument();
        QWidget* widget = editor_->findChild<QWidget*>(field);
        Paste(widget, pasted);
        const vd::EditorFields f = editor_->Fields();
        const std::string value = field == "dbeName1" ? f.declarant : field == "EditFIO9" ? f.declaratorFio : f.fio10;
        QCOMPARE(ToQString(value), shown);
        if (auto* line = qobject_cast<LineField*>(widget)) QCOMPARE(line->text(), shown);
    }

    void blankPlacesOfTheNumbersBecomeZeros() {
        OpenNewDocument();
        auto* certNo = Line("EditCertNo");
        QCOMPARE(certNo->text(), QStringLiteral("0000000"));  // an empty register proposes no blank
        certNo->setFocus();
        certNo->setCursorPosition(7);
        QTest::keyClick(certNo, Qt::Key_Backspace);
        QCOMPARE(certNo->displayText(), QStringLiteral("0000000"));
        QTest::keyClick(certNo, Qt::Key_5);
        QTest::keyClick(certNo, Qt::Key_Home);
        QTest::keyClick(certNo, Qt::Key_Delete);
        QCOMPARE(certNo->displayText(), QStringLiteral("0000005"));
        QCOMPARE(editor_->Fields().certNo, std::string("0000005"));
    }

    // ---- Goods lines ------------------------------------------------------------------------

    void deletingTheOnlyLineLeavesNoneAndASecondDeleteDoesNothing() {
        OpenNewDocument();
        QTest::mouseClick(editor_->findChild<QPushButton*>("ButtonAdd"), Qt::LeftButton);
        QCOMPARE(Working().goods.size(), std::size_t{1});
        vd::test::TypeText(&Panel(0)->Field(GoodsField::D4), QStringLiteral("1"));
        QCOMPARE(Working().goods[0].num, std::string("1"));

        QTest::mouseClick(Panel(0)->findChild<QToolButton*>("pDel"), Qt::LeftButton);
        QVERIFY(Working().goods.empty());
        // The empty table keeps one panel without a line; its "x" has nothing to delete.
        QCOMPARE(Grid()->PanelCount(), std::size_t{1});
        QVERIFY(Panel(0)->Field(GoodsField::D5).isReadOnly());
        QTest::mouseClick(Panel(0)->findChild<QToolButton*>("pDel"), Qt::LeftButton);
        QVERIFY(Working().goods.empty());
        QCOMPARE(Grid()->PanelCount(), std::size_t{1});
    }

    void linesAreAddedAtTheEndAndInsertedBeforeTheCurrentOne() {
        OpenNewDocument();
        auto* add = editor_->findChild<QPushButton*>("ButtonAdd");
        for (const QString& number : {QStringLiteral("1"), QStringLiteral("2")}) {
            QTest::mouseClick(add, Qt::LeftButton);
            vd::test::TypeText(&Panel(Grid()->PanelCount() - 1)->Field(GoodsField::D4), number);
        }
        QTest::mouseClick(Panel(1)->findChild<QToolButton*>("pInsert"), Qt::LeftButton);
        QCOMPARE(Working().goods.size(), std::size_t{3});
        QCOMPARE(Working().goods[0].num, std::string("1"));
        QCOMPARE(Working().goods[1].num, std::string(""));
        QCOMPARE(Working().goods[2].num, std::string("2"));
        QCOMPARE(*Grid()->Current(), std::size_t{1});
        QVERIFY(Panel(1)->Field(GoodsField::D4).hasFocus());
    }

    void theMarkerCopiesThePackagingToEveryLine() {
        Working().goods = {GoodsRow("1", "Брус", "ящик", "Инв. 1"), GoodsRow("2", "Доска", "", "Инв. 2")};
        OpenNewDocument(false);
        docs_->ws.ui.answers = {vd::Answer::Yes};
        ClickMarker(*Panel(0));
        QCOMPARE(docs_->ws.ui.messages.back().text, std::string("Размножить \"ящик\" в остальные записи?"));
        QCOMPARE(Working().goods[1].package6Goods, std::string("ящик"));
        QCOMPARE(Panel(1)->Field(GoodsField::D6p).toPlainText(), QStringLiteral("ящик"));

        // An empty packaging asks nothing.
        docs_->ws.ui.messages.clear();
        Working().goods[1].package6Goods.clear();
        editor_->ShowDocument();
        ClickMarker(*Panel(1));
        QVERIFY(docs_->ws.ui.messages.empty());
    }

    // ---- The enabling rule ------------------------------------------------------------------

    void aDuplicateChangesOnlyNumbersInvoicesFieldsNineAndTen() {
        auto& ws = docs_->ws;
        const std::string source = docs_->SaveNewProject("ООО \"Лес\"");
        QVERIFY(ws.tdm.ASQM().LocateReference(source));
        QVERIFY(vd::IssueDocument(ws.tdm));
        QVERIFY(ws.tdm.ASQM().LocateReference(source));
        QVERIFY(vd::DuplicateDocument(ws.tdm).openEditor);
        ws.ui.messages.clear();
        Show();

        for (const char* name : {"dbeName1", "dbeAddress1", "dbm3"}) QVERIFY2(Memo(name)->isReadOnly(), name);
        for (GoodsField field : {GoodsField::D4, GoodsField::D5, GoodsField::D6c, GoodsField::D6p, GoodsField::D7}) {
            QVERIFY(Panel(0)->Field(field).isReadOnly());
        }
        QVERIFY(!Panel(0)->Field(GoodsField::D8).isReadOnly());
        for (const char* name : {"p1sel", "p3sel"}) QVERIFY2(!editor_->findChild<QWidget*>(name)->isEnabled(), name);
        for (const char* name : {"p5sel", "p6sel", "pDel"}) QVERIFY2(!Panel(0)->findChild<QWidget*>(name)->isEnabled(), name);
        QVERIFY(Panel(0)->findChild<QWidget*>("pInsert")->isEnabled());
        QVERIFY(!editor_->findChild<QWidget*>("ButtonAdd")->isEnabled());
        for (const char* name : {"p1add", "p3add", "p9add", "p10add"}) QVERIFY2(editor_->findChild<QWidget*>(name)->isEnabled(), name);
        for (const char* name : {"dbeRefNumNum", "EditCertNo", "EditFIO9", "EditFIO10"}) {
            QVERIFY2(!Line(name)->isReadOnly() && Line(name)->isEnabled(), name);
        }

        TypeAtEnd(&Panel(0)->Field(GoodsField::D8), QStringLiteral(" от 01.12.2026"));
        QCOMPARE(Working().goods[0].documents, std::string("Инвойс 1 от 01.12.2026"));
        vd::test::TypeText(Memo("dbeName1"), QStringLiteral("X"));
        vd::test::TypeText(&Panel(0)->Field(GoodsField::D5), QStringLiteral("X"));
        QCOMPARE(editor_->Fields().declarant, std::string("ООО \"Лес\""));
        QCOMPARE(Working().goods[0].descriptionGoods, std::string("Пиломатериалы"));
        // Nor does the packaging marker change a duplicate's lines.
        ClickMarker(*Panel(0));
        QVERIFY(ws.ui.messages.empty());

        // Stored only after the warning that it cannot be changed later; then the editor closes.
        QSignalSpy closing(editor_.get(), &TFormEdit::closeRequested);
        ws.ui.answers = {vd::Answer::Yes};
        Action("aOK")->trigger();
        QCOMPARE(ws.ui.messages.front().text, std::string(text::kDuplicateSaveQuestion));
        QCOMPARE(closing.size(), 1);
        QCOMPARE(docs_->Value("select count(*) from mcod where status = 10"), std::string("1"));
        QCOMPARE(docs_->Value("select goDuplicate from mcod where status = 7"), Working().master.referenceNo);
    }

    // ---- Saving, cancelling and leaving -----------------------------------------------------

    void hidingWithChangesAndAnsweringNoLeavesTheDatabaseUnchanged() {
        auto& ws = docs_->ws;
        const std::string ref = docs_->SaveNewProject("ООО \"Лес\"");
        QVERIFY(ws.tdm.ASQM().LocateReference(ref));
        QVERIFY(vd::EditCurrentDocument(ws.tdm));
        const std::string before = docs_->Snapshot();
        Show();
        QVERIFY(!Working().modified);
        QSignalSpy viewAndPrint(editor_.get(), &TFormEdit::viewAndPrintAllowed);
        TypeAtEnd(Memo("dbeName1"), QStringLiteral(" и К"));
        QTest::mouseClick(editor_->findChild<QPushButton*>("ButtonAdd"), Qt::LeftButton);
        QVERIFY(Working().modified);
        QCOMPARE(viewAndPrint.first().first().toBool(), false);

        ws.ui.answers = {vd::Answer::No};
        editor_->hide();
        QCOMPARE(ws.ui.messages.back().text, std::string(text::kSaveChangesQuestion));
        QCOMPARE(ws.ui.messages.back().buttons, vd::Buttons::YesNo);
        QCOMPARE(docs_->Snapshot(), before);
        QVERIFY(!Working().modified);
        QCOMPARE(viewAndPrint.last().first().toBool(), true);
        QVERIFY(!editor_->findChild<vd::gui::InfoPanel*>("pInfo")->isVisibleTo(editor_.get()));

        // Shown again, it shows the stored document, without the dropped line.
        editor_->show();
        QCOMPARE(Memo("dbeName1")->toPlainText(), QStringLiteral("ООО \"Лес\""));
        QCOMPARE(Working().goods.size(), std::size_t{2});
    }

    void hidingWithChangesAndAnsweringYesSavesThem() {
        auto& ws = docs_->ws;
        const std::string ref = docs_->SaveNewProject("ООО \"Лес\"");
        QVERIFY(ws.tdm.ASQM().LocateReference(ref));
        QVERIFY(vd::EditCurrentDocument(ws.tdm));
        Show();
        TypeAtEnd(Memo("dbeName1"), QStringLiteral(" и К"));
        ws.ui.answers = {vd::Answer::Yes};
        editor_->hide();
        QCOMPARE(docs_->Value("select declarant from mcod"), std::string("ООО \"Лес\" и К"));
    }

    void cancelWritesNothingAndAsksToClose() {
        OpenNewDocument();
        const std::string before = docs_->Snapshot();
        QSignalSpy closing(editor_.get(), &TFormEdit::closeRequested);
        vd::test::TypeText(Memo("dbeName1"), QStringLiteral("ООО"));
        Action("aCancel")->trigger();
        QCOMPARE(closing.size(), 1);
        QVERIFY(!Working().modified);
        editor_->hide();
        QVERIFY(docs_->ws.ui.messages.empty());  // nothing left to ask about
        QCOMPARE(docs_->Snapshot(), before);
        QCOMPARE(docs_->ws.session.editMode, 0);
    }

    void aRefusedSaveKeepsTheEditorAsItWas() {
        OpenNewDocument();
        Action("aOK")->trigger();
        QCOMPARE(docs_->ws.ui.messages.back().text,
                 std::string(text::kBlankPrefix) + std::string(text::kBlankZero) + "\r" +
                     std::string(text::kDeclarantMissing) + "\r" + std::string(text::kAddressMissing) + "\r\r" +
                     "ПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?");
        QCOMPARE(docs_->ws.ui.messages.back().buttons, vd::Buttons::No);
        QCOMPARE(docs_->Value("select count(*) from mcod"), std::string("0"));
        QVERIFY(Working().modified);
    }

    void toolsNotBuiltYetSaySo() {
        OpenNewDocument();
        for (const char* name : {"aZEZ", "aWord"}) {
            docs_->ws.ui.messages.clear();
            Action(name)->trigger();
            QCOMPARE(docs_->ws.ui.messages.size(), std::size_t{1});
            QCOMPARE(docs_->ws.ui.messages[0].text, std::string(text::kNotAvailableYet));
        }
    }

    // ---- Information panel and mouse wheel --------------------------------------------------

    void theInformationPanelShowsTheHintOfTheGroupEntered() {
        Working().goods = {GoodsRow("1", "Брус", "ящик", "Инв. 1")};
        OpenNewDocument(false);
        auto* info = editor_->findChild<vd::gui::InfoPanel*>("pInfo");
        const std::pair<QWidget*, std::string_view> cases[] = {
            {Memo("dbm3"), text::kGroup3Hint},
            {&Panel(0)->Field(GoodsField::D8), text::kGoods8Hint},
            {Line("dbeRefNumNum"), ""},  // field 2 has none: the panel goes
            {Memo("dbeName1"), text::kGroup1Hint},
            {Line("EditFIO9"), ""},
            {&Panel(0)->Field(GoodsField::D5), text::kGoods5Hint},
        };
        for (const auto& [field, hint] : cases) {
            field->setFocus();
            QCOMPARE(info->Info(), ToQString(hint));
            QCOMPARE(info->isVisibleTo(editor_.get()), !hint.empty());
        }
        QWidget* picture = info->findChild<QWidget*>("iInfo");
        QCOMPARE(info->height(), vd::gui::InfoPanel::kSmallHeight);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QCOMPARE(info->maximumHeight(), vd::gui::InfoPanel::kLargeHeight);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QCOMPARE(info->maximumHeight(), vd::gui::InfoPanel::kSmallHeight);
    }

    void theWheelScrollsTheFormUntilAFieldOfTextIsEntered() {
        OpenNewDocument();
        editor_->resize(900, 400);
        QScrollBar* form = editor_->findChild<QScrollArea*>("sbEdit")->verticalScrollBar();
        QVERIFY(form->maximum() > 200);
        QVERIFY(editor_->WheelScrollsForm());
        vd::test::TurnWheel(Memo("dbm3")->viewport(), -120);
        QCOMPARE(form->value(), 60);
        vd::test::TurnWheel(Line("EditFIO9"), -240);
        QCOMPARE(form->value(), 180);

        QTest::mouseClick(Memo("dbm3")->viewport(), Qt::LeftButton);
        QVERIFY(!editor_->WheelScrollsForm());
        vd::test::TurnWheel(Line("EditFIO9"), 120);
        QCOMPARE(form->value(), 180);

        QTest::mouseClick(editor_->findChild<QWidget*>("gb9"), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(editor_->WheelScrollsForm());
        vd::test::TurnWheel(Memo("dbm3")->viewport(), 120);
        QCOMPARE(form->value(), 120);
    }

    // ---- Expertise list ---------------------------------------------------------------------

    void expertiseRowsAreTypedBelowTheListAndDeletedWithCtrlDelete() {
        OpenNewDocument();
        auto* grid = editor_->findChild<vd::gui::ExpertiseGrid*>("kxDBGrid1");
        QCOMPARE(grid->model()->rowCount(), 1);  // the empty row to type into
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 1));
        // The first key opens the cell's editor and goes into it; the rest is typed there.
        vd::test::TypeText(grid, QStringLiteral("Э"));
        vd::test::TypeText(QApplication::focusWidget(), QStringLiteral("-5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(Working().expertise.size(), std::size_t{1});
        QCOMPARE(Working().expertise[0].nume, std::string("Э-5"));
        QVERIFY(!Working().expertise[0].de);

        // The date is edited with a date editor over the cell; each change is kept at once.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        grid->edit(grid->currentIndex());
        auto* picker = grid->findChild<QDateEdit*>("DateTimePickerDB");
        QVERIFY(picker);
        QCOMPARE(picker->date(), QDate(2026, 12, 11));  // an expertise without date starts at today
        picker->setDate(QDate(2026, 11, 30));
        QCOMPARE(*Working().expertise[0].de, vd::ToDayNumber(vd::CalendarDate{2026, 11, 30}));
        QTest::keyClick(picker, Qt::Key_Escape);

        grid->setCurrentIndex(grid->model()->index(0, 1));
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(Working().expertise.empty());
        QCOMPARE(grid->model()->rowCount(), 1);
    }

    // ---- Dictionary buttons -----------------------------------------------------------------

    void aChosenServiceNoteReplacesTheWholeField() {
        auto& ws = docs_->ws;
        OpenNewDocument();
        vd::test::TypeText(Memo("dbm3"), QStringLiteral("прежний текст"));
        QCOMPARE(vd::SavePhrase(ws.tdm, vd::phrase::kServiceNotes, "Дубликат"), vd::SavePhraseResult::Added);
        vd::test::ModalScript script;
        script.Then<vd::gui::TfPhrase>([](vd::gui::TfPhrase& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("Служебные отметки"));
            vd::test::TypeText(window.findChild<QWidget*>("edSearchStart"), QStringLiteral("дуб"));
            QTest::mouseClick(vd::test::ButtonWithText(window, text::kDictionarySelect), Qt::LeftButton);
        });
        script.Start();
        QTest::mouseClick(editor_->findChild<QWidget*>("p3sel"), Qt::LeftButton);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(editor_->Fields().supportInfo, std::string("Дубликат"));
    }

    void aDictionaryClosedByItsTitleBarLeavesTheFieldsAsTheyWere() {
        auto& ws = docs_->ws;
        QVERIFY(vd::StoreContragent(ws.tdm, "ООО \"Берёза\"", "г. Тотьма"));
        OpenNewDocument();
        vd::test::TypeText(Memo("dbeName1"), QStringLiteral("ООО"));
        vd::test::ModalScript script;
        script.Then<vd::gui::TfContragent>([](vd::gui::TfContragent& window) { window.close(); });
        script.Start();
        QTest::mouseClick(editor_->findChild<QWidget*>("p1sel"), Qt::LeftButton);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(editor_->Fields().declarant, std::string("ООО"));
        QCOMPARE(editor_->Fields().address, std::string());

        vd::test::ModalScript choose;
        choose.Then<vd::gui::TfContragent>([](vd::gui::TfContragent& window) {
            QTest::mouseClick(vd::test::ButtonWithText(window, text::kDictionarySelect), Qt::LeftButton);
        });
        choose.Start();
        QTest::mouseClick(editor_->findChild<QWidget*>("p1sel"), Qt::LeftButton);
        QVERIFY2(choose.Done(), qPrintable(choose.Failure()));
        QCOMPARE(editor_->Fields().declarant, std::string("ООО \"Берёза\""));
        QCOMPARE(editor_->Fields().address, std::string("г. Тотьма"));
    }

    void thePlusButtonsAddTheFieldsTexts() {
        auto& ws = docs_->ws;
        Working().goods = {GoodsRow("1", "Брус", "ящик", "Инв. 1")};
        OpenNewDocument(false);
        vd::test::TypeText(Memo("dbeName1"), QStringLiteral("ООО \"Лес\""));
        vd::test::TypeText(Memo("dbeAddress1"), QStringLiteral("Вологда"));
        QTest::mouseClick(editor_->findChild<QWidget*>("p1add"), Qt::LeftButton);
        QCOMPARE(ws.ui.messages.back().text, std::string("Добавлено значение\n\rООО \"Лес\"\n\rВологда"));
        QTest::mouseClick(Panel(0)->findChild<QWidget*>("p5add"), Qt::LeftButton);
        QCOMPARE(ws.ui.messages.back().text, std::string("Добавлено значение\n\rБрус"));
        QTest::mouseClick(Panel(0)->findChild<QWidget*>("p5add"), Qt::LeftButton);
        QCOMPARE(ws.ui.messages.back().text, std::string(text::kPhraseAlreadyStored));
        vd::test::TypeText(Line("EditFIO9"), QStringLiteral("Вологда"));
        QTest::mouseClick(editor_->findChild<QWidget*>("p9add"), Qt::LeftButton);
        QCOMPARE(ws.ui.messages.back().text, std::string("Установлено значение\n\rВологда"));
        QCOMPARE(vd::ReadPhrase(ws.tdm, vd::phrase::kDeclarantName), std::string("Вологда"));
        QCOMPARE(vd::ListContragents(ws.tdm).size(), std::size_t{1});
    }

    void everyControlCarriesItsHint() {
        OpenNewDocument();
        const std::pair<const char*, std::string_view> hints[] = {
            {"dbeName1", text::kName1Hint},     {"dbeAddress1", text::kAddress1Hint},
            {"EditG", text::kYearDigitHint},    {"EditTpp", text::kChamberNumberHint},
            {"dbeRefNumNum", text::kRefNumNumHint}, {"EditCertNo", text::kCertNoHint},
            {"gb3", text::kGroup3Hint},         {"p1sel", text::kPickContragentHint},
            {"p1add", text::kAddContragentHint}, {"p3sel", text::kInsertServiceNoteHint},
            {"p3add", text::kAddPhraseHint},    {"p9add", text::kSetCertifyPlaceDefaultHint},
            {"p10add", text::kAddPhraseHint},   {"kxDBGrid1", text::kExpertiseGridHint},
            {"iInfo", text::kInfoPictureHint},
        };
        for (const auto& [name, hint] : hints) {
            QWidget* widget = editor_->findChild<QWidget*>(name);
            QVERIFY2(widget, name);
            QCOMPARE(widget->toolTip(), ToQString(hint));
        }
        QCOMPARE(Action("aOK")->toolTip(), ToQString(text::kEditorSaveHint));
        QCOMPARE(Action("aCancel")->toolTip(), ToQString(text::kEditorCancelHint));
        QCOMPARE(Action("aZEZ")->toolTip(), ToQString(text::kEditorZezHint));
        QCOMPARE(Action("aWord")->toolTip(), ToQString(text::kEditorWordHint));
        QCOMPARE(Panel(0)->findChild<QWidget*>("pInsert")->toolTip(), ToQString(text::kInsertLineHint));
        QCOMPARE(Panel(0)->findChild<QWidget*>("pDel")->toolTip(), ToQString(text::kDeleteLineHint));
    }

private:
    // A new project as "Новый" prepares it, shown in the editor. `fresh` false keeps the goods
    // lines a test has put into the working set.
    void OpenNewDocument(bool fresh = true) {
        std::vector<GoodsLine> goods = Working().goods;
        QVERIFY(vd::NewProject(docs_->ws.tdm));
        if (!fresh) Working().goods = goods;
        docs_->ws.ui.messages.clear();
        Show();
    }

    void Show() {
        editor_ = std::make_unique<TFormEdit>(docs_->ws.tdm);
        editor_->resize(900, 700);
        editor_->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
        editor_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
    }

    vd::WorkingSet& Working() { return docs_->ws.tdm.Working(); }
    MemoField* Memo(const char* name) { return editor_->findChild<MemoField*>(name); }
    LineField* Line(const char* name) { return editor_->findChild<LineField*>(name); }
    QAction* Action(const char* name) { return editor_->findChild<QAction*>(name); }
    GoodsLinesGrid* Grid() { return editor_->findChild<GoodsLinesGrid*>("dbcgData"); }
    GoodsLinePanel* Panel(std::size_t index) { return Grid()->Panel(index); }

    static void TypeAtEnd(QPlainTextEdit* field, const QString& text) {
        field->setFocus();
        field->moveCursor(QTextCursor::End);
        vd::test::TypeText(field, text);
    }

    static void ClickMarker(GoodsLinePanel& panel) {
        const QRect package = panel.Field(GoodsField::D6p).geometry();
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(package.left() - 9, package.top() + 5));
    }

    std::unique_ptr<vd::test::GuiDocuments> docs_;
    std::unique_ptr<TFormEdit> editor_;
};

VD_GUI_TEST(EditorWindowTest);

#include "EditorWindowTest.moc"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <memory>
#include <string>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "documents/ContragentDictionary.h"
#include "documents/ContragentWindow.h"
#include "documents/Messages.h"
#include "documents/PhraseDictionary.h"
#include "documents/PhraseWindow.h"
#include "support/QtText.h"

using vd::gui::TfContragent;
using vd::gui::TfPhrase;
using vd::gui::ToQString;
namespace text = vd::text;

// The two dictionary windows over a real database: listing, searching, choosing, adding and
// deleting, and the ways of closing them.
class DictionaryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        docs_ = std::make_unique<vd::test::GuiDocuments>();
        for (const auto& [name, address] : {std::pair{"ЗАО \"Восток\"", "г. Вологда"},
                                            {"ООО \"Лес\"", "г. Тотьма, ул. Лесная"},
                                            {"ооо \"Берёза\"", "г. Сокол"},
                                            {"ИП Петров", "г. Вологда, ул. Ленина"}}) {
            QVERIFY(vd::StoreContragent(Tdm(), name, address));
        }
    }

    void cleanup() { docs_.reset(); }

    void theCounterpartyWindowListsNamesAndAddresses() {
        TfContragent window(Tdm());
        Open(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Контрагенты"));
        QCOMPARE(docs_->ws.ui.helpLines.back(), std::string(text::kContragentPickHelp));
        QTableView* list = List(window);
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), ToQString(text::kContragentNameColumn));
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), ToQString(text::kContragentAddressColumn));
        // Four lines of wrapped text per row, the full text as a tool tip.
        QVERIFY(list->verticalHeader()->defaultSectionSize() >= 4 * list->fontMetrics().lineSpacing());
        QVERIFY(list->wordWrap());
        QCOMPARE(list->model()->index(0, 1).data(Qt::ToolTipRole), list->model()->index(0, 1).data());
    }

    // Typing "ооо" finds the first name beginning with "ООО" in any letter case; a text that
    // matches nothing leaves the row where it was.
    void searchingIgnoresTheLetterCase() {
        TfContragent window(Tdm());
        Open(window);
        QTableView* list = List(window);
        QWidget* fromStart = window.findChild<QWidget*>("edSearchStart");
        vd::test::TypeText(fromStart, QStringLiteral("ооо"));
        const int found = list->currentIndex().row();
        QVERIFY(found >= 0);
        QVERIFY(list->model()->index(found, 0).data().toString().toUpper().startsWith(QStringLiteral("ООО")));
        for (int row = 0; row < found; ++row) {
            QVERIFY(!list->model()->index(row, 0).data().toString().toUpper().startsWith(QStringLiteral("ООО")));
        }
        vd::test::TypeText(fromStart, QStringLiteral("Ъ"));
        QCOMPARE(list->currentIndex().row(), found);

        // "Поиск везде" looks inside the column the user is in: here the addresses.
        list->setCurrentIndex(list->model()->index(0, 1));
        vd::test::TypeText(window.findChild<QWidget*>("edSearchAll"), QStringLiteral("ЛЕНИНА"));
        QCOMPARE(list->model()->index(list->currentIndex().row(), 0).data().toString(), QStringLiteral("ИП Петров"));
    }

    void choosingByDoubleClickReturnsThePair() {
        TfContragent window(Tdm());
        Open(window);
        QTableView* list = List(window);
        const int row = RowOf(*list, QStringLiteral("ИП Петров"));
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.SelectedName(), std::string("ИП Петров"));
        QCOMPARE(window.SelectedAddress(), std::string("г. Вологда, ул. Ленина"));
    }

    void closingByTheTitleBarIsCancel() {
        TfContragent window(Tdm());
        Open(window);
        window.close();
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(window.SelectedName().empty());
    }

    void theAddPanelMirrorsTheRowAndAddsWhatIsEdited() {
        TfContragent window(Tdm());
        Open(window);
        QTableView* list = List(window);
        list->setCurrentIndex(list->model()->index(RowOf(*list, QStringLiteral("ИП Петров")), 0));
        auto* name = window.findChild<QPlainTextEdit*>("mAddName");
        auto* address = window.findChild<QPlainTextEdit*>("mAddAddress");
        QCOMPARE(name->toPlainText(), QStringLiteral("ИП Петров"));
        QCOMPARE(address->toPlainText(), QStringLiteral("г. Вологда, ул. Ленина"));

        name->moveCursor(QTextCursor::End);
        vd::test::TypeText(name, QStringLiteral(" П. П."));
        QTest::mouseClick(vd::test::ButtonWithText(window, text::kDictionaryAdd), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 5);
        QCOMPARE(list->model()->index(list->currentIndex().row(), 0).data().toString(), QStringLiteral("ИП Петров П. П."));
        QVERIFY(docs_->ws.ui.messages.empty());
    }

    void deletingNeedsNoConfirmationAndRemovesEveryEqualPair() {
        {
            vd::Transaction transaction(Tdm().Db());
            vd::Statement insert(Tdm().Db(), "INSERT INTO Contragent (nameT,nameB) VALUES (:nameT,:nameB);");
            insert.BindBlobText(":nameT", "ИП Петров");
            insert.BindBlobText(":nameB", "г. Вологда, ул. Ленина");
            insert.Execute();
            transaction.Commit();
        }
        TfContragent window(Tdm());
        Open(window);
        QTableView* list = List(window);
        QCOMPARE(list->model()->rowCount(), 5);
        list->setCurrentIndex(list->model()->index(RowOf(*list, QStringLiteral("ИП Петров")), 0));
        QTest::mouseClick(vd::test::ButtonWithText(window, text::kDictionaryDelete), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(RowOf(*list, QStringLiteral("ИП Петров")), -1);
        QVERIFY(docs_->ws.ui.messages.empty());
        QVERIFY(window.isVisible());
    }

    void thePhraseWindowShowsOneTypeAndKeepsATextOnce() {
        for (const char* goods : {"Брус", "Доска обрезная", "Фанера"}) {
            QCOMPARE(vd::SavePhrase(Tdm(), vd::phrase::kGoods, goods), vd::SavePhraseResult::Added);
        }
        TfPhrase window(Tdm());
        window.SetPhraseType(vd::phrase::kGoods);
        Open(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Товары"));
        QCOMPARE(docs_->ws.ui.helpLines.back(), std::string(text::kPhrasePickHelp));
        QTableView* list = List(window);
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Товары"));
        QCOMPARE(list->model()->rowCount(), 3);

        auto* memo = window.findChild<QPlainTextEdit*>("mAdd");
        memo->setPlainText(QStringLiteral("Пиломатериалы"));
        QAbstractButton* add = vd::test::ButtonWithText(window, text::kDictionaryAdd);
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Пиломатериалы"));
        QCOMPARE(vd::ListPhrases(Tdm(), vd::phrase::kGoods).size(), std::size_t{4});

        QTest::mouseClick(vd::test::ButtonWithText(window, text::kDictionarySelect), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.SelectedName(), std::string("Пиломатериалы"));
    }

    void theWheelMovesOneRowPerStep() {
        for (const char* package : {"ящик", "мешок", "поддон", "бочка"}) vd::SavePhrase(Tdm(), vd::phrase::kPackaging, package);
        TfPhrase window(Tdm());
        window.SetPhraseType(vd::phrase::kPackaging);
        Open(window);
        QTableView* list = List(window);
        const int rows = list->model()->rowCount();
        QVERIFY(rows >= 4);
        list->setCurrentIndex(list->model()->index(1, 0));
        for (const auto& [delta, row] : {std::pair{-120, 2}, {-240, 4}, {120, 3}, {600, 0}, {-60, 0}, {-60, 1}}) {
            vd::test::TurnWheel(list->viewport(), delta);
            QCOMPARE(list->currentIndex().row(), row);
        }
    }

    void eachWindowOpensWithTheSizeItWasLeftWith() {
        {
            TfContragent window(Tdm());
            Open(window);
            window.resize(700, 450);
        }
        TfContragent again(Tdm());
        QCOMPARE(again.size(), QSize(700, 450));
        TfPhrase other(Tdm());
        QCOMPARE(other.size(), QSize(620, 560));  // stored under its own name
    }

    void anEmptyListChoosesNothing() {
        TfPhrase window(Tdm());
        window.SetPhraseType(vd::phrase::kCountries);
        Open(window);
        QTest::mouseClick(vd::test::ButtonWithText(window, text::kDictionarySelect), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QVERIFY(window.SelectedName().empty());
    }

private:
    vd::TDM& Tdm() { return docs_->ws.tdm; }

    static void Open(QDialog& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    static QTableView* List(QDialog& window) { return window.findChild<QTableView*>("dbgList"); }

    static int RowOf(const QTableView& list, const QString& name) {
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            if (list.model()->index(row, 0).data().toString() == name) return row;
        }
        return -1;
    }

    std::unique_ptr<vd::test::GuiDocuments> docs_;
};

VD_GUI_TEST(DictionaryWindowTest);

#include "DictionaryWindowTest.moc"

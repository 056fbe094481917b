#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <memory>
#include <string>

#include "GuiReports.h"
#include "GuiTest.h"
#include "core/Messages.h"
#include "documents/Messages.h"
#include "main/MainForm.h"
#include "register/FontSizes.h"
#include "register/ViewZoom.h"
#include "report/ReportPreview.h"
#include "report/ViewWindow.h"
#include "support/QtText.h"

using vd::SizeChoice;
using vd::gui::MainCommand;
using vd::gui::TfMainForm;
using vd::gui::TfView;
using vd::gui::ViewCommand;
using vd::test::GuiDocuments;

namespace {

// A declarant too long for field 1 at size 10.
const std::string kLongDeclarant =
    "Общество с ограниченной ответственностью \"Северо-Западная лесопромышленная компания по "
    "заготовке, переработке и экспорту пиломатериалов хвойных и лиственных пород, фанеры, "
    "древесных плит, погонажных изделий, клеёного бруса и домокомплектов из него, а также "
    "щепы технологической, опилок, топливных гранул и брикетов\", филиал в городе Великий Устюг";

}  // namespace

// The view of the register's current document: the conclusion as it prints, the font menu with
// its marks, "Автоподбор", "Сохранить" of the sizes and the zoom.
class ViewWindowTest : public QObject {
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

    // Stored sizes are shown as the menu's marks: 12 as "10", 3 as "Автоматически", 3 in a goods
    // column (no such entry there) as no mark; the document itself is on the page.
    void theViewShowsTheDocumentWithItsStoredSizesMarked() {
        const std::string reference = vd::test::SaveDocument(*docs_, 7, "ООО \"Вологодский лес\"");
        docs_->ws.tdm.Db().Exec("update mcod set fSize1 = 12, fSize3 = 3, fSize5 = 3, fSize9 = 8");
        TfView* view = OpenView();
        const auto& pages = view->Preview()->Report().pages;
        QVERIFY(!pages.empty());
        const std::string page = pages.front().Text();
        QVERIFY(page.find("ЗАКЛЮЧЕНИЕ") != std::string::npos);
        QVERIFY(page.find("Вологодский лес") != std::string::npos);
        QVERIFY(page.find(reference) != std::string::npos);

        struct Mark {
            int field;
            std::optional<SizeChoice> marked;
        };
        for (const Mark& m : {Mark{1, SizeChoice::Fixed(10)}, Mark{3, SizeChoice::Automatic()},
                              Mark{5, std::nullopt}, Mark{9, SizeChoice::Fixed(8)}, Mark{10, SizeChoice::Fixed(10)}}) {
            for (const SizeChoice choice : {SizeChoice::Fixed(6), SizeChoice::Fixed(8), SizeChoice::Fixed(10),
                                            SizeChoice::Automatic()}) {
                QAction* entry = view->SizeEntry(m.field, choice);
                if (!entry) continue;
                QVERIFY2(entry->isChecked() == (m.marked == choice),
                         qPrintable(QStringLiteral("field %1, %2").arg(m.field).arg(entry->text())));
            }
        }
        QCOMPARE(view->Conclusion().ObjectSize("dMemo13"), std::optional<int>(8));
        // The goods columns offer no "Автоматически"; field 2 is not chosen by hand.
        QVERIFY(!view->SizeEntry(5, SizeChoice::Automatic()));
        QVERIFY(!view->FontMenu()->findChild<QMenu*>(QStringLiteral("pmField2"))->menuAction()->isEnabled());
        // An issued conclusion's sizes are kept as they are, "Автоподбор" or not.
        QVERIFY(view->Action(ViewCommand::AutoFit)->isChecked());
        QVERIFY(!view->Action(ViewCommand::SaveFont)->isEnabled());
    }

    // A size chosen by hand and "Автоподбор" change what is shown, never what is stored.
    void choosingSizesAndAutoFitChangeOnlyTheView() {
        docs_->ws.tdm.Options().SetAutoFontSize("Ведров", false);
        vd::test::SaveDocument(*docs_, 6, kLongDeclarant);
        TfView* view = OpenView();
        QVERIFY(!view->Action(ViewCommand::AutoFit)->isChecked());
        QVERIFY(view->SizeEntry(1, SizeChoice::Fixed(10))->isChecked());
        const std::string stored = docs_->Value("select fSize1 || fSize5 || fSize7 from mcod");

        view->SizeEntry(5, SizeChoice::Fixed(7))->trigger();
        QCOMPARE(view->Conclusion().ObjectSize("gMemo2"), std::optional<int>(7));
        QVERIFY(view->SizeEntry(5, SizeChoice::Fixed(7))->isChecked());
        QVERIFY(!view->SizeEntry(5, SizeChoice::Fixed(10))->isChecked());
        // Both objects of field 1 take the smaller fitted size.
        view->SizeEntry(1, SizeChoice::Automatic())->trigger();
        const auto declarant = view->Conclusion().ObjectSize("dMemo1");
        QVERIFY(declarant && *declarant < 10);
        QCOMPARE(view->Conclusion().ObjectSize("dMemo2"), declarant);
        QVERIFY(view->SizeEntry(1, SizeChoice::Automatic())->isChecked());

        view->SizeEntry(1, SizeChoice::Fixed(9))->trigger();
        view->Action(ViewCommand::AutoFit)->trigger();
        QVERIFY(docs_->ws.tdm.Options().AutoFontSize("Ведров"));
        for (const int field : {1, 3, 9, 10}) QVERIFY(view->SizeEntry(field, SizeChoice::Automatic())->isChecked());
        QCOMPARE(view->Conclusion().ObjectSize("dMemo1"), declarant);
        view->Action(ViewCommand::AutoFit)->trigger();
        QVERIFY(!docs_->ws.tdm.Options().AutoFontSize("Ведров"));
        QCOMPARE(docs_->Value("select fSize1 || fSize5 || fSize7 from mcod"), stored);
    }

    // "Сохранить" stores the sizes shown; another instance holding the database stops it.
    void savingStoresTheShownSizesOfAProject() {
        docs_->ws.tdm.Options().SetAutoFontSize("Ведров", false);
        vd::test::SaveDocument(*docs_, 6);
        TfView* view = OpenView();
        QVERIFY(view->Action(ViewCommand::SaveFont)->isEnabled());
        view->SizeEntry(5, SizeChoice::Fixed(7))->trigger();
        view->SizeEntry(9, SizeChoice::Fixed(6))->trigger();
        view->Action(ViewCommand::SaveFont)->trigger();
        QCOMPARE(docs_->Value("select fSize5 || ',' || fSize9 || ',' || fSize1 from mcod"), std::string("7,6,10"));
        QVERIFY(docs_->ws.ui.messages.empty());

        docs_->ws.tdm.Options().SetNetGuid("{другой экземпляр}");
        view->SizeEntry(5, SizeChoice::Fixed(8))->trigger();
        view->Action(ViewCommand::SaveFont)->trigger();
        QCOMPARE(docs_->Value("select fSize5 from mcod"), std::string("7"));
        QCOMPARE(docs_->ws.ui.MessageTexts(),
                 std::vector<std::string>{"Другой экземпляр программы захватил базу данных. Сохранение невозможно."});
        QVERIFY(docs_->ws.session.stopFlag);
    }

    // The zoom commands, the marks of "Масштаб", the zoom kept for the next showing, the wheel,
    // and "Закрыть" back to the register.
    void zoomIsKeptAndCloseGoesBack() {
        vd::test::SaveDocument(*docs_, 7);
        TfView* view = OpenView();
        vd::gui::ReportPreview* preview = view->Preview();
        QVERIFY(view->ZoomEntry("100")->isChecked());
        view->Action(ViewCommand::ZoomIn)->trigger();
        QCOMPARE(preview->Factor(), 1.25);
        QCOMPARE(docs_->ws.session.savedZoom, 1.25);
        QVERIFY(!view->ZoomEntry("100")->isChecked());
        view->ZoomEntry("50")->trigger();
        QCOMPARE(preview->Factor(), 0.5);
        QVERIFY(view->ZoomEntry("50")->isChecked());
        view->Action(ViewCommand::ZoomOut)->trigger();
        QCOMPARE(preview->Factor(), 0.4);

        view->ZoomEntry("По ширине страницы")->trigger();
        QCOMPARE(docs_->ws.session.savedZoom, vd::kPageWidthZoom);
        const double pageWidth = preview->Factor();
        QVERIFY(std::abs(preview->widget()->width() - preview->viewport()->width()) <= 2);
        view->ZoomEntry("Страница целиком")->trigger();
        QVERIFY(preview->Factor() < pageWidth);
        QVERIFY(preview->widget()->height() <= preview->viewport()->height());
        view->ZoomEntry("150")->trigger();

        // The wheel scrolls by a third of its turn, by a half with Shift.
        for (const auto& [modifiers, step] : {std::pair{Qt::NoModifier, 40}, std::pair{Qt::ShiftModifier, 60}}) {
            QScrollBar* bar = preview->verticalScrollBar();
            bar->setValue(100);
            const QPointF at(preview->viewport()->rect().center());
            QWheelEvent wheel(at, preview->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(preview->viewport(), &wheel);
            QCOMPARE(bar->value(), 100 + step);
        }

        view->Action(ViewCommand::Close)->trigger();
        QCOMPARE(form_->ShownWindow(), form_->Register());
        form_->Action(MainCommand::View)->trigger();
        QCOMPARE(form_->ShownWindow(), view);
        QCOMPARE(preview->Factor(), 1.5);
        QVERIFY(view->ZoomEntry("150")->isChecked());
    }

private:
    TfView* OpenView() {
        docs_->OpenRegister();
        form_ = docs_->ShowMainWindow();
        form_->Action(MainCommand::View)->trigger();
        auto* view = qobject_cast<TfView*>(form_->ShownWindow());
        if (!view) qFatal("the view did not show");
        return view;
    }

    std::unique_ptr<GuiDocuments> docs_;
    std::unique_ptr<TfMainForm> form_;
};

VD_GUI_TEST(ViewWindowTest);

#include "ViewWindowTest.moc"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTableView>
#include <QTest>

#include <memory>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "Screenshot.h"
#include "documents/ContragentDictionary.h"
#include "documents/ContragentWindow.h"
#include "documents/EditorWindow.h"
#include "documents/PhraseDictionary.h"
#include "documents/PhraseWindow.h"
#include "main/MainForm.h"
#include "register/Transitions.h"

// Pictures of the editor with a filled document and of the two dictionary windows, for a
// person to look at (the form's layout, Cyrillic text), kept in the build folder under
// screenshots/.
class EditorScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(QStringLiteral(VD_SCREENSHOT_DIR))); }

    void init() { docs_ = std::make_unique<vd::test::GuiDocuments>(); }

    void cleanup() { docs_.reset(); }

    void editor() {
        vd::TDM& tdm = docs_->ws.tdm;
        QVERIFY(vd::NewProject(tdm));
        vd::WorkingSet& working = tdm.Working();
        working.master.paperNo = 1001;
        working.master.declarant = "Общество с ограниченной ответственностью \"Северный лес\"";
        working.master.address = "160000, Россия, г. Вологда, ул. Мира, д. 1, офис 12";
        working.master.supportInfo = "Экспорт через МАПП \"Брусничное\"";
        working.master.declaratorFio = "Петров П. П.";
        working.master.fio10 = "Иванов И. И.";
        working.goods = {
            vd::GoodsLine{"1", "Пиломатериалы хвойных пород обрезные, сосна, сорт 1-3, ГОСТ 8486-86", "12", "пачка",
                          "брутто 24 500 кг\r\nнетто 24 000 кг", "Счёт-фактура № 118 от 01.12.2026"},
            vd::GoodsLine{"2", "Брус клеёный 100х100 мм", "5", "поддон", "4,5 м3", "Счёт-фактура № 118 от 01.12.2026"},
            vd::GoodsLine{"3", "Фанера березовая ФК 1525х1525 мм", "20", "пачка", "брутто 8 100 кг",
                          "Счёт-фактура № 121 от 03.12.2026"}};
        working.expertise = {vd::ExpertiseRow{vd::test::kToday - 5, "0270300125"}};
        vd::gui::TFormEdit window(tdm);
        window.resize(900, 1160);
        vd::test::KeepScreenshot(window, "editor.png");
    }

    // The editor in its place, the main window's client area, as the expert sees it.
    void editorInTheMainWindow() {
        docs_->SaveNewProject("ООО \"Северный лес\"");
        docs_->OpenRegister();
        auto form = docs_->ShowMainWindow();
        form->aEditExecute();
        QVERIFY(qobject_cast<vd::gui::TFormEdit*>(form->ShownWindow()));
        vd::test::KeepScreenshot(*form, "editor-in-main-window.png");
    }

    void phraseWindow() {
        for (const char* goods : {"Пиломатериалы хвойных пород обрезные, сосна, сорт 1-3, ГОСТ 8486-86",
                                  "Брус клеёный 100х100 мм", "Фанера березовая ФК 1525х1525 мм, сорт 2/2, "
                                  "шлифованная с двух сторон, для экспорта"}) {
            vd::SavePhrase(docs_->ws.tdm, vd::phrase::kGoods, goods);
        }
        vd::gui::TfPhrase window(docs_->ws.tdm);
        window.SetPhraseType(vd::phrase::kGoods);
        vd::test::KeepScreenshot(window, "phrase-window.png");
    }

    void contragentWindow() {
        for (const auto& [name, address] :
             {std::pair{"Общество с ограниченной ответственностью \"Северный лес\"",
                        "160000, Россия, г. Вологда, ул. Мира, д. 1, офис 12"},
              {"ЗАО \"Восток\"", "162390, Вологодская обл., г. Великий Устюг, ул. Советская, 5"},
              {"ИП Петров Пётр Петрович", "161300, г. Тотьма, ул. Лесная, 7"}}) {
            vd::StoreContragent(docs_->ws.tdm, name, address);
        }
        vd::gui::TfContragent window(docs_->ws.tdm);
        vd::test::KeepScreenshot(window, "contragent-window.png");
    }

private:
    std::unique_ptr<vd::test::GuiDocuments> docs_;
};

VD_GUI_TEST(EditorScreenshotTest);

#include "EditorScreenshotTest.moc"

#pragma once

#include <QWidget>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/WorkingSet.h"
#include "documents/DocumentSave.h"
#include "documents/GoodsLines.h"

class QAction;
class QDateEdit;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace vd {
class TDM;
}

namespace vd::gui {

class DictionaryButton;
class ExpertiseGrid;
class ExpertiseModel;
class GoodsLinesGrid;
class InfoPanel;
class LineField;
class MemoField;

// The editor of one conclusion (TFormEdit), laid out like the printed form. It shows the
// working set a loader of the core has prepared and hands every change back to the core:
// saving, the checks, the clean-up of texts and the goods-line commands are all the core's.
//
// Showing the editor fills its controls from the working set (FormShow); hiding it asks about
// unsaved changes (FormHide). The main window hosts it in its client area and reacts to the
// signals.
class TFormEdit : public QWidget {
    Q_OBJECT

public:
    explicit TFormEdit(TDM& tdm, QWidget* parent = nullptr);
    ~TFormEdit() override;

    // FormShow: the controls show the working set; runs by itself whenever the editor is shown.
    void ShowDocument();
    // The controls' texts as the save reads them.
    EditorFields Fields() const;
    // The enabling rule applied to the controls.
    void SetEnableActions();
    bool WheelScrollsForm() const { return wheelScrollsForm_; }
    // "Просмотр" and "Печать" of the main window stay off while the editor shows unsaved changes.
    bool AllowsViewAndPrint() const;

signals:
    // "Отмена", or a save after which the editor closes: the main window shows the register.
    void closeRequested();
    // Documents were written: the register shows what is stored now.
    void documentSaved();
    // The main window's "Просмотр" and "Печать" are off while changes are not saved.
    void viewAndPrintAllowed(bool allowed);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBar();
    QWidget* BuildForm();
    QGroupBox* BuildGroup1();
    QGroupBox* BuildGroup2();
    QGroupBox* BuildGroup3();
    QWidget* BuildGoods();
    QGroupBox* BuildGroup9();
    QGroupBox* BuildGroup10();

    // Every handler reports its own failures under its name and leaves the editor usable.
    void Handle(std::string_view handler, const std::function<void()>& call);

    void aOKExecute();
    void aCancelExecute();
    void FormHide();
    void Leave();
    void aChangeExecute();
    void ButtonAddClick();
    void pInsertClick(std::size_t line);
    void pDelClick(std::size_t line);
    void dbcgDataClick(std::size_t line);
    void PickContragent();
    void PickServiceNote();
    void PickForLine(std::size_t line, GoodsField field);
    void AddForLine(std::size_t line, GoodsField field);
    // The phrase window for a type; the chosen text, or nothing when the user cancelled.
    std::optional<std::string> PickPhrase(int phraseType);
    void ShowGoods(std::optional<std::size_t> current);
    void FocusChanged(QWidget* now);
    void ShowInfo(std::string_view info);
    // The working set as the controls were last filled or saved, to go back to when the user
    // drops the changes.
    void KeepShownState();
    void RestoreShownState();

    TDM& tdm_;
    bool loading_ = false;
    bool documentShown_ = false;
    bool wheelScrollsForm_ = true;
    // The focused field while a wheel event is handed to it.
    QWidget* wheelField_ = nullptr;
    bool contentEditable_ = true;
    std::string tppName_;
    std::vector<GoodsLine> shownGoods_;
    std::vector<ExpertiseRow> shownExpertise_;

    QAction* aOK_ = nullptr;
    QAction* aCancel_ = nullptr;
    QScrollArea* sbEdit_ = nullptr;
    QWidget* form_ = nullptr;
    QGroupBox* group1_ = nullptr;
    QGroupBox* group2_ = nullptr;
    QGroupBox* group3_ = nullptr;
    QGroupBox* group9_ = nullptr;
    QGroupBox* group10_ = nullptr;
    MemoField* dbeName1_ = nullptr;
    MemoField* dbeAddress1_ = nullptr;
    MemoField* dbm3_ = nullptr;
    LineField* editG_ = nullptr;
    LineField* editTpp_ = nullptr;
    LineField* dbeRefNumNum_ = nullptr;
    LineField* editCertNo_ = nullptr;
    LineField* editFio9_ = nullptr;
    LineField* editFio10_ = nullptr;
    QDateEdit* date9_ = nullptr;
    QDateEdit* date10_ = nullptr;
    QPlainTextEdit* organization10_ = nullptr;
    DictionaryButton* p1sel_ = nullptr;
    DictionaryButton* p3sel_ = nullptr;
    QPushButton* buttonAdd_ = nullptr;
    GoodsLinesGrid* goods_ = nullptr;
    ExpertiseModel* expertiseModel_ = nullptr;
    ExpertiseGrid* expertiseGrid_ = nullptr;
    InfoPanel* info_ = nullptr;
};

}  // namespace vd::gui

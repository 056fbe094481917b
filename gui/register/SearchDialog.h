#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "register/Search.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vd {
struct Workstation;
}

namespace vd::gui {

// The search: the conditions as the user sets them, handed to the core's search, which marks
// the found documents and switches the register to them. Accepted when a search was made.
class TfSearch : public QDialog {
    Q_OBJECT

public:
    explicit TfSearch(Workstation& workstation, QWidget* parent = nullptr);

    // What the controls say, masked fields with "?" for every blank position.
    SearchConditions Conditions() const;
    const std::optional<SearchResult>& Result() const { return result_; }

    // "Искать".
    void aOkExecute();
    // The pickers beside the grids and the memo, and their clear buttons.
    void SelectDeclarant();
    void ClearDeclarant();
    void SelectMarks();
    void ClearMarks();
    void SelectGoods();
    void DeleteGoodsRow();
    // "Не учитывать" and "Учесть дату": a hidden date is no condition.
    void ShowDate(QDateEdit* picker, bool shown);
    bool DateShown(const QDateEdit* picker) const;

private:
    // The phrase dictionary of one type; the chosen text, if any.
    std::optional<std::string> PickPhrase(int phraseType);
    QWidget* CreateNumberGroup();
    QWidget* CreateDateGroup();
    QWidget* CreateDeclarantGroup();
    QWidget* CreateMarksGroup();
    QWidget* CreateGoodsGroup();
    void FormCreate();
    static QTableWidget* NewConditionGrid(const char* name, QWidget* parent);
    static void SetCurrentRowText(QTableWidget& grid, const QString& text);

    Workstation& workstation_;
    QLineEdit* year_;
    QLineEdit* chamber_;
    QLineEdit* number_;
    QLineEdit* blank_;
    QDateEdit* from_;
    QDateEdit* to_;
    bool fromShown_ = true;
    bool toShown_ = true;
    QRadioButton* declarantsOr_;
    QTableWidget* declarants_;
    QPlainTextEdit* marks_;
    QLineEdit* expert_;
    QComboBox* status_;
    QRadioButton* goodsOr_;
    QTableWidget* goods_;
    std::optional<SearchResult> result_;
};

}  // namespace vd::gui

#pragma once

#include <QDialog>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "support/FormLayout.h"

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

namespace vd {
class TDM;
}

namespace vd::gui {

class DictionaryList;

// What the two dictionary windows share: the list with its columns, the "Добавить" panel that
// mirrors the current row, the two search fields, and the buttons. The window ends with OK
// only when the user chooses a row; every other way of closing it is Cancel.
class DictionaryWindow : public QDialog {
    Q_OBJECT

public:
    // The window's position and size are kept for the next time.
    ~DictionaryWindow() override;

protected:
    // `location` names the window in error reports ("FormPhrase.TfPhrase").
    DictionaryWindow(TDM& tdm, std::string_view location, std::string_view deleteHint, QWidget* parent);
    void ReportError(std::string_view handler, const std::exception& error);

    // The texts shown, one vector of column texts per row; the current row becomes the first.
    void ShowRows(const QStringList& columnTitles, std::vector<std::vector<std::string>> rows);
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
    // -1 when the list is empty.
    int CurrentRow() const;
    void MoveToRow(int row);
    // Moves to the first row showing exactly these texts; stays when there is none.
    void MoveToRowWith(const std::vector<std::string>& texts);
    // Where a window puts the memos of its "Добавить" panel, left of the button.
    QBoxLayout& AddPanel() { return *addPanel_; }
    DictionaryList& List() { return *list_; }
    // Called by each window once it is built and named: the size and place it had last time.
    void RestoreLayout() { layout_.Restore(*this); }

    TDM& tdm_;

    void showEvent(QShowEvent* event) override;

private:
    // Called when the window is shown: help line, caption, the list read again.
    virtual void FormShow() = 0;
    // The current row was drawn as selected: its texts go into the "Добавить" panel.
    virtual void Mirror(int row) = 0;
    virtual void AddEntry() = 0;
    virtual void DeleteEntry(int row) = 0;
    // Keeps the row's texts as the selection; the window then closes with OK.
    virtual void Choose(int row) = 0;

    void ChooseCurrent();
    void Search(const QString& text, bool fromStart);

    DictionaryList* list_;
    QStandardItemModel* model_;
    QBoxLayout* addPanel_;
    QLineEdit* searchFromStart_;
    QLineEdit* searchAnywhere_;
    std::string location_;
    FormLayout layout_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace vd::gui

#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

#include "register/RegisterTexts.h"
#include "support/FormLayout.h"

class QAction;
class QMenu;
class QTableView;
class QToolButton;
class QWheelEvent;

namespace vd {
struct EnablingInput;
struct Workstation;
}  // namespace vd

namespace vd::gui {

class GoodsModel;
class RegisterModel;
class TfMainForm;

// The register: every conclusion of the database in the master grid, painted in its status
// colour, with the goods lines of the current one below. Its row is the current document of
// every document command. The window only shows the core's register query and hands each
// command to the core; what is enabled is the core's rule.
class TFormList : public QWidget {
    Q_OBJECT

public:
    explicit TFormList(TfMainForm& mainForm);
    ~TFormList() override;

    // The report commands of "Отчёт" and "Экспорт" belong to the printing and the exports;
    // until their windows set these, the user is told they are not available yet.
    void SetReportHandler(RegisterCommand command, std::function<void()> handler);

    QAction* Action(RegisterCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    QTableView* MasterGrid() const { return master_; }
    QTableView* GoodsGrid() const { return goods_; }

    // The main window's command refresh: "Выдать" always, the other commands while the register
    // is shown; the session flags the rule resets.
    void SetEnableActions(const EnablingInput& in);
    // The query moved its current row: the grid follows, the goods lines are read again.
    void AfterScroll();
    // The query was reopened: the grid shows its rows afresh.
    void Reload();
    // "Отчёт" is offered while the register shows a search result.
    void SetReportVisible(bool visible);
    bool ReportVisible() const;
    void FocusGrid();

    // The commands.
    void aNewExecute();
    void aTemplExecute();
    void aCompleteExecute();
    void aCancelExecute();
    void aDuplicateExecute();
    void aBadPaperExecute();
    void aInsteadExecute();
    void aDeleteExecute();
    void aMyOnlyExecute(bool down);
    void aGoDuplicateExecute();
    void aGoInsteadExecute();
    void aGoCancelExecute();
    void aGoTrueExecute();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    QWidget* CreateToolBars();
    void CreatePopupMenu();
    void SetUpGrid(QTableView& grid);
    // A document command: the core's transition, then the grid and the commands afresh.
    void RunTransition(std::string_view location, const std::function<void()>& transition);
    // After a transition: the editor and the print window, as far as they exist yet.
    void FollowUp(bool openEditor, bool print);
    // The go-to commands: the row whose number the current row links to, if it is shown.
    void GoTo(RegisterCommand command);
    void TitleClick(int section);
    void CurrentRowChanged(int row);
    void DoubleClick();
    // One row per wheel notch: `back` for a wheel turned away from the user.
    void MoveMaster(bool back);
    void MoveGoods(bool back);
    void Wheel(QObject* watched, const QWheelEvent& event);

    TfMainForm& main_;
    Workstation& workstation_;
    FormLayout layout_;
    std::array<QAction*, kRegisterActions.size()> actions_{};
    std::array<std::function<void()>, kRegisterActions.size()> reportHandlers_;
    QToolButton* reportButton_ = nullptr;
    QAction* reportItem_ = nullptr;  // the button's place in its tool bar
    QMenu* popup_ = nullptr;
    QTableView* master_;
    QTableView* goods_;
    RegisterModel* masterModel_;
    GoodsModel* goodsModel_;
    // Set while the grid is moved to the query's row, so the move is not sent back.
    bool following_ = false;
    // Parts of a notch collected from wheels that report finer steps.
    int masterWheel_ = 0;
    int goodsWheel_ = 0;
};

}  // namespace vd::gui

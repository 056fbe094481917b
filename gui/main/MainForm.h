#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "main/MainTexts.h"
#include "support/FormLayout.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;

namespace vd {
struct Workstation;
}

namespace vd::gui {

class TFormList;

// The frame of FormVD: menus, the column of large buttons, the client area that shows one
// working window at a time, the help line and the status bar. It owns the program's commands
// and keeps them enabled as the core's rules say for the user and the current document.
//
// Working windows. Each is made by a factory on first use, put into the client area and kept
// until the program ends. A window arriving later plugs in with one line in the constructor:
//
//     SetWindowFactory(WorkingWindow::Statistic, [this] { return std::make_unique<TfStatistic>(*this); });
//
// and from then on its command (and every hook that opens it: OpenEditor, OpenView, OpenPrint,
// the synchronisation request) shows it instead of the "not available yet" message.
// "Редактировать" lets the core prepare the register's project (EditCurrentDocument, with its
// question about another expert's project) before it shows the editor. The
// synchronisation window also sets SetSyncRequestHandler to receive the reminder's request
// (1 online, 2 to a file) after it is shown at the first showing of the main window.
class TfMainForm : public QMainWindow {
    Q_OBJECT

public:
    enum class WorkingWindow { Register, Editor, View, Print, Users, Settings, Sync, Statistic };
    using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

    explicit TfMainForm(Workstation& workstation, QWidget* parent = nullptr);
    ~TfMainForm() override;

    void SetHelpLine(const QString& text);
    void SetStatusText(const QString& text);

    QAction* Action(MainCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    const FormLayout& Layout() const { return layout_; }
    Workstation& GetWorkstation() { return workstation_; }

    // The client area.
    void SetWindowFactory(WorkingWindow which, WindowFactory factory);
    bool HasWindow(WorkingWindow which) const;
    // The window once it has been made, otherwise null.
    QWidget* Window(WorkingWindow which) const;
    QWidget* ShownWindow() const;
    // Makes the window on first use and shows it; false when there is none (the user is told)
    // or it could not be shown. `rememberReturn`: ReturnToPreviousWindow goes back from it.
    bool ShowWorkingWindow(WorkingWindow which, bool rememberReturn = false);
    // Hides the shown window, shows `window` and gives it the focus.
    bool SetActiveForm(QWidget* window);
    // The view and the print window go back to the window shown before them.
    void ReturnToPreviousWindow();
    TFormList* Register() const;

    // What the register and the other windows call.
    void SetEnableActions();
    void OpenEditor();
    void OpenView();
    void OpenPrint();
    // The issue, duplicate and issue-instead transitions: the print window with "Заключение".
    void OpenPrintOnBlank();
    void ShowSearchCounts(std::int64_t total, std::int64_t found);
    void HideSearchCounts();
    void SetSyncRequestHandler(std::function<void(int request)> handler) { syncRequest_ = std::move(handler); }
    // "This will come in a later version", for commands whose work is not there yet.
    void ShowNotAvailable();
    // While an exchange with the central database runs, no command of this window may start:
    // the run waits in nested event loops, and an edit or another window then would change
    // the documents it is sending.
    void LockForExchange(bool locked);

    // The commands.
    void aSearchExecute();
    void aEditExecute();
    void aViewExecute();
    void aPrintExecute();
    void aListExecute();
    void aUsersExecute();
    void aSettingsExecute();
    void aSyncExecute();
    void aStatisticExecute();
    void aChangePasswordExecute();
    void aAboutExecute();
    void aManualExecute();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    QAction* Twin(QAction& command);
    QWidget* CreateButtonColumn();
    void FirstShowing();
    void ConnectRegisterQuery();

    Workstation& workstation_;
    FormLayout layout_;
    std::array<QAction*, kMainActions.size()> actions_{};
    QMenu* administratorMenu_ = nullptr;
    std::array<QAction*, 3> counters_{};  // spacer, total, found
    QStackedWidget* clientArea_;
    QLabel* helpLine_;
    QLabel* statusText_;
    std::array<WindowFactory, 8> factories_;
    std::array<QPointer<QWidget>, 8> windows_;
    QPointer<QWidget> returnTo_;
    std::function<void(int)> syncRequest_;
    bool shownOnce_ = false;
    bool exchangeLocked_ = false;
};

}  // namespace vd::gui

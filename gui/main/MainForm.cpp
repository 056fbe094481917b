#include "main/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>
#include <string>

#include "core/Messages.h"
#include "core/UserAdministration.h"
#include "core/UserInterface.h"
#include "core/Workstation.h"
#include "documents/EditCommand.h"
#include "documents/EditorWindow.h"
#include "exchange/OptionsWindow.h"
#include "exchange/SyncWindow.h"
#include "exchange/UsersWindow.h"
#include "main/Application.h"
#include "register/Enabling.h"
#include "register/RegisterCommands.h"
#include "register/RegisterQuery.h"
#include "register/RegisterWindow.h"
#include "register/Search.h"
#include "register/SearchDialog.h"
#include "report/PrintWindow.h"
#include "report/ReportCommands.h"
#include "report/ViewWindow.h"
#include "support/Guarded.h"
#include "support/ActionText.h"
#include "support/Hints.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

constexpr std::size_t Index(TfMainForm::WorkingWindow which) { return static_cast<std::size_t>(which); }

// The reminder's answer (2 online, 3 to a file) and the request the synchronisation window
// gets for it (1, 2).
int SyncRequestFor(int syncChoice) {
    switch (syncChoice) {
        case 2: return 1;
        case 3: return 2;
        default: return 0;
    }
}

}  // namespace

TfMainForm::TfMainForm(Workstation& workstation, QWidget* parent)
    : QMainWindow(parent),
      workstation_(workstation),
      layout_(workstation.paths, workstation.journal),
      clientArea_(new QStackedWidget),
      helpLine_(new QLabel),
      statusText_(new QLabel(this)) {
    setObjectName(QStringLiteral("fMainForm"));
    setWindowTitle(ToQString(text::kAppTitle));
    // Fits a 1280x800 screen with room for the desktop's panels.
    resize(1024, 700);

    // What escapes a handler is journalled while this window exists.
    if (auto* application = dynamic_cast<VardeloApplication*>(QCoreApplication::instance())) {
        application->SetJournal(&workstation_.journal);
    }

    CreateActions();
    CreateMenus();

    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName(QStringLiteral("spMain"));
    auto* body = new QWidget(splitter);
    body->setObjectName(QStringLiteral("pnClient"));
    auto* bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(2);
    bodyLayout->addWidget(CreateButtonColumn());
    auto* scroll = new QScrollArea(body);
    scroll->setObjectName(QStringLiteral("sbClient"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    scroll->setWidget(clientArea_);
    bodyLayout->addWidget(scroll, 1);
    splitter->addWidget(body);

    // The help line is sunken and info-coloured, so what it reports stands out from the hints.
    helpLine_->setObjectName(QStringLiteral("helpLine"));
    helpLine_->setFrameShape(QFrame::Panel);
    helpLine_->setFrameShadow(QFrame::Sunken);
    helpLine_->setBackgroundRole(QPalette::ToolTipBase);
    helpLine_->setForegroundRole(QPalette::ToolTipText);
    helpLine_->setAutoFillBackground(true);
    helpLine_->setMargin(2);
    helpLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    splitter->addWidget(helpLine_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setCollapsible(1, false);
    centralLayout->addWidget(splitter);
    setCentralWidget(central);

    statusText_->setObjectName(QStringLiteral("statusText"));
    statusBar()->addWidget(statusText_, 1);

    SetHelpLine(ToQString(workstation_.session.currentUserName));

    SetWindowFactory(WorkingWindow::Register, [this] {
        auto list = std::make_unique<TFormList>(*this);
        PlugReportCommands(*this, *list);
        return list;
    });
    SetWindowFactory(WorkingWindow::View, [this] { return std::make_unique<TfView>(*this); });
    SetWindowFactory(WorkingWindow::Print, [this] { return std::make_unique<TfFormPrint>(*this); });
    SetWindowFactory(WorkingWindow::Users, [this] { return std::make_unique<TfUsers>(*this); });
    SetWindowFactory(WorkingWindow::Settings, [this] { return std::make_unique<TfFormOptions>(*this); });
    SetWindowFactory(WorkingWindow::Sync, [this] { return std::make_unique<TFormSync>(*this); });
    SetWindowFactory(WorkingWindow::Editor, [this] {
        auto editor = std::make_unique<TFormEdit>(workstation_.tdm);
        connect(editor.get(), &TFormEdit::closeRequested, this, [this] {
            SetEnableActions();
            aListExecute();
        });
        connect(editor.get(), &TFormEdit::documentSaved, this, [this] {
            if (TFormList* list = Register()) list->Reload();
            SetEnableActions();
        });
        connect(editor.get(), &TFormEdit::viewAndPrintAllowed, this, [this](bool allowed) {
            // Unsaved changes are not there yet to be viewed or printed.
            if (allowed) {
                SetEnableActions();
            } else {
                Action(MainCommand::View)->setEnabled(false);
                Action(MainCommand::Print)->setEnabled(false);
            }
        });
        return editor;
    });

    ConnectRegisterQuery();
    // A start that has already failed must not let anybody work.
    if (workstation_.session.stopFlag) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    layout_.Restore(*this);
}

TfMainForm::~TfMainForm() {
    if (workstation_.tdm.RegisterOpen()) workstation_.tdm.ASQM().SetAfterScroll(nullptr);
    // The working windows go first, while everything they use of this window still exists;
    // each stores its own layout on the way.
    for (QPointer<QWidget>& window : windows_) delete window.data();
    layout_.Save(*this);
    if (auto* application = dynamic_cast<VardeloApplication*>(QCoreApplication::instance())) {
        application->SetJournal(nullptr);
    }
}

void TfMainForm::CreateActions() {
    using Handler = void (TfMainForm::*)();
    const auto notAvailable = &TfMainForm::ShowNotAvailable;
    const std::array<Handler, kMainActions.size()> handlers = {
        &TfMainForm::aSearchExecute,   &TfMainForm::aEditExecute,      &TfMainForm::aViewExecute,
        &TfMainForm::aPrintExecute,    &TfMainForm::aListExecute,      &TfMainForm::aUsersExecute,
        &TfMainForm::aSettingsExecute, &TfMainForm::aSyncExecute,      &TfMainForm::aStatisticExecute,
        notAvailable,                  notAvailable,                   notAvailable,
        notAvailable,                  notAvailable,                   notAvailable,
        &TfMainForm::aChangePasswordExecute,
        // "В&ыход" closes the main window, which ends the program.
        nullptr,
        &TfMainForm::aAboutExecute,    &TfMainForm::aManualExecute,
        // F1 has no help topics of its own yet: it opens the manual.
        &TfMainForm::aManualExecute,
    };
    for (std::size_t i = 0; i < kMainActions.size(); ++i) {
        QAction* action = MakeAction(kMainActions[i], *this);
        // Shortcuts work wherever the focus is in the window, also when a menu is disabled.
        addAction(action);
        if (handlers[i]) {
            connect(action, &QAction::triggered, this, handlers[i]);
        } else {
            connect(action, &QAction::triggered, this, &QWidget::close);
        }
        actions_[i] = action;
    }
}

void TfMainForm::CreateMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(ToQString(kFileMenu));
    file->setObjectName(QStringLiteral("mnFile"));
    for (const MenuItem& item : kFileMenuItems) {
        if (item.separator) {
            file->addSeparator();
        } else if (file->actions().contains(Action(item.command))) {
            file->addAction(Twin(*Action(item.command)));
        } else {
            file->addAction(Action(item.command));
        }
    }
    QMenu* document = bar->addMenu(ToQString(kDocumentMenu));
    document->setObjectName(QStringLiteral("mnDocument"));
    for (const MainCommand c : kDocumentMenuItems) document->addAction(Action(c));
    administratorMenu_ = bar->addMenu(ToQString(kAdministratorMenu));
    administratorMenu_->setObjectName(QStringLiteral("mnAdministrator"));
    for (const MainCommand c : kAdministratorMenuItems) administratorMenu_->addAction(Action(c));
    QMenu* help = bar->addMenu(ToQString(kHelpMenu));
    help->setObjectName(QStringLiteral("mnHelp"));
    for (const MainCommand c : kHelpMenuItems) help->addAction(Action(c));

    // The search's counts, hidden until a search shows them.
    const std::array<std::pair<const char*, QString>, 3> counters = {{
        {"miSpacer", QStringLiteral("        ")},
        {"miTotal", ToQString(kTotalCounter)},
        {"miFound", ToQString(kFoundCounter)},
    }};
    for (std::size_t i = 0; i < counters.size(); ++i) {
        QAction* counter = bar->addAction(counters[i].second);
        counter->setObjectName(QString::fromLatin1(counters[i].first));
        counter->setVisible(false);
        counters_[i] = counter;
    }
}

QAction* TfMainForm::Twin(QAction& command) {
    // A menu holds an action once; a second place gets an item that runs the same command and
    // follows its enabled state.
    auto* twin = new QAction(command.icon(), command.text(), this);
    twin->setObjectName(command.objectName() + QStringLiteral("Again"));
    twin->setToolTip(command.toolTip());
    twin->setStatusTip(command.statusTip());
    twin->setEnabled(command.isEnabled());
    connect(twin, &QAction::triggered, &command, &QAction::trigger);
    connect(&command, &QAction::changed, twin, [twin, &command] { twin->setEnabled(command.isEnabled()); });
    return twin;
}

QWidget* TfMainForm::CreateButtonColumn() {
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("pnButtons"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 2, 2);
    for (const MainCommand c : kButtonColumn) {
        auto* button = new QToolButton(column);
        button->setDefaultAction(Action(c));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(32, 32));
        button->setMinimumWidth(96);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return column;
}

void TfMainForm::SetHelpLine(const QString& text) { helpLine_->setText(text); }

void TfMainForm::SetStatusText(const QString& text) { statusText_->setText(text); }

bool TfMainForm::event(QEvent* event) {
    // Whatever the mouse is over reports its hint here; the status bar shows the long part.
    if (event->type() == QEvent::StatusTip) {
        SetStatusText(LongHint(static_cast<QStatusTipEvent*>(event)->tip()));
        return true;
    }
    return QMainWindow::event(event);
}

void TfMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_ || event->spontaneous()) return;
    shownOnce_ = true;
    // After the window is on the screen, so the dialogs of the sequence open over it.
    QTimer::singleShot(0, this, &TfMainForm::FirstShowing);
}

void TfMainForm::FirstShowing() {
    Session& session = workstation_.session;
    SetEnableActions();
    aListExecute();
    Guarded(workstation_.journal, "uFormMain.TfMainForm.FormShow", [&] {
        // The default administrator is asked for a personal name before anything else.
        if (UserAdministration(workstation_.tdm).AdministratorNeedsPersonalName() &&
            ShowWorkingWindow(WorkingWindow::Users)) {
            if (auto* users = qobject_cast<TfUsers*>(Window(WorkingWindow::Users))) {
                users->RenameUser(session.currentUserId);
            }
        }
    });
    const int request = SyncRequestFor(session.syncChoice);
    if (request == 0) return;
    if (!HasWindow(WorkingWindow::Sync)) {
        SetHelpLine(ToQString(kSyncNotAvailableYet));
        return;
    }
    aSyncExecute();
    // Posted, so the synchronisation window is on the screen before it starts working.
    QTimer::singleShot(0, this, [this, request] {
        if (syncRequest_) syncRequest_(request);
    });
}

void TfMainForm::ConnectRegisterQuery() {
    if (!workstation_.tdm.RegisterOpen()) return;
    // Every move of the register's current row refreshes the grids and the commands.
    workstation_.tdm.ASQM().SetAfterScroll([this] {
        if (TFormList* list = Register()) list->AfterScroll();
        SetEnableActions();
    });
}

void TfMainForm::ShowNotAvailable() { workstation_.tdm.Ui().Inform(text::kAppTitle, kNotAvailableYet); }

// ---- client area ----

void TfMainForm::SetWindowFactory(WorkingWindow which, WindowFactory factory) {
    factories_[Index(which)] = std::move(factory);
}

bool TfMainForm::HasWindow(WorkingWindow which) const {
    return windows_[Index(which)] || factories_[Index(which)];
}

QWidget* TfMainForm::Window(WorkingWindow which) const { return windows_[Index(which)].data(); }

QWidget* TfMainForm::ShownWindow() const { return clientArea_->currentWidget(); }

TFormList* TfMainForm::Register() const { return qobject_cast<TFormList*>(Window(WorkingWindow::Register)); }

bool TfMainForm::ShowWorkingWindow(WorkingWindow which, bool rememberReturn) {
    QPointer<QWidget>& window = windows_[Index(which)];
    if (!window) {
        const WindowFactory& factory = factories_[Index(which)];
        if (!factory) {
            ShowNotAvailable();
            return false;
        }
        std::unique_ptr<QWidget> made;
        // A window that cannot be made is reported; the next use tries again.
        Guarded(workstation_.journal, "uFormMain.TfMainForm.SetActiveForm_", [&] { made = factory(); });
        if (!made) return false;
        window = made.get();
        // The client area owns it from here; the first window added is shown at once.
        clientArea_->addWidget(made.release());
    }
    if (rememberReturn && ShownWindow() != window) returnTo_ = ShownWindow();
    return SetActiveForm(window);
}

bool TfMainForm::SetActiveForm(QWidget* window) {
    bool shown = false;
    Guarded(workstation_.journal, "uFormMain.TfMainForm.SetActiveForm_", [&] {
        if (!window) return;
        if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused)) focused->clearFocus();
        if (clientArea_->indexOf(window) < 0) clientArea_->addWidget(window);
        if (clientArea_->currentWidget() != window) clientArea_->setCurrentWidget(window);
        window->setFocus();
        shown = true;
    });
    return shown;
}

void TfMainForm::ReturnToPreviousWindow() {
    QWidget* previous = returnTo_ ? returnTo_.data() : Window(WorkingWindow::Register);
    returnTo_ = nullptr;
    if (previous) SetActiveForm(previous);
}

// ---- commands ----

void TfMainForm::LockForExchange(bool locked) {
    exchangeLocked_ = locked;
    for (QAction* action : actions_) action->setEnabled(!locked);
    administratorMenu_->menuAction()->setEnabled(!locked);
    if (!locked) SetEnableActions();
}

void TfMainForm::SetEnableActions() {
    if (exchangeLocked_) return;
    Guarded(workstation_.journal, "uFormMain.TfMainForm.SetEnableActions", [&] {
        const EnablingInput in = EnablingInput::From(workstation_.tdm);
        const MainActions a = ComputeMainActions(in);
        Action(MainCommand::Edit)->setEnabled(a.edit);
        Action(MainCommand::View)->setEnabled(a.view);
        Action(MainCommand::Print)->setEnabled(a.print);
        workstation_.session.readOnlyView = a.readOnlyView;
        setWindowTitle(ToQString(a.caption));
        administratorMenu_->menuAction()->setEnabled(a.administration);
        for (const MainCommand c : {MainCommand::Users, MainCommand::Export, MainCommand::Import, MainCommand::Sync,
                                    MainCommand::Statistic, MainCommand::LoadContragents, MainCommand::Rollback}) {
            Action(c)->setEnabled(a.administration);
        }
        Action(MainCommand::Settings)->setEnabled(a.settings);
        if (TFormList* list = Register()) list->SetEnableActions(in);
        if (auto* editor = qobject_cast<TFormEdit*>(Window(WorkingWindow::Editor))) {
            editor->SetEnableActions();
            if (!editor->AllowsViewAndPrint()) {
                Action(MainCommand::View)->setEnabled(false);
                Action(MainCommand::Print)->setEnabled(false);
            }
        }
    });
}

void TfMainForm::aListExecute() {
    Guarded(workstation_.journal, "uFormMain.TfMainForm.aListExecute", [&] {
        if (!ShowWorkingWindow(WorkingWindow::Register)) return;
        TDM& tdm = workstation_.tdm;
        if (tdm.RegisterOpen()) {
            ConnectRegisterQuery();
            RestoreRegister(tdm);
        }
        HideSearchCounts();
        if (TFormList* list = Register()) {
            list->SetReportVisible(false);
            list->Reload();
        }
    });
}

void TfMainForm::aSearchExecute() {
    aListExecute();
    Guarded(workstation_.journal, "uFormMain.TfMainForm.aSearchExecute", [&] {
        TfSearch dialog(workstation_, this);
        const bool found = dialog.exec() == QDialog::Accepted && dialog.Result();
        TFormList* list = Register();
        if (list) list->Reload();
        if (found) {
            ShowSearchCounts(dialog.Result()->total, dialog.Result()->found);
            if (list) list->SetReportVisible(true);
        }
        if (list) list->FocusGrid();
    });
}

void TfMainForm::ShowSearchCounts(std::int64_t total, std::int64_t found) {
    counters_[1]->setText(ToQString(text::kSearchTotal) + QString::number(total));
    counters_[2]->setText(ToQString(text::kSearchFound) + QString::number(found));
    for (QAction* counter : counters_) counter->setVisible(true);
}

void TfMainForm::HideSearchCounts() {
    for (QAction* counter : counters_) counter->setVisible(false);
}

void TfMainForm::aEditExecute() {
    Guarded(workstation_.journal, "uFormMain.TfMainForm.aEditExecute", [&] {
        QWidget* editor = Window(WorkingWindow::Editor);
        if (editor && ShownWindow() == editor) return;
        if (!HasWindow(WorkingWindow::Editor)) {
            ShowNotAvailable();
            return;
        }
        if (EditCurrentDocument(workstation_.tdm)) ShowWorkingWindow(WorkingWindow::Editor);
    });
}

void TfMainForm::OpenEditor() { ShowWorkingWindow(WorkingWindow::Editor); }

void TfMainForm::OpenView() { ShowWorkingWindow(WorkingWindow::View, true); }

void TfMainForm::OpenPrint() { ShowWorkingWindow(WorkingWindow::Print, true); }

void TfMainForm::OpenPrintOnBlank() {
    if (!ShowWorkingWindow(WorkingWindow::Print, true)) return;
    if (auto* print = qobject_cast<TfFormPrint*>(Window(WorkingWindow::Print))) print->SelectMode(PrintMode::Blank);
}

void TfMainForm::aViewExecute() { OpenView(); }

void TfMainForm::aPrintExecute() { OpenPrint(); }

void TfMainForm::aUsersExecute() { ShowWorkingWindow(WorkingWindow::Users); }

void TfMainForm::aSettingsExecute() { ShowWorkingWindow(WorkingWindow::Settings); }

void TfMainForm::aSyncExecute() { ShowWorkingWindow(WorkingWindow::Sync); }

void TfMainForm::aStatisticExecute() { ShowWorkingWindow(WorkingWindow::Statistic); }

void TfMainForm::aChangePasswordExecute() {
    // The core journals its own failures and reports them in the help line.
    UserAdministration(workstation_.tdm).ChangeOwnPassword();
}

void TfMainForm::aAboutExecute() {
    try {
        AboutDialogArgs args;
        args.caption = ToUtf8(Action(MainCommand::About)->text());
        args.description = text::kProductDescription;
        args.version = text::kVersionText;
        args.okCaption = text::kAnswerOk;
        workstation_.tdm.Ui().ShowDlgAbout(args);
    } catch (const std::exception& e) {
        workstation_.journal.ReportError("uFormMain.TfMainForm.aAboutExecute", e.what());
        SetHelpLine(ToQString(text::kErrorOccurred) + QString::fromUtf8(e.what()));
    }
}

void TfMainForm::aManualExecute() {
    Guarded(workstation_.journal, "uFormMain.TfMainForm.aManualExecute", [&] {
        const std::filesystem::path manual = workstation_.paths.DataDir() / "manual" / "index.html";
        std::error_code error;
        if (!std::filesystem::exists(manual, error)) {
            ShowNotAvailable();
            return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(manual.string())));
    });
}

}  // namespace vd::gui

#include "exchange/SyncWindow.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/Workstation.h"
#include "exchange/EventLoopSleeper.h"
#include "exchange/Messages.h"
#include "exchange/SyncLogView.h"
#include "main/MainForm.h"
#include "support/Guarded.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

// Our own words for a close refused while a run is going on; the help line, not a dialog, so the
// run is not held up.
constexpr std::string_view kCloseAfterTheRun = "Идёт синхронизация: программу можно закрыть после её окончания";

std::unique_ptr<Sleeper> OrEventLoopSleeper(std::unique_ptr<Sleeper> sleeper) {
    if (sleeper) return sleeper;
    return std::make_unique<EventLoopSleeper>();
}

}  // namespace

TFormSync::TFormSync(TfMainForm& mainForm, std::unique_ptr<Sleeper> sleeper)
    : main_(mainForm),
      journal_(mainForm.GetWorkstation().journal),
      sleeper_(OrEventLoopSleeper(std::move(sleeper))),
      mLog_(new SyncLogView(this)),
      online_(mainForm.GetWorkstation().tdm, *sleeper_, *mLog_),
      files_(mainForm.GetWorkstation().tdm, *sleeper_, *mLog_) {
    setObjectName(QStringLiteral("FormSync"));
    setWindowTitle(ToQString(kSyncCaption));
    for (std::size_t i = 0; i < kSyncActions.size(); ++i) actions_[i] = MakeAction(kSyncActions[i], *this);
    connect(Action(SyncCommand::Start), &QAction::triggered, this, &TFormSync::aStartExecute);
    connect(Action(SyncCommand::Stop), &QAction::triggered, this, &TFormSync::aStopExecute);
    connect(Action(SyncCommand::SaveToFile), &QAction::triggered, this, &TFormSync::aSaveToFileExecute);
    connect(Action(SyncCommand::LoadFromFile), &QAction::triggered, this, &TFormSync::aLoadFromFileExecute);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbSync"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addAction(Action(SyncCommand::Start));
    bar->addAction(Action(SyncCommand::Stop));
    bar->addSeparator();
    bar->addAction(Action(SyncCommand::SaveToFile));
    bar->addAction(Action(SyncCommand::LoadFromFile));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(mLog_, 1);

    main_.installEventFilter(this);
    main_.SetSyncRequestHandler([this](int request) { SyncRequest(request); });
}

// The main window outlives its working windows and must not call into this one any more; a
// destroyed event filter removes itself.
TFormSync::~TFormSync() {
    main_.SetSyncRequestHandler({});
    WaitCursor(false);
}

void TFormSync::SyncRequest(int request) {
    switch (request) {
        case 1: aStartExecute(); break;
        case 2: aSaveToFileExecute(); break;
        default: break;
    }
}

void TFormSync::aStartExecute() {
    if (busy_) return;
    SetBusy(true, true);
    WaitCursor(true);
    SyncSession::Outcome outcome = SyncSession::Outcome::Failed;
    Guarded(journal_, text::kWhereStartFailed, [&] { outcome = online_.aStartExecute(); });
    WaitCursor(false);
    SetBusy(false, true);
    // The restart program installs the updates; it needs this program gone.
    if (outcome == SyncSession::Outcome::Restarting) main_.close();
}

void TFormSync::aStopExecute() {
    WaitCursor(false);
    online_.aStopExecute();
}

void TFormSync::aSaveToFileExecute() {
    if (busy_) return;
    SetBusy(true, false);
    Guarded(journal_, text::kWhereSaveToFileFailed, [&] { files_.aSaveToFileExecute(); });
    SetBusy(false, false);
}

void TFormSync::aLoadFromFileExecute() {
    if (busy_) return;
    SetBusy(true, false);
    Guarded(journal_, text::kWhereLoadFromFileFailed, [&] { files_.aLoadFromFileExecute(); });
    SetBusy(false, false);
}

void TFormSync::SetBusy(bool busy, bool online) {
    busy_ = busy;
    main_.LockForExchange(busy);
    Action(SyncCommand::Start)->setEnabled(!busy);
    Action(SyncCommand::SaveToFile)->setEnabled(!busy);
    Action(SyncCommand::LoadFromFile)->setEnabled(!busy);
    if (online) Action(SyncCommand::Stop)->setEnabled(busy);
}

void TFormSync::WaitCursor(bool on) {
    if (on == waitCursor_) return;
    waitCursor_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

bool TFormSync::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &main_ && event->type() == QEvent::Close && busy_) {
        // The run's objects live on the stack below this event; the user closes once it ends.
        event->ignore();
        main_.SetHelpLine(ToQString(kCloseAfterTheRun));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vd::gui

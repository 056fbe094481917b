#pragma once

#include <QWidget>

#include <array>
#include <memory>

#include "core/Sleeper.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/SyncSession.h"
#include "support/ActionText.h"

class QAction;

namespace vd {
class Journal;
}

namespace vd::gui {

class SyncLogView;
class TfMainForm;

enum class SyncCommand { Start, Stop, SaveToFile, LoadFromFile };

inline constexpr std::array<ActionText, 4> kSyncActions = {{
    {"aStart", "Старт", "Начать синхронизацию с ЦБД", "", QStyle::SP_MediaPlay},
    {"aStop", "Прервать", "Прервать работу", "", QStyle::SP_MediaStop},
    {"aSaveToFile", "В файл", "синхронизация в файл", "", QStyle::SP_DialogSaveButton},
    {"aLoadFromFile", "Данные из ЦБД", "Загрузить с сервера данные АРМа при полной утрате базы", "",
     QStyle::SP_ArrowDown},
}};

inline constexpr std::string_view kSyncCaption = "Синхронизация";

// The exchange with the central database in the main window's client area: the online
// synchronisation, the exchange file, the restore file, and the log they write into. The work
// is the core's and runs on the interface thread; its pauses and progress let events through,
// so the window paints and "Прервать" is heard between two days of the upload.
class TFormSync : public QWidget {
    Q_OBJECT

public:
    // `sleeper` makes the exchange's pauses; tests pass short ones.
    explicit TFormSync(TfMainForm& mainForm, std::unique_ptr<Sleeper> sleeper = nullptr);
    ~TFormSync() override;

    QAction* Action(SyncCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    SyncLogView* Log() const { return mLog_; }
    // The online run; it keeps the update list of its last check while the window lives.
    SyncSession& Online() { return online_; }
    // A command of the window is running.
    bool Busy() const { return busy_; }

    // The start-up reminder's request: 1 the online synchronisation, 2 the exchange file;
    // any other value does nothing.
    void SyncRequest(int request);

    void aStartExecute();
    void aStopExecute();
    void aSaveToFileExecute();
    void aLoadFromFileExecute();

protected:
    // The main window is not closed under a running command.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // While one command runs the others wait; "Прервать" stays for the online run.
    void SetBusy(bool busy, bool online);
    void WaitCursor(bool on);

    TfMainForm& main_;
    const Journal& journal_;
    std::unique_ptr<Sleeper> sleeper_;
    SyncLogView* mLog_;
    SyncSession online_;
    ExchangeFiles files_;
    std::array<QAction*, kSyncActions.size()> actions_{};
    bool busy_ = false;
    bool waitCursor_ = false;
};

}  // namespace vd::gui

#pragma once

#include <QWidget>

#include "exchange/OptionsSettings.h"

class QCheckBox;
class QLineEdit;

namespace vd {
class Journal;
}

namespace vd::gui {

class TfMainForm;

// The settings common to all users: the number range, the archive and the blank number
// proposal, each group with its own "Сохранить". The checks, messages and storage are the
// core's; the window shows the state and hands it back.
class TfFormOptions : public QWidget {
    Q_OBJECT

public:
    explicit TfFormOptions(TfMainForm& mainForm);

    // What the controls show now.
    OptionsState State() const;

    void ActionReferenceOkExecute();
    void ActionReferenceCancelExecute();
    void ActionFolderExecute();
    void ActionArchSaveExecute();
    void ActionSaveFlagsExecute();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill(const OptionsState& state);

    OptionsSettings settings_;
    const Journal& journal_;
    OptionsState shown_;
    QLineEdit* referenceMin_;
    QLineEdit* referenceMax_;
    QLineEdit* archivePath_;
    QCheckBox* archiveAtStart_;
    QCheckBox* archiveAtEnd_;
    QLineEdit* chamber_;
    QLineEdit* station_;
    QCheckBox* autoCertNumber_;
};

}  // namespace vd::gui

#pragma once

#include <QWidget>

#include <array>

#include "register/PrintRules.h"
#include "report/ConclusionReport.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vd {
struct Workstation;
}

namespace vd::gui {

class TfMainForm;
class UpDown;

// The print window: the register's current document on the pre-numbered blank, as a copy on
// plain paper, or its number imprinted into a blank filled earlier; the printer, the copies
// and the blank's offsets. What may be printed, the input rules and the print itself are the
// core's; the window keeps the controls in step with them.
class TfFormPrint : public QWidget {
    Q_OBJECT

public:
    explicit TfFormPrint(TfMainForm& mainForm);

    // Chooses a mode as its button does; the issue transitions choose "Заключение" this way.
    void SelectMode(PrintMode mode);
    PrintMode Mode() const { return mode_; }
    // The blank modes follow ReadOnlyView (or a duplicate being prepared).
    void RefreshModes();
    // The last entry of the printer list writes a PDF file instead.
    bool PrintsToPdf() const;

    QAbstractButton* ModeButton(PrintMode mode) const;
    QLabel* HintLine() const { return hintLine_; }
    QLineEdit* CopiesEdit() const { return copies_; }
    QLineEdit* LeftEdit() const { return left_; }
    QLineEdit* TopEdit() const { return top_; }
    UpDown* LeftSpin() const { return leftSpin_; }
    QComboBox* Printers() const { return printers_; }
    QPushButton* SendButton() const { return send_; }

    // The commands.
    void aPrintExecute();
    void aPrinterSetupExecute();
    void aCloseExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QGroupBox* CreateDocumentGroup();
    QGroupBox* CreatePrinterGroup();
    QGroupBox* CreatePrintGroup();
    QGroupBox* CreateSetupGroup();
    void FillPrinters();
    void PrinterChosen(int index);
    void CopiesChanged();
    void OffsetChanged(QLineEdit& edit);
    void ReadOffsets();
    std::int64_t CurrentPaperNo() const;

    TfMainForm& main_;
    Workstation& workstation_;
    report::ConclusionReport conclusion_;
    PrintMode mode_ = PrintMode::Copy;
    std::array<QAbstractButton*, 3> modeButtons_{};
    QComboBox* printers_ = nullptr;
    QLabel* hintLine_ = nullptr;
    QLineEdit* copies_ = nullptr;
    UpDown* copiesSpin_ = nullptr;
    QPushButton* send_ = nullptr;
    QGroupBox* setup_ = nullptr;
    QLineEdit* top_ = nullptr;
    QLineEdit* left_ = nullptr;
    UpDown* topSpin_ = nullptr;
    UpDown* leftSpin_ = nullptr;
    // Set while the window itself writes the edits, so the options are not written back.
    bool filling_ = false;
};

}  // namespace vd::gui

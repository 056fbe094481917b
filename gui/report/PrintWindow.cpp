#include "report/PrintWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

#include <string>

#include "core/UserInterface.h"
#include "core/Workstation.h"
#include "main/MainForm.h"
#include "register/RegisterQuery.h"
#include "register/ReportMessages.h"
#include "report/PrintJob.h"
#include "report/ReportWindowTexts.h"
#include "report/ViewWindow.h"
#include "support/Guarded.h"
#include "support/QtText.h"
#include "support/UpDown.h"

namespace vd::gui {
namespace {

constexpr std::size_t Index(PrintMode mode) { return static_cast<std::size_t>(mode); }

void SetHint(QWidget& widget, std::string_view hint) {
    widget.setToolTip(ToQString(hint));
    widget.setStatusTip(ToQString(hint));
}

}  // namespace

TfFormPrint::TfFormPrint(TfMainForm& mainForm)
    : main_(mainForm), workstation_(mainForm.GetWorkstation()), conclusion_(workstation_.tdm) {
    setObjectName(QStringLiteral("fFormPrint"));
    setWindowTitle(ToQString(kPrintCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateDocumentGroup());
    layout->addWidget(CreatePrinterGroup());
    layout->addWidget(CreatePrintGroup());
    layout->addWidget(CreateSetupGroup());
    auto* close = new QPushButton(ToQString(kPrintClose), this);
    close->setObjectName(QStringLiteral("btClose"));
    SetHint(*close, kPrintCloseHint);
    connect(close, &QPushButton::clicked, this, &TfFormPrint::aCloseExecute);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
    layout->addStretch(1);

    FillPrinters();
    ReadOffsets();
    SelectMode(PrintMode::Copy);
}

QGroupBox* TfFormPrint::CreateDocumentGroup() {
    auto* group = new QGroupBox(ToQString(kDocumentGroup), this);
    group->setObjectName(QStringLiteral("gbDocument"));
    auto* layout = new QHBoxLayout(group);
    auto* exclusive = new QButtonGroup(group);
    for (const ModeButtonText& text : kModeButtons) {
        auto* button = new QPushButton(ToQString(text.caption), group);
        button->setObjectName(QString::fromLatin1(text.name));
        SetHint(*button, text.hint);
        button->setCheckable(true);
        exclusive->addButton(button);
        layout->addWidget(button);
        modeButtons_[Index(text.mode)] = button;
        const PrintMode mode = text.mode;
        connect(button, &QPushButton::clicked, this, [this, mode] { SelectMode(mode); });
    }
    layout->addStretch(1);
    return group;
}

QGroupBox* TfFormPrint::CreatePrinterGroup() {
    auto* group = new QGroupBox(ToQString(kPrinterGroup), this);
    group->setObjectName(QStringLiteral("gbPrinter"));
    auto* layout = new QHBoxLayout(group);
    printers_ = new QComboBox(group);
    printers_->setObjectName(QStringLiteral("cbPrinters"));
    printers_->setMinimumWidth(320);
    connect(printers_, &QComboBox::activated, this, &TfFormPrint::PrinterChosen);
    auto* setup = new QPushButton(ToQString(kPrinterSetup), group);
    setup->setObjectName(QStringLiteral("btPrinterSetup"));
    SetHint(*setup, kPrinterSetupHint);
    connect(setup, &QPushButton::clicked, this, &TfFormPrint::aPrinterSetupExecute);
    layout->addWidget(printers_, 1);
    layout->addWidget(setup);
    return group;
}

QGroupBox* TfFormPrint::CreatePrintGroup() {
    auto* group = new QGroupBox(ToQString(kPrintGroup), this);
    group->setObjectName(QStringLiteral("gbPrint"));
    auto* layout = new QGridLayout(group);
    hintLine_ = new QLabel(group);
    hintLine_->setObjectName(QStringLiteral("lbHint"));
    QFont bold = hintLine_->font();
    bold.setBold(true);
    hintLine_->setFont(bold);
    layout->addWidget(hintLine_, 0, 0, 1, 4);

    layout->addWidget(new QLabel(ToQString(kCopiesLabel), group), 1, 0);
    copies_ = new QLineEdit(QStringLiteral("1"), group);
    copies_->setObjectName(QStringLiteral("edCopies"));
    copies_->setMaxLength(2);
    copies_->setMaximumWidth(48);
    copies_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), copies_));
    SetHint(*copies_, kCopiesHint);
    connect(copies_, &QLineEdit::textChanged, this, &TfFormPrint::CopiesChanged);
    copiesSpin_ = new UpDown(*copies_, kMinCopies, kMaxCopies, group);
    copiesSpin_->setObjectName(QStringLiteral("udCopies"));
    auto* copiesRow = new QHBoxLayout;
    copiesRow->setSpacing(0);
    copiesRow->addWidget(copies_);
    copiesRow->addWidget(copiesSpin_);
    copiesRow->addStretch(1);
    layout->addLayout(copiesRow, 1, 1);

    send_ = new QPushButton(ToQString(kSend), group);
    send_->setObjectName(QStringLiteral("btSend"));
    SetHint(*send_, kSendHint);
    connect(send_, &QPushButton::clicked, this, &TfFormPrint::aPrintExecute);
    layout->addWidget(send_, 1, 3);
    layout->setColumnStretch(2, 1);
    return group;
}

QGroupBox* TfFormPrint::CreateSetupGroup() {
    setup_ = new QGroupBox(ToQString(kSetupGroup), this);
    setup_->setObjectName(QStringLiteral("gbSetup"));
    auto* layout = new QGridLayout(setup_);
    layout->addWidget(new QLabel(ToQString(kOffsetsCaption), setup_), 0, 0, 1, 3);
    const auto offsetRow = [&](int row, std::string_view caption, const char* name, QLineEdit*& edit, UpDown*& spin) {
        layout->addWidget(new QLabel(ToQString(caption), setup_), row, 0);
        edit = new QLineEdit(QStringLiteral("0"), setup_);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(3);
        edit->setMaximumWidth(48);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9]*")), edit));
        SetHint(*edit, kOffsetHint);
        spin = new UpDown(*edit, -kMaxOffset, kMaxOffset, setup_);
        auto* box = new QHBoxLayout;
        box->setSpacing(0);
        box->addWidget(edit);
        box->addWidget(spin);
        box->addStretch(1);
        layout->addLayout(box, row, 1);
        QLineEdit* changed = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, changed] { OffsetChanged(*changed); });
    };
    offsetRow(1, kTopOffset, "edTop", top_, topSpin_);
    offsetRow(2, kLeftOffset, "edLeft", left_, leftSpin_);
    layout->setColumnStretch(2, 1);
    return setup_;
}

void TfFormPrint::FillPrinters() {
    Guarded(workstation_.journal, "uFormPrint.TfFormPrint.FormCreate", [&] {
        printers_->clear();
        const QStringList names = QPrinterInfo::availablePrinterNames();
        for (const QString& name : names) printers_->addItem(name, name);
        // No user data: the PDF entry.
        printers_->addItem(ToQString(kPdfPrinter));
        const QString chosen = ToQString(workstation_.session.selectedPrinterName);
        const QString current = chosen.isEmpty() ? QPrinterInfo::defaultPrinterName() : chosen;
        const int index = printers_->findData(current);
        printers_->setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? printers_->count() - 1 : 0));
    });
}

bool TfFormPrint::PrintsToPdf() const { return !printers_->currentData().isValid(); }

void TfFormPrint::PrinterChosen(int index) {
    const QVariant name = printers_->itemData(index);
    if (name.isValid()) workstation_.session.selectedPrinterName = ToUtf8(name.toString());
}

void TfFormPrint::aPrinterSetupExecute() {
    Guarded(workstation_.journal, "uFormPrint.TfFormPrint.btPrinterSetupClick", [&] {
        const std::string& chosen = workstation_.session.selectedPrinterName;
        const QPrinterInfo info = chosen.empty() ? QPrinterInfo::defaultPrinter()
                                                 : QPrinterInfo::printerInfo(ToQString(chosen));
        QPrinter printer(info);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        if (!printer.outputFileName().isEmpty() || printer.printerName().isEmpty()) {
            printers_->setCurrentIndex(printers_->count() - 1);
            return;
        }
        const QString name = printer.printerName();
        int index = printers_->findData(name);
        if (index < 0) {
            printers_->insertItem(printers_->count() - 1, name, name);
            index = printers_->findData(name);
        }
        printers_->setCurrentIndex(index);
        workstation_.session.selectedPrinterName = ToUtf8(name);
    });
}

QAbstractButton* TfFormPrint::ModeButton(PrintMode mode) const { return modeButtons_[Index(mode)]; }

std::int64_t TfFormPrint::CurrentPaperNo() const {
    TDM& tdm = workstation_.tdm;
    if (!tdm.RegisterOpen() || !tdm.ASQM().IsOpen()) return 0;
    const RegisterRow* row = tdm.ASQM().Current();
    return row ? row->record.paperNo : 0;
}

void TfFormPrint::SelectMode(PrintMode mode) {
    mode_ = mode;
    const bool readOnlyView = workstation_.session.readOnlyView;
    for (const ModeButtonText& text : kModeButtons) {
        QAbstractButton* button = ModeButton(text.mode);
        button->setChecked(text.mode == mode);
        QFont font = button->font();
        font.setBold(text.mode == mode);
        button->setFont(font);
    }
    const bool copy = mode == PrintMode::Copy;
    copies_->setEnabled(copy);
    copiesSpin_->setEnabled(copy);
    send_->setEnabled(PrintAllowed(mode, readOnlyView));
    hintLine_->setText(ToQString(ModeHintLine(mode, readOnlyView, CurrentPaperNo())));
}

void TfFormPrint::RefreshModes() {
    const bool enabled = BlankModesEnabled(workstation_.session);
    ModeButton(PrintMode::Blank)->setEnabled(enabled);
    ModeButton(PrintMode::Imprint)->setEnabled(enabled);
}

void TfFormPrint::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    // A transition may just have changed the document; its flags are taken afresh.
    main_.SetEnableActions();
    RefreshModes();
    setup_->setEnabled(!workstation_.session.stopFlag);
    ReadOffsets();
    // A blank mode is never pre-selected: the issue transitions choose it themselves.
    SelectMode(PrintMode::Copy);
}

void TfFormPrint::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    Guarded(workstation_.journal, "uFormPrint.TfFormPrint.FormHide", [&] {
        // The view shows the blank's new offsets from now on.
        if (auto* view = qobject_cast<TfView*>(main_.Window(TfMainForm::WorkingWindow::View)); view && view->isVisible()) {
            view->RefreshOffsets();
        }
        ReadOffsets();
    });
}

void TfFormPrint::CopiesChanged() {
    const std::string text = CopiesText(ToUtf8(copies_->text()));
    if (ToQString(text) != copies_->text()) copies_->setText(ToQString(text));
}

void TfFormPrint::OffsetChanged(QLineEdit& edit) {
    const std::string text = OffsetText(ToUtf8(edit.text()));
    if (ToQString(text) != edit.text()) {
        // Re-enters with the corrected text, which is then stored.
        edit.setText(ToQString(text));
        return;
    }
    if (filling_) return;
    Guarded(workstation_.journal, "uFormPrint.TfFormPrint.edLeftChange",
            [&] { StoreOffsets(workstation_.tdm, ToUtf8(left_->text()), ToUtf8(top_->text())); });
}

void TfFormPrint::ReadOffsets() {
    filling_ = true;
    if (const std::optional<int> left = workstation_.tdm.Options().UdLeft()) left_->setText(QString::number(*left));
    if (const std::optional<int> top = workstation_.tdm.Options().UdTop()) top_->setText(QString::number(*top));
    filling_ = false;
}

void TfFormPrint::aPrintExecute() {
    Guarded(workstation_.journal, location::kPrintSend, [&] {
        TDM& tdm = workstation_.tdm;
        report::PrintTarget target;
        if (PrintsToPdf()) {
            const RegisterRow* row = tdm.RegisterOpen() ? tdm.ASQM().Current() : nullptr;
            const std::string suggested = (row ? row->record.referenceNo : std::string("VD")) + ".pdf";
            const std::optional<std::string> file =
                tdm.Ui().ChooseSaveFile(kPdfChooserTitle, ToUtf8(QDir::homePath()), suggested, kPdfFilter);
            if (!file) return;
            target.pdfFile = *file;
        } else {
            target.printerName = workstation_.session.selectedPrinterName;
        }
        const report::PrintOutcome outcome =
            report::SendToPrint(tdm, conclusion_, mode_, CopiesValue(ToUtf8(copies_->text())), target);
        // Back to "Копия", so that a second click prints on plain paper; the outcome stays in view.
        const bool readOnlyView = workstation_.session.readOnlyView;
        ModeButton(PrintMode::Blank)->setEnabled(readOnlyView);
        ModeButton(PrintMode::Imprint)->setEnabled(readOnlyView);
        SelectMode(PrintMode::Copy);
        hintLine_->setText(ToQString(outcome.hintLine));
    });
}

void TfFormPrint::aCloseExecute() { main_.ReturnToPreviousWindow(); }

}  // namespace vd::gui

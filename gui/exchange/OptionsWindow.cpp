#include "exchange/OptionsWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Workstation.h"
#include "main/MainForm.h"
#include "support/Guarded.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

constexpr std::string_view kRangeGroup = "Диапазон допустимых номеров";
constexpr std::string_view kMinimum = "Минимальный";
constexpr std::string_view kMaximum = "Максимальный";
constexpr std::string_view kSave = "Сохранить";
constexpr std::string_view kCancel = "Отмена";
constexpr std::string_view kArchiveGroup = "Архив";
constexpr std::string_view kArchivePath = "Путь к архиву";
constexpr std::string_view kChooseFolder = "...";
constexpr std::string_view kChooseFolderHint = "Выбор папки с архивами";
constexpr std::string_view kArchiveAtStart = "Автоматически создавать архив при старте программы";
constexpr std::string_view kArchiveAtEnd = "Автоматически создавать архив при завершении программы";
constexpr std::string_view kChamber = "Номер палаты";
constexpr std::string_view kStation = "Номер АРМа";
constexpr std::string_view kMoreGroup = "Дополнительные параметры";
constexpr std::string_view kAutoCertNumber = "Автоматически предлагать номер бланка";
constexpr std::string_view kAutoCertNumberHint =
    "Номер бланка может формироваться автоматически при создании нового документа, либо 0";

QPushButton* NewButton(const char* name, std::string_view caption, QWidget* parent) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLineEdit* NewRangeField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    // Six required digits, blanks shown as "_".
    field->setInputMask(QString(static_cast<qsizetype>(kReferencePositions), QLatin1Char('0')) + ";_");
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 16);
    return field;
}

QLineEdit* NewReadOnlyField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    return field;
}

}  // namespace

TfFormOptions::TfFormOptions(TfMainForm& mainForm)
    : settings_(mainForm.GetWorkstation().tdm),
      journal_(mainForm.GetWorkstation().journal),
      referenceMin_(NewRangeField("EditReferenceMin", this)),
      referenceMax_(NewRangeField("EditReferenceMax", this)),
      archivePath_(new QLineEdit(this)),
      archiveAtStart_(new QCheckBox(ToQString(kArchiveAtStart), this)),
      archiveAtEnd_(new QCheckBox(ToQString(kArchiveAtEnd), this)),
      chamber_(NewReadOnlyField("edChamber", this)),
      station_(NewReadOnlyField("edStation", this)),
      autoCertNumber_(new QCheckBox(ToQString(kAutoCertNumber), this)) {
    setObjectName(QStringLiteral("fFormOptions"));
    archivePath_->setObjectName(QStringLiteral("EditArchPath"));
    archiveAtStart_->setObjectName(QStringLiteral("CheckBoxBegin"));
    archiveAtEnd_->setObjectName(QStringLiteral("CheckBoxEnd"));
    autoCertNumber_->setObjectName(QStringLiteral("CheckBoxAutoCertNumber"));
    autoCertNumber_->setToolTip(ToQString(kAutoCertNumberHint));
    autoCertNumber_->setStatusTip(ToQString(kAutoCertNumberHint));

    auto* range = new QGroupBox(ToQString(kRangeGroup), this);
    auto* rangeLayout = new QFormLayout(range);
    rangeLayout->addRow(ToQString(kMinimum), referenceMin_);
    rangeLayout->addRow(ToQString(kMaximum), referenceMax_);
    auto* rangeButtons = new QHBoxLayout;
    QPushButton* rangeSave = NewButton("btReferenceOk", kSave, range);
    QPushButton* rangeCancel = NewButton("btReferenceCancel", kCancel, range);
    rangeButtons->addWidget(rangeSave);
    rangeButtons->addWidget(rangeCancel);
    rangeButtons->addStretch(1);
    rangeLayout->addRow(rangeButtons);
    connect(rangeSave, &QPushButton::clicked, this, &TfFormOptions::ActionReferenceOkExecute);
    connect(rangeCancel, &QPushButton::clicked, this, &TfFormOptions::ActionReferenceCancelExecute);

    auto* archive = new QGroupBox(ToQString(kArchiveGroup), this);
    auto* archiveLayout = new QVBoxLayout(archive);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(ToQString(kArchivePath), archive));
    pathRow->addWidget(archivePath_, 1);
    QPushButton* chooseFolder = NewButton("btFolder", kChooseFolder, archive);
    chooseFolder->setToolTip(ToQString(kChooseFolderHint));
    chooseFolder->setStatusTip(ToQString(kChooseFolderHint));
    pathRow->addWidget(chooseFolder);
    archiveLayout->addLayout(pathRow);
    archiveLayout->addWidget(archiveAtStart_);
    archiveLayout->addWidget(archiveAtEnd_);
    QPushButton* archiveSave = NewButton("btArchSave", kSave, archive);
    archiveLayout->addWidget(archiveSave, 0, Qt::AlignLeft);
    connect(chooseFolder, &QPushButton::clicked, this, &TfFormOptions::ActionFolderExecute);
    connect(archiveSave, &QPushButton::clicked, this, &TfFormOptions::ActionArchSaveExecute);
    // At most one of the two: the core's state decides, the boxes show it.
    connect(archiveAtStart_, &QCheckBox::clicked, this, [this](bool on) {
        OptionsState state = State();
        state.SetArchiveAtStart(on);
        Fill(state);
    });
    connect(archiveAtEnd_, &QCheckBox::clicked, this, [this](bool on) {
        OptionsState state = State();
        state.SetArchiveAtEnd(on);
        Fill(state);
    });

    auto* station = new QWidget(this);
    auto* stationLayout = new QFormLayout(station);
    stationLayout->addRow(ToQString(kChamber), chamber_);
    stationLayout->addRow(ToQString(kStation), station_);

    auto* more = new QGroupBox(ToQString(kMoreGroup), this);
    auto* moreLayout = new QVBoxLayout(more);
    moreLayout->addWidget(autoCertNumber_);
    QPushButton* flagsSave = NewButton("btSaveFlags", kSave, more);
    moreLayout->addWidget(flagsSave, 0, Qt::AlignLeft);
    connect(flagsSave, &QPushButton::clicked, this, &TfFormOptions::ActionSaveFlagsExecute);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(range);
    top->addWidget(station, 0, Qt::AlignTop);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(archive);
    layout->addWidget(more);
    layout->addStretch(1);
}

void TfFormOptions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Guarded(journal_, "uFormOptions.TfFormOptions.FormShow", [&] { Fill(settings_.Show()); });
}

void TfFormOptions::Fill(const OptionsState& state) {
    shown_ = state;
    referenceMin_->setText(ToQString(state.referenceMin));
    referenceMax_->setText(ToQString(state.referenceMax));
    archivePath_->setText(ToQString(state.archivePath));
    archiveAtStart_->setChecked(state.archiveAtStart);
    archiveAtEnd_->setChecked(state.archiveAtEnd);
    chamber_->setText(ToQString(state.chamberNumber));
    chamber_->setAlignment(Qt::AlignRight);
    station_->setText(ToQString(state.workstationNumber));
    station_->setAlignment(Qt::AlignRight);
    autoCertNumber_->setChecked(state.autoCertNumber);
}

OptionsState TfFormOptions::State() const {
    OptionsState state = shown_;
    // The masked fields as shown: a position left empty stays "_", which the core refuses.
    state.referenceMin = ToUtf8(referenceMin_->displayText());
    state.referenceMax = ToUtf8(referenceMax_->displayText());
    state.archivePath = ToUtf8(archivePath_->text());
    state.archiveAtStart = archiveAtStart_->isChecked();
    state.archiveAtEnd = archiveAtEnd_->isChecked();
    state.autoCertNumber = autoCertNumber_->isChecked();
    return state;
}

// The core journals the failures of each command under the window's locations.

void TfFormOptions::ActionReferenceOkExecute() { settings_.SaveReferenceRange(State()); }

void TfFormOptions::ActionReferenceCancelExecute() {
    OptionsState state = State();
    settings_.CancelReferenceRange(state);
    Fill(state);
}

void TfFormOptions::ActionFolderExecute() {
    OptionsState state = State();
    if (settings_.ChooseArchiveFolder(state)) Fill(state);
}

void TfFormOptions::ActionArchSaveExecute() { settings_.SaveArchive(State()); }

void TfFormOptions::ActionSaveFlagsExecute() { settings_.SaveAutoCertNumber(State()); }

}  // namespace vd::gui

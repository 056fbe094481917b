#include "register/SearchDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

#include "core/Workstation.h"
#include "documents/ContragentWindow.h"
#include "documents/DayDate.h"
#include "documents/PhraseDictionary.h"
#include "documents/PhraseWindow.h"
#include "documents/TextCleanup.h"
#include "register/RegisterCells.h"
#include "support/Guarded.h"
#include "support/QtText.h"
#include "support/Text.h"

namespace vd::gui {
namespace {

// The dialog's own words.
constexpr std::string_view kCaption = "Поиск";
constexpr std::string_view kNumberGroup = "№ документа";
constexpr std::string_view kYearHint = "Год";
constexpr std::string_view kChamberHint = "Код палаты";
constexpr std::string_view kNumberHint = "Номер (в рамках года)";
constexpr std::string_view kBlankGroup = "№ бланка";
constexpr std::string_view kBlankHint = "максимум 7 десятичных цифр";
constexpr std::string_view kDateGroup = "Дача выдачи";
constexpr std::string_view kDateGroupHint = "Графа 10";
constexpr std::string_view kFrom = "С";
constexpr std::string_view kTo = "По";
constexpr std::string_view kIgnoreDate = "Не учитывать";
constexpr std::string_view kUseDate = "Учесть дату";
constexpr std::string_view kDeclarantGroup = "Заявитель (графа 1)";
constexpr std::string_view kAnd = "И";
constexpr std::string_view kOr = "Или";
constexpr std::string_view kPick = "...";
constexpr std::string_view kDeclarantPickHint = "Выбор из списка";
constexpr std::string_view kClear = "Очистить";
constexpr std::string_view kMarksGroup = "Для служебных отметок (графа 3)";
constexpr std::string_view kMarksPickHint = "Выбор использования из списка";
constexpr std::string_view kExpertGroup = "Эксперт";
constexpr std::string_view kStatusGroup = "Статус";
constexpr std::string_view kGoodsGroup = "Товары";
constexpr std::string_view kGoodsPickHint = "Выбрать из списка";
constexpr std::string_view kDeleteRow = "Удалить";
constexpr std::string_view kDeleteRowHint = "Удалить строку";
constexpr std::string_view kSearch = "Искать";
constexpr std::string_view kSearchHint = "Начинает поиск";
constexpr std::string_view kCancel = "Отмена";
constexpr std::string_view kCancelHint = "Отказ от поиска";

// Digits only, every position optional, shown as "?" while blank.
QString DigitMask(std::size_t positions) { return QString(static_cast<qsizetype>(positions), QLatin1Char('9')) + ";?"; }

QLineEdit* NewMaskedField(const char* name, std::size_t positions, std::string_view hint, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setInputMask(DigitMask(positions));
    field->setToolTip(ToQString(hint));
    field->setStatusTip(ToQString(hint));
    const int width = field->fontMetrics().horizontalAdvance(QString(static_cast<qsizetype>(positions) + 2, '0'));
    field->setFixedWidth(width + 16);
    return field;
}

QPushButton* NewButton(const char* name, std::string_view caption, std::string_view hint, QWidget* parent) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    if (!hint.empty()) {
        button->setToolTip(ToQString(hint));
        button->setStatusTip(ToQString(hint));
    }
    button->setAutoDefault(false);
    return button;
}

std::vector<std::string> RowsOf(const QTableWidget& grid) {
    std::vector<std::string> rows;
    for (int i = 0; i < grid.rowCount(); ++i) {
        const QTableWidgetItem* item = grid.item(i, 0);
        rows.push_back(item ? ToUtf8(item->text()) : std::string());
    }
    return rows;
}

}  // namespace

TfSearch::TfSearch(Workstation& workstation, QWidget* parent)
    : QDialog(parent), workstation_(workstation) {
    setObjectName(QStringLiteral("fSearch"));
    setWindowTitle(ToQString(kCaption));

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(CreateNumberGroup());
    left->addWidget(CreateDateGroup());
    auto* expertGroup = new QGroupBox(ToQString(kExpertGroup), this);
    auto* expertLayout = new QVBoxLayout(expertGroup);
    expert_ = new QLineEdit(expertGroup);
    expert_->setObjectName(QStringLiteral("edExpert"));
    expertLayout->addWidget(expert_);
    left->addWidget(expertGroup);
    auto* statusGroup = new QGroupBox(ToQString(kStatusGroup), this);
    auto* statusLayout = new QVBoxLayout(statusGroup);
    status_ = new QComboBox(statusGroup);
    status_->setObjectName(QStringLiteral("cbStatus"));
    for (const StatusEntry& entry : kSearchStatuses) status_->addItem(ToQString(entry.name));
    statusLayout->addWidget(status_);
    left->addWidget(statusGroup);
    left->addStretch(1);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(CreateDeclarantGroup(), 2);
    right->addWidget(CreateMarksGroup(), 1);
    right->addWidget(CreateGoodsGroup(), 2);
    columns->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* search = NewButton("btSearch", kSearch, kSearchHint, this);
    search->setDefault(true);
    QPushButton* cancel = NewButton("btCancel", kCancel, kCancelHint, this);
    connect(search, &QPushButton::clicked, this, &TfSearch::aOkExecute);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(search);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(820, 640);

    FormCreate();
}

QWidget* TfSearch::CreateNumberGroup() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* numberGroup = new QGroupBox(ToQString(kNumberGroup), box);
    auto* numberLayout = new QHBoxLayout(numberGroup);
    year_ = NewMaskedField("meYear", kYearDigitPositions, kYearHint, numberGroup);
    chamber_ = new QLineEdit(numberGroup);
    chamber_->setObjectName(QStringLiteral("edChamber"));
    chamber_->setToolTip(ToQString(kChamberHint));
    chamber_->setMaxLength(3);
    chamber_->setEnabled(false);
    chamber_->setFixedWidth(year_->width() + chamber_->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    number_ = NewMaskedField("meNumber", kNumberPositions, kNumberHint, numberGroup);
    numberLayout->addWidget(year_);
    numberLayout->addWidget(chamber_);
    numberLayout->addWidget(number_);
    numberLayout->addStretch(1);
    layout->addWidget(numberGroup);

    auto* blankGroup = new QGroupBox(ToQString(kBlankGroup), box);
    auto* blankLayout = new QHBoxLayout(blankGroup);
    blank_ = NewMaskedField("meBlank", kBlankPositions, kBlankHint, blankGroup);
    blankLayout->addWidget(blank_);
    blankLayout->addStretch(1);
    layout->addWidget(blankGroup);
    return box;
}

QWidget* TfSearch::CreateDateGroup() {
    auto* group = new QGroupBox(ToQString(kDateGroup), this);
    group->setToolTip(ToQString(kDateGroupHint));
    auto* layout = new QGridLayout(group);
    const std::array<std::pair<const char*, std::string_view>, 2> pickers = {{{"dtFrom", kFrom}, {"dtTo", kTo}}};
    for (int row = 0; row < 2; ++row) {
        auto* picker = new QDateEdit(group);
        picker->setObjectName(QString::fromLatin1(pickers[static_cast<std::size_t>(row)].first));
        picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        picker->setCalendarPopup(true);
        const QString name = QString::fromLatin1(pickers[static_cast<std::size_t>(row)].first).mid(2);
        QPushButton* ignore = NewButton(qPrintable("btIgnore" + name), kIgnoreDate, {}, group);
        QPushButton* use = NewButton(qPrintable("btUse" + name), kUseDate, {}, group);
        connect(ignore, &QPushButton::clicked, this, [this, picker] { ShowDate(picker, false); });
        connect(use, &QPushButton::clicked, this, [this, picker] { ShowDate(picker, true); });
        layout->addWidget(new QLabel(ToQString(pickers[static_cast<std::size_t>(row)].second), group), row, 0);
        layout->addWidget(picker, row, 1);
        layout->addWidget(ignore, row, 2);
        layout->addWidget(use, row, 3);
        (row == 0 ? from_ : to_) = picker;
    }
    layout->setColumnMinimumWidth(1, 110);
    return group;
}

QTableWidget* TfSearch::NewConditionGrid(const char* name, QWidget* parent) {
    auto* grid = new QTableWidget(static_cast<int>(kSearchGridRows), 1, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setWordWrap(false);
    // All ten rows in sight.
    grid->setMinimumHeight(grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < grid->rowCount(); ++i) grid->setItem(i, 0, new QTableWidgetItem);
    grid->setCurrentCell(0, 0);
    return grid;
}

// The И / Или switch, a condition grid and its two buttons.
QWidget* TfSearch::CreateDeclarantGroup() {
    auto* group = new QGroupBox(ToQString(kDeclarantGroup), this);
    auto* layout = new QGridLayout(group);
    auto* andButton = new QRadioButton(ToQString(kAnd), group);
    andButton->setObjectName(QStringLiteral("rbDeclarantAnd"));
    andButton->setChecked(true);
    declarantsOr_ = new QRadioButton(ToQString(kOr), group);
    declarantsOr_->setObjectName(QStringLiteral("rbDeclarantOr"));
    declarants_ = NewConditionGrid("sgDeclarant", group);
    QPushButton* pick = NewButton("btDeclarantSelect", kPick, kDeclarantPickHint, group);
    QPushButton* clear = NewButton("btDeclarantClear", kClear, {}, group);
    connect(pick, &QPushButton::clicked, this, &TfSearch::SelectDeclarant);
    connect(clear, &QPushButton::clicked, this, &TfSearch::ClearDeclarant);
    layout->addWidget(andButton, 0, 0);
    layout->addWidget(declarantsOr_, 1, 0);
    layout->addWidget(declarants_, 0, 1, 3, 1);
    layout->addWidget(pick, 0, 2);
    layout->addWidget(clear, 1, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

QWidget* TfSearch::CreateMarksGroup() {
    auto* group = new QGroupBox(ToQString(kMarksGroup), this);
    auto* layout = new QGridLayout(group);
    marks_ = new QPlainTextEdit(group);
    marks_->setObjectName(QStringLiteral("meMarks"));
    QPushButton* pick = NewButton("btMarksSelect", kPick, kMarksPickHint, group);
    QPushButton* clear = NewButton("btMarksClear", kClear, {}, group);
    connect(pick, &QPushButton::clicked, this, &TfSearch::SelectMarks);
    connect(clear, &QPushButton::clicked, this, &TfSearch::ClearMarks);
    layout->addWidget(marks_, 0, 0, 3, 1);
    layout->addWidget(pick, 0, 1);
    layout->addWidget(clear, 1, 1);
    layout->setColumnStretch(0, 1);
    return group;
}

QWidget* TfSearch::CreateGoodsGroup() {
    auto* group = new QGroupBox(ToQString(kGoodsGroup), this);
    auto* layout = new QGridLayout(group);
    auto* andButton = new QRadioButton(ToQString(kAnd), group);
    andButton->setObjectName(QStringLiteral("rbGoodsAnd"));
    andButton->setChecked(true);
    goodsOr_ = new QRadioButton(ToQString(kOr), group);
    goodsOr_->setObjectName(QStringLiteral("rbGoodsOr"));
    goods_ = NewConditionGrid("sgGoods", group);
    QPushButton* pick = NewButton("btGoodsSelect", kPick, kGoodsPickHint, group);
    QPushButton* remove = NewButton("btGoodsDelete", kDeleteRow, kDeleteRowHint, group);
    connect(pick, &QPushButton::clicked, this, &TfSearch::SelectGoods);
    connect(remove, &QPushButton::clicked, this, &TfSearch::DeleteGoodsRow);
    layout->addWidget(andButton, 0, 0);
    layout->addWidget(goodsOr_, 1, 0);
    layout->addWidget(goods_, 0, 1, 3, 1);
    layout->addWidget(pick, 0, 2);
    layout->addWidget(remove, 1, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

void TfSearch::FormCreate() {
    chamber_->setText(ToQString(ExactDigits(workstation_.tdm.Station().tppNumber, 3)));
    status_->setCurrentIndex(0);
    // Other users find only their own documents: the core gives their name, fixed.
    expert_->setEnabled(workstation_.session.IsAdministrator());
    Guarded(workstation_.journal, "uFormSearch.TfSearch.TntFormCreate", [&] {
        const SearchConditions initial = InitialSearchConditions(workstation_.tdm);
        expert_->setText(ToQString(initial.expert));
        if (initial.from) from_->setDate(ToQDate(*initial.from));
        if (initial.to) to_->setDate(ToQDate(*initial.to));
    });
    ShowDate(from_, true);
    ShowDate(to_, true);
}

void TfSearch::ShowDate(QDateEdit* picker, bool shown) {
    (picker == from_ ? fromShown_ : toShown_) = shown;
    picker->setVisible(shown);
}

bool TfSearch::DateShown(const QDateEdit* picker) const { return picker == from_ ? fromShown_ : toShown_; }

SearchConditions TfSearch::Conditions() const {
    SearchConditions c;
    c.yearDigit = ToUtf8(year_->displayText());
    c.number = ToUtf8(number_->displayText());
    c.blank = ToUtf8(blank_->displayText());
    if (fromShown_) c.from = ToDayNumber(from_->date());
    if (toShown_) c.to = ToDayNumber(to_->date());
    c.declarants = RowsOf(*declarants_);
    c.declarantsOr = declarantsOr_->isChecked();
    // Typed texts are compared with stored ones, which break lines with CR LF.
    c.marks = CleanMultiLineText(ToUtf8(marks_->toPlainText()));
    c.expert = ToUtf8(expert_->text());
    c.statusName = ToUtf8(status_->currentText());
    c.goods = RowsOf(*goods_);
    c.goodsOr = goodsOr_->isChecked();
    return c;
}

void TfSearch::aOkExecute() {
    // The core journals a failed search under this dialog's name and leaves the register as
    // it was; the dialog then closes as cancelled.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Guarded(workstation_.journal, "SearchForm.TfSearch.aOkExecute",
            [&] { result_ = RunSearch(workstation_.tdm, Conditions()); });
    QApplication::restoreOverrideCursor();
    if (result_) {
        accept();
    } else {
        reject();
    }
}

void TfSearch::SetCurrentRowText(QTableWidget& grid, const QString& text) {
    const int row = grid.currentRow() < 0 ? 0 : grid.currentRow();
    if (QTableWidgetItem* item = grid.item(row, 0)) {
        item->setText(text);
    } else {
        grid.setItem(row, 0, new QTableWidgetItem(text));
    }
}

void TfSearch::SelectDeclarant() {
    Guarded(workstation_.journal, "SearchForm.TfSearch.ButtonExportSelectClick", [&] {
        TfContragent window(workstation_.tdm, this);
        if (window.exec() != QDialog::Accepted) return;
        const std::string& name = window.SelectedName();
        const std::string& address = window.SelectedAddress();
        // Matched against the declarant and its address the way documents store them.
        const std::string text = name.empty() || address.empty() ? name + address : name + "\r\n" + address;
        SetCurrentRowText(*declarants_, ToQString(text));
    });
}

void TfSearch::ClearDeclarant() { SetCurrentRowText(*declarants_, {}); }

void TfSearch::SelectMarks() {
    Guarded(workstation_.journal, "SearchForm.TfSearch.SpeedButtonUseSelectClick", [&] {
        if (const auto chosen = PickPhrase(phrase::kDetails)) marks_->setPlainText(ToDisplayText(*chosen));
    });
}

void TfSearch::ClearMarks() { marks_->clear(); }

void TfSearch::SelectGoods() {
    Guarded(workstation_.journal, "SearchForm.TfSearch.SpeedButtonGoodsSelectClick", [&] {
        if (const auto chosen = PickPhrase(phrase::kGoods)) SetCurrentRowText(*goods_, ToQString(*chosen));
    });
}

std::optional<std::string> TfSearch::PickPhrase(int phraseType) {
    TfPhrase window(workstation_.tdm, this);
    window.SetPhraseType(phraseType);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.SelectedName();
}

void TfSearch::DeleteGoodsRow() { SetCurrentRowText(*goods_, {}); }

}  // namespace vd::gui

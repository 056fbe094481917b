#include "documents/DictionaryWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "documents/DictionaryList.h"
#include "documents/DictionarySearch.h"
#include "documents/Messages.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

QPushButton* Button(QWidget* parent, std::string_view caption, std::string_view hint = {}) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setAutoDefault(false);
    if (!hint.empty()) {
        button->setToolTip(ToQString(hint));
        button->setStatusTip(ToQString(hint));
    }
    return button;
}

QLineEdit* SearchField(QWidget* parent, const char* name, std::string_view hint) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(ToQString(hint));
    field->setStatusTip(ToQString(hint));
    return field;
}

}  // namespace

DictionaryWindow::DictionaryWindow(TDM& tdm, std::string_view location, std::string_view deleteHint,
                                   QWidget* parent)
    : QDialog(parent),
      tdm_(tdm),
      list_(new DictionaryList(this)),
      model_(new QStandardItemModel(this)),
      addPanel_(new QHBoxLayout),
      searchFromStart_(SearchField(this, "edSearchStart", text::kSearchFromStartHint)),
      searchAnywhere_(SearchField(this, "edSearchAll", text::kSearchAnywhereHint)),
      location_(location),
      layout_(tdm.GetPaths(), tdm.GetJournal()) {
    setModal(true);
    list_->setModel(model_);

    auto* addBox = new QGroupBox(this);
    addBox->setObjectName(QStringLiteral("pAdd"));
    auto* addLayout = new QHBoxLayout(addBox);
    addLayout->addLayout(addPanel_, 1);
    QPushButton* add = Button(addBox, text::kDictionaryAdd, text::kDictionaryAddHint);
    addLayout->addWidget(add, 0, Qt::AlignTop);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(ToQString(text::kSearchFromStart), this));
    searchRow->addWidget(searchFromStart_, 1);
    searchRow->addSpacing(12);
    searchRow->addWidget(new QLabel(ToQString(text::kSearchAnywhere), this));
    searchRow->addWidget(searchAnywhere_, 1);

    QPushButton* choose = Button(this, text::kDictionarySelect);
    choose->setDefault(true);
    QPushButton* remove = Button(this, text::kDictionaryDelete, deleteHint);
    QPushButton* cancel = Button(this, text::kDictionaryCancel, text::kDictionaryCancelHint);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(addBox);
    layout->addLayout(searchRow);
    layout->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, &DictionaryWindow::ChooseCurrent);
    connect(list_, &QAbstractItemView::doubleClicked, this, &DictionaryWindow::ChooseCurrent);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, [this] { AddEntry(); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (CurrentRow() >= 0) DeleteEntry(CurrentRow());
    });
    connect(searchFromStart_, &QLineEdit::textChanged, this, [this](const QString& t) { Search(t, true); });
    connect(searchAnywhere_, &QLineEdit::textChanged, this, [this](const QString& t) { Search(t, false); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) Mirror(current.row());
            });
    resize(620, 560);
}

DictionaryWindow::~DictionaryWindow() { layout_.Save(*this); }

void DictionaryWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void DictionaryWindow::ShowRows(const QStringList& columnTitles, std::vector<std::vector<std::string>> rows) {
    rows_ = std::move(rows);
    model_->clear();
    model_->setHorizontalHeaderLabels(columnTitles);
    for (const auto& row : rows_) {
        QList<QStandardItem*> items;
        for (const std::string& value : row) {
            auto* item = new QStandardItem(ToDisplayText(value));
            item->setToolTip(ToDisplayText(value));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            items.append(item);
        }
        model_->appendRow(items);
    }
    MoveToRow(0);
}

int DictionaryWindow::CurrentRow() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DictionaryWindow::MoveToRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const int column = std::max(list_->currentIndex().column(), 0);
    list_->setCurrentIndex(model_->index(row, column));
    list_->scrollTo(list_->currentIndex());
}

void DictionaryWindow::MoveToRowWith(const std::vector<std::string>& texts) {
    const auto found = std::find(rows_.begin(), rows_.end(), texts);
    if (found != rows_.end()) MoveToRow(static_cast<int>(found - rows_.begin()));
}

void DictionaryWindow::ChooseCurrent() {
    // An empty list offers nothing to choose: the caller's field must not be emptied by it.
    if (CurrentRow() < 0) return;
    Choose(CurrentRow());
    accept();
}

void DictionaryWindow::ReportError(std::string_view handler, const std::exception& error) {
    tdm_.GetJournal().ReportError(location_ + "." + std::string(handler), error.what());
}

void DictionaryWindow::Search(const QString& text, bool fromStart) {
    try {
        // The column the user last clicked in is the one searched.
        const auto column = static_cast<std::size_t>(std::max(list_->currentIndex().column(), 0));
        std::vector<std::string> values;
        values.reserve(rows_.size());
        for (const auto& row : rows_) values.push_back(column < row.size() ? row[column] : std::string());
        if (const auto found = FindRow(values, ToUtf8(text), fromStart)) MoveToRow(static_cast<int>(*found));
    } catch (const std::exception& e) {
        ReportError("EditSearchChange", e);
    }
}

}  // namespace vd::gui

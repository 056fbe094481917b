#include "exchange/UsersWindow.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <vector>

#include "core/UserAdministration.h"
#include "core/UsersTable.h"
#include "core/Workstation.h"
#include "main/MainForm.h"
#include "support/FormLayout.h"
#include "support/QtText.h"

namespace vd::gui {

// The users table as the grid shows it: one column, the name; the logged-in user's row marked
// in the indicator column.
class UsersModel : public QAbstractTableModel {
public:
    UsersModel(Workstation& workstation, QIcon loggedIn, QObject* parent)
        : QAbstractTableModel(parent), workstation_(workstation), loggedIn_(std::move(loggedIn)) {}

    void Reload() {
        beginResetModel();
        const UsersTable& users = workstation_.tdm.Users();
        rows_ = users.IsOpen() ? users.Rows() : std::vector<UserRow>{};
        endResetModel();
    }

    int IdAt(int row) const {
        return row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? rows_[static_cast<std::size_t>(row)].id : 0;
    }
    int RowOf(int id) const {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].id == id) return static_cast<int>(i);
        }
        return -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 1; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || role != Qt::DisplayRole) return {};
        return ToQString(rows_[static_cast<std::size_t>(index.row())].userName);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal) {
            if (role == Qt::DisplayRole || role == kFieldNameRole) return QStringLiteral("UserName");
            return {};
        }
        if (role == Qt::DecorationRole && IdAt(section) == workstation_.session.currentUserId) return loggedIn_;
        if (role == Qt::DisplayRole) return QString();
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    Workstation& workstation_;
    QIcon loggedIn_;
    std::vector<UserRow> rows_;
};

namespace {

// The selected name is drawn bold on the window's own colour instead of the selection colour.
class BoldSelectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->state.testFlag(QStyle::State_Selected)) return;
        option->state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus);
        option->font.setBold(true);
        option->backgroundBrush = option->palette.brush(QPalette::Base);
    }
};

}  // namespace

TfUsers::TfUsers(TfMainForm& mainForm)
    : main_(mainForm), grid_(new QTableView(this)) {
    setObjectName(QStringLiteral("fUsers"));
    for (std::size_t i = 0; i < kUsersActions.size(); ++i) actions_[i] = MakeAction(kUsersActions[i], *this);
    connect(Action(UsersCommand::Add), &QAction::triggered, this, &TfUsers::aAddUserExecute);
    connect(Action(UsersCommand::Delete), &QAction::triggered, this, &TfUsers::aDeleteUserExecute);
    connect(Action(UsersCommand::Properties), &QAction::triggered, this, &TfUsers::aPropUserExecute);
    connect(Action(UsersCommand::Rename), &QAction::triggered, this, &TfUsers::aRenameUserExecute);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbUsers"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (QAction* action : actions_) bar->addAction(action);
    layout->addWidget(bar);

    model_ = new UsersModel(main_.GetWorkstation(), Action(UsersCommand::Properties)->icon(), this);
    grid_->setObjectName(QStringLiteral("dbgUsers"));
    grid_->setModel(model_);
    grid_->setItemDelegate(new BoldSelectionDelegate(grid_));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setShowGrid(true);
    grid_->horizontalHeader()->setStretchLastSection(true);
    // The indicator column holds the logged-in user's icon.
    grid_->verticalHeader()->setFixedWidth(22);
    layout->addWidget(grid_, 1);

    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& row) {
        main_.GetWorkstation().tdm.Users().Locate(model_->IdAt(row.row()));
        UpdateActions();
    });
    connect(grid_, &QTableView::doubleClicked, this, [this] {
        if (Action(UsersCommand::Properties)->isEnabled()) aPropUserExecute();
    });
    Reload();
}

int TfUsers::SelectedId() const { return model_->IdAt(grid_->currentIndex().row()); }

void TfUsers::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Reload();
}

void TfUsers::Reload() {
    const UsersTable& users = main_.GetWorkstation().tdm.Users();
    const UserRow* current = users.IsOpen() ? users.Current() : nullptr;
    const int id = current ? current->id : 0;
    model_->Reload();
    Select(id);
}

void TfUsers::Select(int id) {
    const int row = model_->RowOf(id);
    if (row >= 0) {
        const QModelIndex index = model_->index(row, 0);
        grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        grid_->scrollTo(index);
    }
    UpdateActions();
}

void TfUsers::UpdateActions() {
    const UserAdministration admin(main_.GetWorkstation().tdm);
    Action(UsersCommand::Add)->setEnabled(admin.CanAdd());
    Action(UsersCommand::Delete)->setEnabled(admin.CanDelete(SelectedId()));
    Action(UsersCommand::Properties)->setEnabled(admin.CanChangePassword());
    Action(UsersCommand::Rename)->setEnabled(admin.CanRename());
}

// The core journals the failures of its commands under the window's own locations.

void TfUsers::aAddUserExecute() {
    UserAdministration(main_.GetWorkstation().tdm).AddUser();
    Reload();
}

void TfUsers::aDeleteUserExecute() {
    UserAdministration(main_.GetWorkstation().tdm).DeleteUser(SelectedId());
    Reload();
}

void TfUsers::aPropUserExecute() {
    UserAdministration(main_.GetWorkstation().tdm).ChangePassword(SelectedId());
    Reload();
}

void TfUsers::aRenameUserExecute() {
    UserAdministration(main_.GetWorkstation().tdm).RenameUser(SelectedId());
    Reload();
}

void TfUsers::RenameUser(int id) {
    Select(id);
    aRenameUserExecute();
}

}  // namespace vd::gui

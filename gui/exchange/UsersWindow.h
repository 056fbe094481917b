#pragma once

#include <QWidget>

#include <array>

#include "support/ActionText.h"

class QAction;
class QTableView;

namespace vd::gui {

class TfMainForm;
class UsersModel;

enum class UsersCommand { Add, Delete, Properties, Rename };

inline constexpr std::array<ActionText, 4> kUsersActions = {{
    {"aAddUser", "Добавить", "Добавить пользователя", "", QStyle::SP_FileDialogNewFolder},
    {"aDeleteUser", "Удалить", "Удаление пользователя", "", QStyle::SP_TrashIcon},
    {"aPropUser", "Свойства", "Свойства пользователя", "", QStyle::SP_FileDialogInfoView},
    {"aRenameUser", "Переименовать", "Переименование пользователя", "", QStyle::SP_FileDialogDetailedView},
}};

// The users of the workstation in a grid, with the administrator's four commands. The grid
// marks the logged-in user's row with the icon of "Свойства"; the commands are the core's user
// administration and act on the selected row.
class TfUsers : public QWidget {
    Q_OBJECT

public:
    explicit TfUsers(TfMainForm& mainForm);

    QAction* Action(UsersCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    QTableView* Grid() const { return grid_; }
    // The selected user's id, 0 when none.
    int SelectedId() const;
    // Selects the user and runs "Переименовать" for him.
    void RenameUser(int id);

    void aAddUserExecute();
    void aDeleteUserExecute();
    void aPropUserExecute();
    void aRenameUserExecute();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateActions();
    // The table changed: the grid shows it afresh, on the table's current row.
    void Reload();
    void Select(int id);

    TfMainForm& main_;
    std::array<QAction*, kUsersActions.size()> actions_{};
    QTableView* grid_;
    UsersModel* model_;
};

}  // namespace vd::gui

#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QListWidget;

namespace vd::gui {

// A plain choice of one text from a list: OK, Enter or a double click takes the selected one.
class PickListDialog : public QDialog {
    Q_OBJECT

public:
    PickListDialog(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    // The chosen row; nothing when cancelled or when the list is empty.
    static std::optional<int> Pick(QWidget* parent, const QString& title, const QStringList& items);

    QListWidget* List() const { return list_; }

private:
    QListWidget* list_;
};

}  // namespace vd::gui

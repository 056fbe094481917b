#pragma once

#include <QTableView>

namespace vd::gui {

class ExpertiseModel;

// The expertise grid of field 10 (kxDBGrid1): a typed key starts editing the cell, the date
// column is edited with its date editor, and Ctrl+Delete removes the current row.
class ExpertiseGrid : public QTableView {
    Q_OBJECT

public:
    ExpertiseGrid(ExpertiseModel& model, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ExpertiseModel& model_;
};

}  // namespace vd::gui

#pragma once

#include <QTableView>

namespace vd::gui {

// The list of a dictionary window: read-only rows four lines high with the text wrapped, whole
// rows selected, and the mouse wheel moving the current row by one per step.
class DictionaryList : public QTableView {
    Q_OBJECT

public:
    explicit DictionaryList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    // Part of a step left over by fine-grained wheels and touchpads.
    int pendingDelta_ = 0;
};

}  // namespace vd::gui

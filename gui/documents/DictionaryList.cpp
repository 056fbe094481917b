#include "documents/DictionaryList.h"

#include <QHeaderView>
#include <QWheelEvent>

#include <algorithm>

namespace vd::gui {

DictionaryList::DictionaryList(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("dbgList"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(4 * fontMetrics().lineSpacing() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
}

void DictionaryList::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (!model() || model()->rowCount() == 0) return;
    pendingDelta_ += event->angleDelta().y();
    const int steps = pendingDelta_ / QWheelEvent::DefaultDeltasPerStep;
    if (steps == 0) return;
    pendingDelta_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    // Turning the wheel forward moves up the list.
    const int column = std::max(currentIndex().column(), 0);
    const int row = std::clamp(currentIndex().row() - steps, 0, model()->rowCount() - 1);
    setCurrentIndex(model()->index(row, column));
}

}  // namespace vd::gui

#include "documents/ExpertiseGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "documents/EditorTexts.h"
#include "documents/ExpertiseModel.h"
#include "support/QtText.h"

namespace vd::gui {

ExpertiseGrid::ExpertiseGrid(ExpertiseModel& model, QWidget* parent) : QTableView(parent), model_(model) {
    setObjectName(QStringLiteral("kxDBGrid1"));
    setModel(&model_);
    setToolTip(ToQString(text::kExpertiseGridHint));
    setStatusTip(ToQString(text::kExpertiseGridHint));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->resizeSection(ExpertiseModel::kDateColumn, 150);
    horizontalHeader()->resizeSection(ExpertiseModel::kNumberColumn, 150);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setCornerButtonEnabled(false);
}

void ExpertiseGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        const int row = currentIndex().row();
        const int column = currentIndex().column();
        if (model_.DeleteRow(row)) setCurrentIndex(model_.index(std::min(row, model_.rowCount() - 1), column));
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace vd::gui

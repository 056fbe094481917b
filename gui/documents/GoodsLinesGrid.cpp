#include "documents/GoodsLinesGrid.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include "documents/GoodsLinePanel.h"
#include "documents/MemoField.h"

namespace vd::gui {

GoodsLinesGrid::GoodsLinesGrid(QWidget* parent) : QScrollArea(parent), body_(new QWidget), layout_(new QVBoxLayout(body_)) {
    setObjectName(QStringLiteral("dbcgData"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addStretch(1);
    setWidget(body_);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::Box);
    const int frame = 2 * frameWidth();
    setFixedSize(GoodsColumns::kPanelWidth + verticalScrollBar()->sizeHint().width() + frame,
                 kVisibleLines * GoodsColumns::kPanelHeight + frame);
    verticalScrollBar()->setSingleStep(GoodsColumns::kPanelHeight);
}

void GoodsLinesGrid::ShowLines(std::vector<GoodsLine>& lines, std::optional<std::size_t> current) {
    lines_ = &lines;
    for (GoodsLinePanel* panel : panels_) {
        // The panel may be the sender of the click that led here: it goes once the click is done.
        layout_->removeWidget(panel);
        panel->hide();
        panel->deleteLater();
    }
    panels_.clear();
    const bool empty = lines.empty();
    const std::size_t count = empty ? 1 : lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        auto* panel = new GoodsLinePanel(i, !empty, body_);
        if (!empty) panel->Show(lines[i]);
        panel->SetContentEditable(contentEditable_);
        connect(panel, &GoodsLinePanel::fieldEdited, this, &GoodsLinesGrid::WriteField);
        connect(panel, &GoodsLinePanel::activated, this, &GoodsLinesGrid::SetCurrent);
        connect(panel, &GoodsLinePanel::insertClicked, this, &GoodsLinesGrid::insertClicked);
        connect(panel, &GoodsLinePanel::deleteClicked, this, &GoodsLinesGrid::deleteClicked);
        connect(panel, &GoodsLinePanel::pickClicked, this, &GoodsLinesGrid::pickClicked);
        connect(panel, &GoodsLinePanel::addClicked, this, &GoodsLinesGrid::addClicked);
        connect(panel, &GoodsLinePanel::copyToAllClicked, this, &GoodsLinesGrid::copyToAllClicked);
        layout_->insertWidget(static_cast<int>(i), panel);
        panels_.push_back(panel);
    }
    layout_->activate();
    current_.reset();
    if (!empty) SetCurrent(current && *current < lines.size() ? *current : 0);
}

void GoodsLinesGrid::SetCurrent(std::size_t line) {
    if (!lines_ || line >= lines_->size()) return;
    if (current_ && *current_ < panels_.size()) panels_[*current_]->SetCurrent(false);
    current_ = line;
    panels_[line]->SetCurrent(true);
    ensureWidgetVisible(panels_[line], 0, 0);
}

void GoodsLinesGrid::SetContentEditable(bool editable) {
    contentEditable_ = editable;
    for (GoodsLinePanel* panel : panels_) panel->SetContentEditable(editable);
}

GoodsLinePanel* GoodsLinesGrid::Panel(std::size_t index) const {
    return index < panels_.size() ? panels_[index] : nullptr;
}

void GoodsLinesGrid::WriteField(std::size_t line, GoodsField field) {
    if (!lines_ || line >= lines_->size()) return;
    FieldOf((*lines_)[line], field) = panels_[line]->Field(field).Value();
    emit lineEdited();
}

}  // namespace vd::gui

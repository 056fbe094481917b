#pragma once

#include <QScrollArea>

#include <cstddef>
#include <optional>
#include <vector>

#include "core/MasterRecord.h"
#include "documents/GoodsLines.h"

class QVBoxLayout;

namespace vd::gui {

class GoodsLinePanel;

// The panel grid of the goods lines (dbcgData): one panel per line, four of them visible at a
// time, the current one marked. It shows the goods table of the working set and writes what
// the user types straight into it; adding and removing lines is the editor's business.
class GoodsLinesGrid : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int kVisibleLines = 4;

    explicit GoodsLinesGrid(QWidget* parent = nullptr);

    // Shows `lines` (kept by reference until the next call) with `current` as the current line.
    void ShowLines(std::vector<GoodsLine>& lines, std::optional<std::size_t> current);
    std::optional<std::size_t> Current() const { return current_; }
    void SetCurrent(std::size_t line);
    void SetContentEditable(bool editable);
    // The panel of a line, or of the empty table; null when there is none.
    GoodsLinePanel* Panel(std::size_t index) const;
    std::size_t PanelCount() const { return panels_.size(); }

signals:
    // A field of a line was changed by the user and written into the table.
    void lineEdited();
    void insertClicked(std::size_t line);
    void deleteClicked(std::size_t line);
    void pickClicked(std::size_t line, vd::GoodsField field);
    void addClicked(std::size_t line, vd::GoodsField field);
    void copyToAllClicked(std::size_t line);

private:
    void WriteField(std::size_t line, GoodsField field);

    std::vector<GoodsLine>* lines_ = nullptr;
    QWidget* body_;
    QVBoxLayout* layout_;
    std::vector<GoodsLinePanel*> panels_;
    std::optional<std::size_t> current_;
    bool contentEditable_ = true;
};

}  // namespace vd::gui

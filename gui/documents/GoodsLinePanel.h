#pragma once

#include <QRect>
#include <QWidget>

#include <array>
#include <cstddef>

#include "documents/GoodsLines.h"

class QToolButton;

namespace vd::gui {

class DictionaryButton;
class MemoField;

// Where the goods block draws its columns, shared by the column titles and the panels so that
// both line up like the printed table.
struct GoodsColumns {
    static constexpr int kPanelWidth = 812;
    static constexpr int kPanelHeight = 86;
    static constexpr QRect kNum{2, 2, 42, 82};
    static constexpr QRect kDescription{46, 2, 300, 82};
    static constexpr QRect kCount6{388, 2, 104, 38};
    static constexpr QRect kPackage6{388, 44, 104, 40};
    static constexpr QRect kCount7{518, 2, 122, 82};
    static constexpr QRect kDocuments8{642, 2, 142, 82};
    // The titles span the dictionary buttons and the marker's place as well.
    static constexpr QRect kTitle4{2, 0, 42, 52};
    static constexpr QRect kTitle5{46, 0, 322, 52};
    static constexpr QRect kTitle6{370, 0, 146, 52};
    static constexpr QRect kTitle7{518, 0, 122, 52};
    static constexpr QRect kTitle8{642, 0, 142, 52};
    static constexpr QRect kTitleButtons{786, 0, 26, 52};
};

// One goods line of the panel grid: fields 4 to 8, the dictionary buttons of 5 and 6, and the
// line buttons. An empty goods table shows one panel without a line, whose fields take no text.
class GoodsLinePanel : public QWidget {
    Q_OBJECT

public:
    // `line` is the index in the goods table; `hasLine` false for the panel of an empty table.
    GoodsLinePanel(std::size_t line, bool hasLine, QWidget* parent = nullptr);

    std::size_t Line() const { return line_; }
    MemoField& Field(GoodsField field) const;
    void Show(const GoodsLine& line);
    void SetCurrent(bool current);
    void SetContentEditable(bool editable);

signals:
    // The user changed a field; the text is the cleaned value.
    void fieldEdited(std::size_t line, vd::GoodsField field);
    // The panel became the current line (a click, or the focus entered one of its fields).
    void activated(std::size_t line);
    void insertClicked(std::size_t line);
    void deleteClicked(std::size_t line);
    void pickClicked(std::size_t line, vd::GoodsField field);
    void addClicked(std::size_t line, vd::GoodsField field);
    void copyToAllClicked(std::size_t line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The place of the packaging marker left of dbe6p, and the strip a click must hit.
    QPoint MarkerPosition() const;
    bool HitsMarker(const QPoint& point) const;

    std::size_t line_;
    bool hasLine_;
    bool current_ = false;
    std::array<MemoField*, 6> fields_{};
    DictionaryButton* pick5_;
    DictionaryButton* pick6_;
    QToolButton* delete_;
};

}  // namespace vd::gui

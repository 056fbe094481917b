#pragma once

#include <Qt>

#include "core/FormSettings.h"

class QWidget;

namespace vd {
class Journal;
struct Paths;
}  // namespace vd

namespace vd::gui {

// What a grid's model answers in headerData for every column: the field the column shows. The
// layout store finds such columns again by field; other grids are stored by position.
inline constexpr int kFieldNameRole = Qt::UserRole + 100;

// Window layouts between runs. A window that keeps its size, position and grid columns calls
// Restore at the end of its constructor and Save in its destructor; it is stored under its
// objectName, so two windows must not share one:
//
//     TfPhrase::TfPhrase(..., const FormLayout& layout) : layout_(layout) { ...; layout_.Restore(*this); }
//     TfPhrase::~TfPhrase() { layout_.Save(*this); }
//
// Below the window its named widgets are stored (a widget with a layout of its own, like a
// working window of the main window, is left out; tool bars and tool buttons too). A top-level
// window gets its position and size back, a splitter's panel its height or width, a table view
// the order and widths of its columns. Failures are journalled; the window keeps its design.
class FormLayout {
public:
    FormLayout(const Paths& paths, const Journal& journal);
    FormLayout(FormSettings settings, const Journal& journal);

    void Restore(QWidget& window) const noexcept;
    void Save(QWidget& window) const noexcept;
    const FormSettings& Settings() const { return settings_; }

private:
    FormSettings settings_;
    const Journal& journal_;
};

}  // namespace vd::gui

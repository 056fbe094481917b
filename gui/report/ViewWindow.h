#pragma once

#include <QWidget>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "register/FontSizes.h"
#include "report/ConclusionReport.h"
#include "report/ReportWindowTexts.h"

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;

namespace vd {
struct Workstation;
}

namespace vd::gui {

class ReportPreview;
class TfMainForm;

// The view: the register's current document laid out on the blank form as it will print, with
// the zoom, the font sizes of its fields (chosen by hand or fitted) and "Сохранить" of them.
// Every rule is the conclusion report's; the window shows its result and the menu marks.
class TfView : public QWidget {
    Q_OBJECT

public:
    explicit TfView(TfMainForm& mainForm);

    QAction* Action(ViewCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    // The font menu's sub-entry of a field (1 … 10), or null when the field has no such entry.
    QAction* SizeEntry(int field, const SizeChoice& choice) const;
    QAction* ZoomEntry(std::string_view entry) const;
    QMenu* FontMenu() const { return fontMenu_; }
    ReportPreview* Preview() const { return preview_; }
    const report::ConclusionReport& Conclusion() const { return conclusion_; }

    // "Показать форму": the register's current document afresh.
    void ShowForm();
    // The offsets changed: the template is prepared again and shown.
    void RefreshOffsets();

    // The commands.
    void ChooseSize(int field, const SizeChoice& choice);
    void aAutoFitExecute(bool on);
    void aSaveFontExecute();
    void ChooseZoom(std::string_view entry);
    void aZoomInExecute();
    void aZoomOutExecute();
    void aCloseExecute();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    QToolBar* CreateToolBar();
    QMenu* CreateZoomMenu();
    QMenu* CreateFontMenu();
    // Prepares the report into the preview and restores the saved zoom.
    void PrepareAndShow();
    void ShowMarks();
    void SetZoom(double zoom);
    void MarkZoom();

    TfMainForm& main_;
    Workstation& workstation_;
    report::ConclusionReport conclusion_;
    std::array<QAction*, kViewActions.size()> actions_{};
    QMenu* zoomMenu_ = nullptr;
    QMenu* fontMenu_ = nullptr;
    std::vector<std::pair<std::string_view, QAction*>> zoomEntries_;
    std::array<QActionGroup*, 10> sizeGroups_{};
    std::array<std::vector<std::pair<SizeChoice, QAction*>>, 10> sizeEntries_;
    ReportPreview* preview_;
};

}  // namespace vd::gui

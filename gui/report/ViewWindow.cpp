#include "report/ViewWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <string>

#include "core/Workstation.h"
#include "main/MainForm.h"
#include "register/ReportMessages.h"
#include "register/ViewZoom.h"
#include "register/RegisterWindow.h"
#include "report/ReportPreview.h"
#include "support/Guarded.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

constexpr std::size_t Index(ViewCommand command) { return static_cast<std::size_t>(command); }

constexpr std::array<int, 5> kMenuSizes = {6, 7, 8, 9, 10};

bool SameZoom(double a, double b) { return std::abs(a - b) < 1e-9; }

}  // namespace

TfView::TfView(TfMainForm& mainForm)
    : main_(mainForm),
      workstation_(mainForm.GetWorkstation()),
      conclusion_(workstation_.tdm),
      preview_(new ReportPreview(this)) {
    setObjectName(QStringLiteral("fView"));
    Guarded(workstation_.journal, "FormView.TfView.TntFormCreate", [&] {
        CreateActions();
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(CreateToolBar());
        layout->addWidget(preview_, 1);
    });
}

void TfView::CreateActions() {
    for (std::size_t i = 0; i < kViewActions.size(); ++i) actions_[i] = MakeAction(kViewActions[i], *this);
    connect(Action(ViewCommand::ZoomOut), &QAction::triggered, this, &TfView::aZoomOutExecute);
    connect(Action(ViewCommand::ZoomIn), &QAction::triggered, this, &TfView::aZoomInExecute);
    connect(Action(ViewCommand::SaveFont), &QAction::triggered, this, &TfView::aSaveFontExecute);
    connect(Action(ViewCommand::Close), &QAction::triggered, this, &TfView::aCloseExecute);
    QAction* autoFit = Action(ViewCommand::AutoFit);
    autoFit->setCheckable(true);
    autoFit->setChecked(workstation_.tdm.Options().AutoFontSize(workstation_.session.currentUserName));
    // Only the user's click stores the option; setting the mark from it must not.
    connect(autoFit, &QAction::triggered, this, &TfView::aAutoFitExecute);
    Action(ViewCommand::SaveFont)->setEnabled(false);
    Action(ViewCommand::Zoom)->setMenu(CreateZoomMenu());
    Action(ViewCommand::Font)->setMenu(CreateFontMenu());
}

QMenu* TfView::CreateZoomMenu() {
    zoomMenu_ = new QMenu(this);
    zoomMenu_->setObjectName(QStringLiteral("pmZoom"));
    auto* group = new QActionGroup(zoomMenu_);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const std::string_view entry : kZoomEntries) {
        QAction* action = zoomMenu_->addAction(ToQString(entry));
        action->setCheckable(true);
        group->addAction(action);
        zoomEntries_.emplace_back(entry, action);
        connect(action, &QAction::triggered, this, [this, entry] { ChooseZoom(entry); });
    }
    MarkZoom();
    return zoomMenu_;
}

QMenu* TfView::CreateFontMenu() {
    fontMenu_ = new QMenu(this);
    fontMenu_->setObjectName(QStringLiteral("pmFont"));
    for (const FontField& field : FontFields()) {
        QMenu* entry = fontMenu_->addMenu(ToQString(field.menuEntry));
        entry->setObjectName(QStringLiteral("pmField%1").arg(field.number));
        entry->menuAction()->setEnabled(field.enabled);
        const auto index = static_cast<std::size_t>(field.number - 1);
        // A stored size without an entry of its own (1 … 5 in the goods columns) marks none.
        auto* group = new QActionGroup(entry);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        sizeGroups_[index] = group;
        std::vector<SizeChoice> choices;
        for (const int size : kMenuSizes) choices.push_back(SizeChoice::Fixed(size));
        if (field.automatic) choices.push_back(SizeChoice::Automatic());
        for (const SizeChoice& choice : choices) {
            QAction* action = entry->addAction(ToQString(ChoiceCaption(choice)));
            action->setCheckable(true);
            group->addAction(action);
            sizeEntries_[index].emplace_back(choice, action);
            const int number = field.number;
            connect(action, &QAction::triggered, this, [this, number, choice] { ChooseSize(number, choice); });
        }
    }
    fontMenu_->addSeparator();
    fontMenu_->addAction(Action(ViewCommand::AutoFit));
    return fontMenu_;
}

QToolBar* TfView::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbView"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(main_.Action(MainCommand::Print));
    bar->addSeparator();
    bar->addAction(Action(ViewCommand::ZoomOut));
    bar->addAction(Action(ViewCommand::ZoomIn));
    for (const ViewCommand dropDown : {ViewCommand::Zoom, ViewCommand::Font}) {
        bar->addAction(Action(dropDown));
        // A drop-down opens its menu wherever it is clicked.
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(Action(dropDown)))) {
            button->setPopupMode(QToolButton::InstantPopup);
        }
    }
    bar->addSeparator();
    bar->addAction(Action(ViewCommand::SaveFont));
    bar->addSeparator();
    bar->addAction(Action(ViewCommand::Close));
    return bar;
}

QAction* TfView::SizeEntry(int field, const SizeChoice& choice) const {
    if (field < 1 || field > 10) return nullptr;
    for (const auto& [entryChoice, action] : sizeEntries_[static_cast<std::size_t>(field - 1)]) {
        if (entryChoice == choice) return action;
    }
    return nullptr;
}

QAction* TfView::ZoomEntry(std::string_view entry) const {
    for (const auto& [caption, action] : zoomEntries_) {
        if (caption == entry) return action;
    }
    return nullptr;
}

void TfView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Showing the window again re-loads everything; a window system's re-show does not.
    if (!event->spontaneous()) ShowForm();
}

void TfView::ShowForm() {
    Guarded(workstation_.journal, location::kViewSetData, [&] {
        preview_->setEnabled(false);
        conclusion_.ShowCurrent();
        PrepareAndShow();
        ShowMarks();
    });
    preview_->setEnabled(true);
    Action(ViewCommand::SaveFont)->setEnabled(conclusion_.HasDocument() && conclusion_.CanSave());
    main_.SetEnableActions();
}

void TfView::RefreshOffsets() {
    Guarded(workstation_.journal, location::kViewPrepare, [&] {
        conclusion_.PrepareTemplate();
        PrepareAndShow();
    });
}

void TfView::PrepareAndShow() {
    Guarded(workstation_.journal, location::kViewPrepare, [&] { preview_->SetReport(conclusion_.Prepare()); });
    SetZoom(workstation_.session.savedZoom);
}

void TfView::ShowMarks() {
    for (std::size_t i = 0; i < sizeEntries_.size(); ++i) {
        const std::optional<SizeChoice> mark = conclusion_.Mark(static_cast<int>(i) + 1);
        for (const auto& [choice, action] : sizeEntries_[i]) action->setChecked(mark && *mark == choice);
    }
}

void TfView::ChooseSize(int field, const SizeChoice& choice) {
    preview_->setEnabled(false);
    Guarded(workstation_.journal, location::kViewUpdateFont, [&] {
        conclusion_.ChooseSize(field, choice);
        PrepareAndShow();
    });
    ShowMarks();
    preview_->setEnabled(true);
}

void TfView::aAutoFitExecute(bool on) {
    Guarded(workstation_.journal, "FormView.TfView.aAutoFontSizeExecute", [&] {
        workstation_.tdm.Options().SetAutoFontSize(workstation_.session.currentUserName, on);
        if (!on) return;
        conclusion_.FitAutomatically();
        PrepareAndShow();
    });
    ShowMarks();
}

void TfView::aSaveFontExecute() {
    Guarded(workstation_.journal, location::kViewSaveFont, [&] { conclusion_.SaveSizes(); });
    // The core reopened the register on the document.
    if (TFormList* list = main_.Register()) list->Reload();
    main_.SetEnableActions();
}

void TfView::ChooseZoom(std::string_view entry) {
    Guarded(workstation_.journal, "FormView.TfView.SetZoomClick", [&] {
        if (const std::optional<double> zoom = ZoomOfEntry(entry)) SetZoom(*zoom);
    });
}

void TfView::aZoomInExecute() { SetZoom(ZoomIn(preview_->Factor())); }

void TfView::aZoomOutExecute() { SetZoom(ZoomOut(preview_->Factor())); }

void TfView::aCloseExecute() { main_.ReturnToPreviousWindow(); }

void TfView::SetZoom(double zoom) {
    workstation_.session.savedZoom = zoom;
    preview_->SetZoom(zoom);
    MarkZoom();
}

void TfView::MarkZoom() {
    for (const auto& [entry, action] : zoomEntries_) {
        const std::optional<double> zoom = ZoomOfEntry(entry);
        action->setChecked(zoom && SameZoom(*zoom, workstation_.session.savedZoom));
    }
}

}  // namespace vd::gui

#include "register/RegisterWindow.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QShowEvent>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cstdlib>
#include <string>

#include "core/Workstation.h"
#include "main/MainForm.h"
#include "register/Enabling.h"
#include "register/Messages.h"
#include "register/RegisterCells.h"
#include "register/RegisterCommands.h"
#include "register/RegisterModels.h"
#include "register/RegisterQuery.h"
#include "register/StatusRowDelegate.h"
#include "register/Transitions.h"
#include "support/Guarded.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

// One notch of an ordinary mouse wheel.
constexpr int kWheelNotch = 120;

// Design widths of the master grid's columns, in kRegisterColumns order.
constexpr std::array<int, 17> kMasterWidths = {100, 70, 90, 140, 220, 200, 160, 80, 160,
                                               140, 80, 90, 120, 160, 50, 70, 80};
constexpr std::array<int, 6> kGoodsWidths = {40, 360, 60, 120, 120, 220};

// The commands a document decides on; they stay off until the first refresh.
constexpr std::array<RegisterCommand, 13> kGovernedCommands = {
    RegisterCommand::New,         RegisterCommand::Templ,     RegisterCommand::Complete,
    RegisterCommand::Cancel,      RegisterCommand::Duplicate, RegisterCommand::BadPaper,
    RegisterCommand::Instead,     RegisterCommand::Delete,    RegisterCommand::GoDuplicate,
    RegisterCommand::GoInstead,   RegisterCommand::GoCancel,  RegisterCommand::GoTrue,
    RegisterCommand::WinWordCerts};

constexpr std::size_t Index(RegisterCommand command) { return static_cast<std::size_t>(command); }

}  // namespace

TFormList::TFormList(TfMainForm& mainForm)
    : main_(mainForm),
      workstation_(mainForm.GetWorkstation()),
      layout_(mainForm.Layout()),
      master_(new QTableView),
      goods_(new QTableView),
      masterModel_(new RegisterModel(workstation_.tdm, workstation_.journal, this)),
      goodsModel_(new GoodsModel(this)) {
    setObjectName(QStringLiteral("FormList"));
    CreateActions();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateToolBars());
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("spList"));
    master_->setObjectName(QStringLiteral("dbgM"));
    goods_->setObjectName(QStringLiteral("dbgD"));
    splitter->addWidget(master_);
    splitter->addWidget(goods_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    master_->setModel(masterModel_);
    goods_->setModel(goodsModel_);
    SetUpGrid(*master_);
    SetUpGrid(*goods_);
    master_->setItemDelegate(new StatusRowDelegate(master_));
    for (std::size_t i = 0; i < kMasterWidths.size(); ++i) {
        master_->horizontalHeader()->resizeSection(static_cast<int>(i), kMasterWidths[i]);
    }
    for (std::size_t i = 0; i < kGoodsWidths.size(); ++i) {
        goods_->horizontalHeader()->resizeSection(static_cast<int>(i), kGoodsWidths[i]);
    }
    // The titles sort when clicked, and the cursor says so.
    QHeaderView* titles = master_->horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setCursor(Qt::PointingHandCursor);
    connect(titles, &QHeaderView::sectionClicked, this, &TFormList::TitleClick);
    // The row indicator in place of row numbers.
    master_->verticalHeader()->setFixedWidth(18);
    master_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    goods_->verticalHeader()->hide();

    connect(master_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { CurrentRowChanged(current.row()); });
    connect(master_, &QTableView::doubleClicked, this, &TFormList::DoubleClick);
    CreatePopupMenu();

    layout_.Restore(*this);
    Reload();
}

TFormList::~TFormList() { layout_.Save(*this); }

void TFormList::CreateActions() {
    for (std::size_t i = 0; i < kRegisterActions.size(); ++i) actions_[i] = MakeAction(kRegisterActions[i], *this);
    for (const RegisterCommand c : kGovernedCommands) Action(c)->setEnabled(false);

    const std::array<std::pair<RegisterCommand, void (TFormList::*)()>, 12> commands = {{
        {RegisterCommand::New, &TFormList::aNewExecute},
        {RegisterCommand::Templ, &TFormList::aTemplExecute},
        {RegisterCommand::Complete, &TFormList::aCompleteExecute},
        {RegisterCommand::Cancel, &TFormList::aCancelExecute},
        {RegisterCommand::Duplicate, &TFormList::aDuplicateExecute},
        {RegisterCommand::BadPaper, &TFormList::aBadPaperExecute},
        {RegisterCommand::Instead, &TFormList::aInsteadExecute},
        {RegisterCommand::Delete, &TFormList::aDeleteExecute},
        {RegisterCommand::GoDuplicate, &TFormList::aGoDuplicateExecute},
        {RegisterCommand::GoInstead, &TFormList::aGoInsteadExecute},
        {RegisterCommand::GoCancel, &TFormList::aGoCancelExecute},
        {RegisterCommand::GoTrue, &TFormList::aGoTrueExecute},
    }};
    for (const auto& [command, handler] : commands) connect(Action(command), &QAction::triggered, this, handler);

    QAction* myOnly = Action(RegisterCommand::MyOnly);
    myOnly->setCheckable(true);
    // Only the user's click applies the filter; the rule that forces it on for other users
    // only shows the state the start-up filter already has.
    connect(myOnly, &QAction::triggered, this, &TFormList::aMyOnlyExecute);

    for (const RegisterCommand c : {RegisterCommand::ReportListSearch, RegisterCommand::ReportCerts,
                                    RegisterCommand::PasteList, RegisterCommand::WinWordCerts,
                                    RegisterCommand::ExportToWord}) {
        connect(Action(c), &QAction::triggered, this, [this, c] {
            const std::function<void()>& handler = reportHandlers_[Index(c)];
            if (!handler) {
                main_.ShowNotAvailable();
                return;
            }
            const std::string location = std::string("uFormList.TFormList.") + kRegisterActions[Index(c)].name +
                                         "Execute";
            Guarded(workstation_.journal, location, handler);
        });
    }
}

QWidget* TFormList::CreateToolBars() {
    auto* bars = new QWidget(this);
    auto* layout = new QVBoxLayout(bars);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* top = new QToolBar(bars);
    top->setObjectName(QStringLiteral("tbTop"));
    top->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const CommandItem& item : kToolBarTop) {
        if (item.separator) {
            top->addSeparator();
        } else {
            top->addAction(Action(item.command));
        }
    }
    layout->addWidget(top);

    auto* bottom = new QToolBar(bars);
    bottom->setObjectName(QStringLiteral("tbBottom"));
    bottom->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bottom->addAction(Action(RegisterCommand::Delete));
    bottom->addSeparator();
    reportButton_ = new QToolButton(bottom);
    reportButton_->setObjectName(QStringLiteral("tbReport"));
    reportButton_->setText(ToQString(kReportButton));
    reportButton_->setToolTip(ToQString(kReportButtonHint));
    reportButton_->setStatusTip(ToQString(kReportButtonHint));
    reportButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    reportButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    reportButton_->setPopupMode(QToolButton::InstantPopup);
    auto* reports = new QMenu(reportButton_);
    reports->setObjectName(QStringLiteral("pmReport"));
    for (const RegisterCommand c : kReportMenu) reports->addAction(Action(c));
    reportButton_->setMenu(reports);
    reportItem_ = bottom->addWidget(reportButton_);
    reportItem_->setVisible(false);
    bottom->addAction(Action(RegisterCommand::MyOnly));
    bottom->addAction(Action(RegisterCommand::ExportToWord));
    layout->addWidget(bottom);
    return bars;
}

void TFormList::CreatePopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("pmGrid"));
    popup_->addAction(Action(RegisterCommand::New));
    popup_->addAction(Action(RegisterCommand::Templ));
    popup_->addAction(main_.Action(MainCommand::Edit));
    for (const RegisterCommand c : {RegisterCommand::Delete, RegisterCommand::Complete, RegisterCommand::BadPaper,
                                    RegisterCommand::Cancel, RegisterCommand::Duplicate, RegisterCommand::Instead}) {
        popup_->addAction(Action(c));
    }
    // The go-to commands form a group of their own.
    popup_->addSeparator();
    for (const RegisterCommand c : {RegisterCommand::GoCancel, RegisterCommand::GoDuplicate,
                                    RegisterCommand::GoInstead, RegisterCommand::GoTrue}) {
        popup_->addAction(Action(c));
    }
    master_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(master_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(master_->viewport()->mapToGlobal(at)); });
}

void TFormList::SetUpGrid(QTableView& grid) {
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setWordWrap(false);
    grid.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid.horizontalHeader()->setSectionsMovable(true);
    grid.horizontalHeader()->setHighlightSections(false);
    grid.horizontalHeader()->setStretchLastSection(false);
    // Equal row heights: the grid never measures rows it does not show.
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    grid.viewport()->installEventFilter(this);
}

void TFormList::SetReportHandler(RegisterCommand command, std::function<void()> handler) {
    reportHandlers_[Index(command)] = std::move(handler);
}

// ---- following the query ----

void TFormList::Reload() {
    masterModel_->Reload();
    AfterScroll();
}

void TFormList::AfterScroll() {
    Guarded(workstation_.journal, "uFormList.TFormList.ASQMAfterScroll", [&] {
        TDM& tdm = workstation_.tdm;
        const bool open = tdm.RegisterOpen() && tdm.ASQM().IsOpen();
        const int row = open ? tdm.ASQM().CurrentIndex() : -1;
        following_ = true;
        if (row >= 0 && row < masterModel_->rowCount()) {
            const int column = std::max(master_->currentIndex().column(), 0);
            const QModelIndex current = masterModel_->index(row, column);
            master_->selectionModel()->setCurrentIndex(
                current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            master_->scrollTo(current);
        } else {
            master_->selectionModel()->clearSelection();
        }
        following_ = false;
        masterModel_->CurrentRowChanged(row);
        goodsModel_->SetLines(open ? tdm.ASQM().CurrentGoods() : std::vector<GoodsLine>{});
        // Like the master grid, the goods lines always have a current one while there are any.
        if (goodsModel_->rowCount() > 0) {
            goods_->selectionModel()->setCurrentIndex(goodsModel_->index(0, 0), QItemSelectionModel::ClearAndSelect |
                                                                                  QItemSelectionModel::Rows);
        }
    });
    following_ = false;
}

void TFormList::CurrentRowChanged(int row) {
    if (following_ || row < 0) return;
    Guarded(workstation_.journal, "uFormList.TFormList.dbgMCellClick", [&] {
        TDM& tdm = workstation_.tdm;
        if (tdm.RegisterOpen() && tdm.ASQM().IsOpen() && row != tdm.ASQM().CurrentIndex()) tdm.ASQM().MoveTo(row);
    });
}

void TFormList::SetEnableActions(const EnablingInput& in) {
    Guarded(workstation_.journal, "uFormList.TFormList.SetEnableActions", [&] {
        const RegisterActions a = ComputeRegisterActions(in);
        Action(RegisterCommand::Complete)->setEnabled(a.complete);
        if (isVisible()) {
            const std::array<std::pair<RegisterCommand, bool>, 12> states = {{
                {RegisterCommand::New, a.newDocument},
                {RegisterCommand::Templ, a.templ},
                {RegisterCommand::Cancel, a.cancel},
                {RegisterCommand::Duplicate, a.duplicate},
                {RegisterCommand::BadPaper, a.badPaper},
                {RegisterCommand::Instead, a.instead},
                {RegisterCommand::Delete, a.deleteDocument},
                {RegisterCommand::GoDuplicate, a.goDuplicate},
                {RegisterCommand::GoInstead, a.goInstead},
                {RegisterCommand::GoCancel, a.goCancel},
                {RegisterCommand::GoTrue, a.goTrue},
                {RegisterCommand::WinWordCerts, a.wordCerts},
            }};
            for (const auto& [command, enabled] : states) Action(command)->setEnabled(enabled);
        }
        ApplyRegisterSideEffects(in, workstation_.session);
        QAction* myOnly = Action(RegisterCommand::MyOnly);
        myOnly->setEnabled(a.myOnlyEnabled);
        if (a.myOnlyForcedOn) myOnly->setChecked(true);
    });
}

void TFormList::SetReportVisible(bool visible) { reportItem_->setVisible(visible); }

bool TFormList::ReportVisible() const { return reportItem_->isVisible(); }

void TFormList::FocusGrid() { master_->setFocus(); }

void TFormList::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    main_.SetHelpLine(ToQString(text::kRegisterHelpLine));
    main_.SetEnableActions();
}

// ---- commands ----

void TFormList::RunTransition(std::string_view location, const std::function<void()>& transition) {
    Guarded(workstation_.journal, location, transition);
    // The transition may have reopened the query or changed the row's status.
    Reload();
    main_.SetEnableActions();
}

void TFormList::FollowUp(bool openEditor, bool print) {
    using Window = TfMainForm::WorkingWindow;
    if ((openEditor && !main_.HasWindow(Window::Editor)) || (print && !main_.HasWindow(Window::Print))) {
        main_.ShowNotAvailable();
    }
    if (print && main_.HasWindow(Window::Print)) main_.OpenPrintOnBlank();
    if (openEditor && main_.HasWindow(Window::Editor)) main_.OpenEditor();
}

void TFormList::aNewExecute() {
    RunTransition("uFormList.TFormList.aNewExecute", [&] { FollowUp(NewProject(workstation_.tdm), false); });
}

void TFormList::aTemplExecute() {
    RunTransition("uFormList.TFormList.aTemplExecute", [&] { FollowUp(TemplateProject(workstation_.tdm), false); });
}

void TFormList::aCompleteExecute() {
    RunTransition("uFormList.TFormList.aCompleteExecute", [&] { FollowUp(false, IssueDocument(workstation_.tdm)); });
}

void TFormList::aCancelExecute() {
    RunTransition("uFormList.TFormList.aCancelExecute", [&] { CancelDocument(workstation_.tdm); });
}

void TFormList::aBadPaperExecute() {
    RunTransition("uFormList.TFormList.aBadPaperExecute", [&] { SpoilDocument(workstation_.tdm); });
}

void TFormList::aDuplicateExecute() {
    RunTransition("uFormList.TFormList.aDuplicateExecute", [&] {
        const TransitionOutcome outcome = DuplicateDocument(workstation_.tdm);
        FollowUp(outcome.openEditor, outcome.print);
    });
}

void TFormList::aInsteadExecute() {
    RunTransition("uFormList.TFormList.aInsteadExecute", [&] {
        const TransitionOutcome outcome = IssueInstead(workstation_.tdm);
        FollowUp(outcome.openEditor, outcome.print);
    });
}

void TFormList::aDeleteExecute() {
    RunTransition("uFormList.TFormList.aDeleteExecute", [&] { DeleteDocument(workstation_.tdm); });
}

void TFormList::aMyOnlyExecute(bool down) {
    Guarded(workstation_.journal, "uFormList.TFormList.aMyOnlyExecute",
            [&] { ApplyMyOnly(workstation_.tdm, down); });
    Reload();
    main_.SetEnableActions();
}

void TFormList::GoTo(RegisterCommand command) {
    const std::string location = std::string("uFormList.TFormList.") + kRegisterActions[Index(command)].name +
                                 "Execute";
    Guarded(workstation_.journal, location, [&] {
        TDM& tdm = workstation_.tdm;
        if (!tdm.RegisterOpen()) return;
        const RegisterRow* row = tdm.ASQM().Current();
        if (!row) return;
        // A copy: finding the target may read the query afresh.
        std::string target;
        switch (command) {
            case RegisterCommand::GoDuplicate: target = row->record.goDuplicate; break;
            case RegisterCommand::GoInstead: target = row->record.goInstead; break;
            case RegisterCommand::GoCancel: target = row->record.goCancel; break;
            default: target = row->record.goTrue; break;
        }
        tdm.ASQM().LocateReference(target);
    });
}

void TFormList::aGoDuplicateExecute() { GoTo(RegisterCommand::GoDuplicate); }

void TFormList::aGoInsteadExecute() { GoTo(RegisterCommand::GoInstead); }

void TFormList::aGoCancelExecute() { GoTo(RegisterCommand::GoCancel); }

void TFormList::aGoTrueExecute() { GoTo(RegisterCommand::GoTrue); }

void TFormList::TitleClick(int section) {
    if (section < 0 || static_cast<std::size_t>(section) >= kRegisterColumns.size()) return;
    Guarded(workstation_.journal, "uFormList.TFormList.dbgMTitleClick", [&] {
        if (workstation_.tdm.RegisterOpen()) {
            workstation_.tdm.ASQM().SortByColumn(kRegisterColumns[static_cast<std::size_t>(section)].field);
        }
    });
    Reload();
    main_.SetEnableActions();
}

void TFormList::DoubleClick() {
    if (main_.Action(MainCommand::Edit)->isEnabled()) {
        // "Редактировать" sets the edit mode itself once its checks pass; setting it here first
        // would pass over a prepared duplicate still waiting in the editor.
        main_.aEditExecute();
    } else {
        main_.aViewExecute();
    }
}

// ---- the wheel ----

bool TFormList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == master_->viewport() || watched == goods_->viewport())) {
        // The grid does not scroll by itself: the current row moves, one row per notch.
        Wheel(watched, *static_cast<QWheelEvent*>(event));
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFormList::Wheel(QObject* watched, const QWheelEvent& event) {
    const int delta = event.angleDelta().y();
    if (delta == 0) return;
    const bool master = watched == master_->viewport();
    int& collected = master ? masterWheel_ : goodsWheel_;
    // A mouse reports a whole notch (or more, when turned fast) in each event: one row each.
    // Finer wheels are collected up to a notch.
    if (std::abs(delta) < kWheelNotch) {
        collected += delta;
        if (std::abs(collected) < kWheelNotch) return;
    }
    collected = 0;
    const bool back = delta > 0;
    // Deferred like a posted message, so a burst of events is served in order after the paint.
    QMetaObject::invokeMethod(
        this, [this, master, back] { master ? MoveMaster(back) : MoveGoods(back); }, Qt::QueuedConnection);
}

void TFormList::MoveMaster(bool back) {
    Guarded(workstation_.journal, "uFormList.TFormList.GetMessageGoBaseM", [&] {
        TDM& tdm = workstation_.tdm;
        if (!tdm.RegisterOpen() || !tdm.ASQM().IsOpen()) return;
        if (back) {
            tdm.ASQM().Prior();
        } else {
            tdm.ASQM().Next();
        }
    });
}

void TFormList::MoveGoods(bool back) {
    const int rows = goodsModel_->rowCount();
    if (rows == 0) return;
    const int current = goods_->currentIndex().row();
    const int next = std::clamp(current < 0 ? 0 : current + (back ? -1 : 1), 0, rows - 1);
    const QModelIndex index = goodsModel_->index(next, std::max(goods_->currentIndex().column(), 0));
    goods_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    goods_->scrollTo(index);
}

}  // namespace vd::gui

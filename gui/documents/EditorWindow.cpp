#include "documents/EditorWindow.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "documents/ContragentDictionary.h"
#include "documents/ContragentWindow.h"
#include "documents/DayDate.h"
#include "documents/DictionaryButton.h"
#include "documents/EditorRules.h"
#include "documents/EditorTexts.h"
#include "documents/ExpertiseDateDelegate.h"
#include "documents/ExpertiseGrid.h"
#include "documents/ExpertiseModel.h"
#include "documents/GoodsLinePanel.h"
#include "documents/GoodsLinesGrid.h"
#include "documents/InfoPanel.h"
#include "documents/LineField.h"
#include "documents/MemoField.h"
#include "documents/Messages.h"
#include "documents/PhraseDictionary.h"
#include "documents/PhraseWindow.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

constexpr int kFormWidth = 844;

QLabel* Caption(std::string_view text, QWidget* parent) { return new QLabel(ToQString(text), parent); }

void SetHint(QWidget& widget, std::string_view hint) {
    widget.setToolTip(ToQString(hint));
    widget.setStatusTip(ToQString(hint));
}

int Lines(const QWidget& widget, int lines) { return lines * widget.fontMetrics().lineSpacing() + 10; }

QDateEdit* DatePicker(const char* name, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}

// Clears the flag however the scope is left.
class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;
    ~Flag() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

TFormEdit::TFormEdit(TDM& tdm, QWidget* parent) : QWidget(parent), tdm_(tdm) {
    setObjectName(QStringLiteral("FormEdit"));
    setWindowTitle(ToQString(text::kEditorCaption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();

    sbEdit_ = new QScrollArea(this);
    sbEdit_->setObjectName(QStringLiteral("sbEdit"));
    sbEdit_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sbEdit_->setWidget(BuildForm());
    sbEdit_->setBackgroundRole(QPalette::Dark);
    layout->addWidget(sbEdit_, 1);

    info_ = new InfoPanel(this);
    layout->addWidget(info_);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
    // The wheel rule covers every part of the form, also the goods panels made later.
    qApp->installEventFilter(this);
}

TFormEdit::~TFormEdit() { qApp->removeEventFilter(this); }

void TFormEdit::BuildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto action = [&](const char* name, std::string_view caption, std::string_view hint, QStyle::StandardPixmap icon) {
        QAction* a = bar->addAction(style()->standardIcon(icon), ToQString(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(ToQString(hint));
        a->setStatusTip(ToQString(hint));
        return a;
    };
    aOK_ = action("aOK", text::kEditorSave, text::kEditorSaveHint, QStyle::SP_DialogSaveButton);
    aCancel_ = action("aCancel", text::kEditorCancel, text::kEditorCancelHint, QStyle::SP_DialogCancelButton);
    bar->addSeparator();
    QAction* zez = action("aZEZ", text::kEditorZez, text::kEditorZezHint, QStyle::SP_ArrowDown);
    QAction* word = action("aWord", text::kEditorWord, text::kEditorWordHint, QStyle::SP_FileIcon);
    connect(aOK_, &QAction::triggered, this, &TFormEdit::aOKExecute);
    connect(aCancel_, &QAction::triggered, this, &TFormEdit::aCancelExecute);
    for (QAction* notYet : {zez, word}) {
        connect(notYet, &QAction::triggered, this, [this] { tdm_.Ui().Inform(text::kAppTitle, text::kNotAvailableYet); });
    }
    layout()->addWidget(bar);
}

QWidget* TFormEdit::BuildForm() {
    form_ = new QWidget;
    form_->setObjectName(QStringLiteral("form"));
    form_->setFixedWidth(kFormWidth);
    form_->setAutoFillBackground(true);
    form_->setBackgroundRole(QPalette::Base);

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(6);
    top->addWidget(BuildGroup1(), 0, 0, 2, 1);
    top->addWidget(BuildGroup2(), 0, 1);
    top->addWidget(BuildGroup3(), 1, 1);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(BuildGroup9(), 1, Qt::AlignTop);
    bottom->addWidget(BuildGroup10(), 1);

    auto* layout = new QVBoxLayout(form_);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(BuildGoods());
    layout->addLayout(bottom);
    form_->adjustSize();
    return form_;
}

QGroupBox* TFormEdit::BuildGroup1() {
    group1_ = new QGroupBox(ToQString(text::kGroup1Title), form_);
    group1_->setObjectName(QStringLiteral("gb1"));
    dbeName1_ = new MemoField(group1_);
    dbeName1_->setObjectName(QStringLiteral("dbeName1"));
    SetHint(*dbeName1_, text::kName1Hint);
    dbeName1_->setFixedHeight(Lines(*dbeName1_, 4));
    dbeAddress1_ = new MemoField(group1_);
    dbeAddress1_->setObjectName(QStringLiteral("dbeAddress1"));
    SetHint(*dbeAddress1_, text::kAddress1Hint);
    dbeAddress1_->setFixedHeight(Lines(*dbeAddress1_, 4));
    p1sel_ = new DictionaryButton(DictionaryButton::Kind::Pick, text::kPickContragentHint, group1_);
    p1sel_->setObjectName(QStringLiteral("p1sel"));
    auto* p1add = new DictionaryButton(DictionaryButton::Kind::Add, text::kAddContragentHint, group1_);
    p1add->setObjectName(QStringLiteral("p1add"));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Caption(text::kName1Label, group1_), 1);
    nameRow->addWidget(p1sel_);
    nameRow->addWidget(p1add);
    auto* layout = new QVBoxLayout(group1_);
    layout->addLayout(nameRow);
    layout->addWidget(dbeName1_);
    layout->addWidget(Caption(text::kAddress1Label, group1_));
    layout->addWidget(dbeAddress1_);
    layout->addStretch(1);

    for (MemoField* field : {dbeName1_, dbeAddress1_}) connect(field, &MemoField::edited, this, &TFormEdit::aChangeExecute);
    connect(p1sel_, &QToolButton::clicked, this, &TFormEdit::PickContragent);
    connect(p1add, &QToolButton::clicked, this, [this] {
        Handle("p1addClick", [this] { AddContragentFromEditor(tdm_, dbeName1_->Value(), dbeAddress1_->Value()); });
    });
    return group1_;
}

QGroupBox* TFormEdit::BuildGroup2() {
    group2_ = new QGroupBox(ToQString(text::kGroup2Title), form_);
    group2_->setObjectName(QStringLiteral("gb2"));
    editG_ = new LineField(LineField::Kind::Text, group2_);
    editG_->setObjectName(QStringLiteral("EditG"));
    SetHint(*editG_, text::kYearDigitHint);
    editG_->setReadOnly(true);
    editG_->setMaxLength(1);
    editG_->setFixedWidth(24);
    editTpp_ = new LineField(LineField::Kind::Text, group2_);
    editTpp_->setObjectName(QStringLiteral("EditTpp"));
    SetHint(*editTpp_, text::kChamberNumberHint);
    editTpp_->setReadOnly(true);
    editTpp_->setMaxLength(3);
    editTpp_->setFixedWidth(40);
    dbeRefNumNum_ = new LineField(LineField::Kind::MaskedNumber, group2_, 6);
    dbeRefNumNum_->setObjectName(QStringLiteral("dbeRefNumNum"));
    SetHint(*dbeRefNumNum_, text::kRefNumNumHint);
    dbeRefNumNum_->setFixedWidth(70);
    editCertNo_ = new LineField(LineField::Kind::MaskedNumber, group2_, 7);
    editCertNo_->setObjectName(QStringLiteral("EditCertNo"));
    SetHint(*editCertNo_, text::kCertNoHint);
    QFont large = editCertNo_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    editCertNo_->setFont(large);
    editCertNo_->setAlignment(Qt::AlignCenter);
    editCertNo_->setFixedWidth(130);
    for (QWidget* field : {static_cast<QWidget*>(editG_), static_cast<QWidget*>(editTpp_)}) {
        field->setBackgroundRole(QPalette::Window);
    }

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Caption(text::kNumberSign, group2_));
    numbers->addWidget(editG_);
    numbers->addWidget(editTpp_);
    numbers->addWidget(dbeRefNumNum_);
    numbers->addStretch(1);
    numbers->addWidget(editCertNo_);

    auto* layout = new QVBoxLayout(group2_);
    layout->addLayout(numbers);
    layout->addSpacing(4);
    bool first = true;
    for (const std::string_view line : {text::kFormTitle1, text::kFormTitle2, text::kFormTitle3, text::kFormTitle4}) {
        QLabel* title = Caption(line, group2_);
        title->setAlignment(Qt::AlignHCenter);
        if (first) {
            QFont font = title->font();
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.4);
            title->setFont(font);
            first = false;
        }
        layout->addWidget(title);
    }
    for (LineField* field : {editG_, editTpp_, dbeRefNumNum_, editCertNo_}) {
        connect(field, &LineField::edited, this, &TFormEdit::aChangeExecute);
    }
    return group2_;
}

QGroupBox* TFormEdit::BuildGroup3() {
    group3_ = new QGroupBox(ToQString(text::kGroup3Title), form_);
    group3_->setObjectName(QStringLiteral("gb3"));
    SetHint(*group3_, text::kGroup3Hint);
    dbm3_ = new MemoField(group3_);
    dbm3_->setObjectName(QStringLiteral("dbm3"));
    dbm3_->setFixedHeight(Lines(*dbm3_, 4));
    p3sel_ = new DictionaryButton(DictionaryButton::Kind::Pick, text::kInsertServiceNoteHint, group3_);
    p3sel_->setObjectName(QStringLiteral("p3sel"));
    auto* p3add = new DictionaryButton(DictionaryButton::Kind::Add, text::kAddPhraseHint, group3_);
    p3add->setObjectName(QStringLiteral("p3add"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(p3sel_);
    buttons->addWidget(p3add);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(group3_);
    layout->addWidget(dbm3_, 1);
    layout->addLayout(buttons);

    connect(dbm3_, &MemoField::edited, this, &TFormEdit::aChangeExecute);
    connect(p3sel_, &QToolButton::clicked, this, &TFormEdit::PickServiceNote);
    connect(p3add, &QToolButton::clicked, this, [this] {
        Handle("p3addClick", [this] { AddPhraseFromEditor(tdm_, phrase::kServiceNotes, dbm3_->Value()); });
    });
    return group3_;
}

QWidget* TFormEdit::BuildGoods() {
    auto* block = new QWidget(form_);
    block->setObjectName(QStringLiteral("pGoods"));

    auto* titles = new QWidget(block);
    titles->setFixedSize(GoodsColumns::kPanelWidth, GoodsColumns::kTitle4.height());
    const std::pair<std::string_view, QRect> columns[] = {
        {text::kGoodsTitle4, GoodsColumns::kTitle4}, {text::kGoodsTitle5, GoodsColumns::kTitle5},
        {text::kGoodsTitle6, GoodsColumns::kTitle6}, {text::kGoodsTitle7, GoodsColumns::kTitle7},
        {text::kGoodsTitle8, GoodsColumns::kTitle8}};
    for (const auto& [caption, place] : columns) {
        // The titles' runs of blanks only pushed words onto the next line; here they wrap.
        auto* title = new QLabel(ToQString(caption).simplified().replace(QStringLiteral("- "), QStringLiteral("-")), titles);
        title->setWordWrap(true);
        title->setAlignment(Qt::AlignCenter);
        title->setFrameShape(QFrame::Box);
        title->setGeometry(place);
    }

    // An empty cell over the line buttons closes the row of titles like the table's frame.
    auto* corner = new QLabel(titles);
    corner->setFrameShape(QFrame::Box);
    corner->setGeometry(GoodsColumns::kTitleButtons);

    goods_ = new GoodsLinesGrid(block);
    buttonAdd_ = new QPushButton(ToQString(text::kAddGoodsLine), block);
    buttonAdd_->setObjectName(QStringLiteral("ButtonAdd"));

    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(titles);
    layout->addWidget(goods_);
    layout->addWidget(buttonAdd_, 0, Qt::AlignLeft);

    connect(buttonAdd_, &QPushButton::clicked, this, &TFormEdit::ButtonAddClick);
    connect(goods_, &GoodsLinesGrid::lineEdited, this, &TFormEdit::aChangeExecute);
    connect(goods_, &GoodsLinesGrid::insertClicked, this, &TFormEdit::pInsertClick);
    connect(goods_, &GoodsLinesGrid::deleteClicked, this, &TFormEdit::pDelClick);
    connect(goods_, &GoodsLinesGrid::copyToAllClicked, this, &TFormEdit::dbcgDataClick);
    connect(goods_, &GoodsLinesGrid::pickClicked, this, &TFormEdit::PickForLine);
    connect(goods_, &GoodsLinesGrid::addClicked, this, &TFormEdit::AddForLine);
    return block;
}

QGroupBox* TFormEdit::BuildGroup9() {
    group9_ = new QGroupBox(ToQString(text::kGroup9Title), form_);
    group9_->setObjectName(QStringLiteral("gb9"));
    editFio9_ = new LineField(LineField::Kind::Text, group9_);
    editFio9_->setObjectName(QStringLiteral("EditFIO9"));
    date9_ = DatePicker("dtpDate9", group9_);
    auto* p9add = new DictionaryButton(DictionaryButton::Kind::Add, text::kSetCertifyPlaceDefaultHint, group9_);
    p9add->setObjectName(QStringLiteral("p9add"));

    auto* name = new QHBoxLayout;
    name->addWidget(editFio9_, 1);
    name->addWidget(p9add);
    auto* date = new QHBoxLayout;
    date->addWidget(Caption(text::kDateLabel, group9_));
    date->addWidget(date9_);
    date->addStretch(1);
    auto* layout = new QVBoxLayout(group9_);
    layout->addWidget(Caption(text::kFioLabel, group9_));
    layout->addLayout(name);
    layout->addLayout(date);

    connect(editFio9_, &LineField::edited, this, &TFormEdit::aChangeExecute);
    connect(date9_, &QDateEdit::dateChanged, this, &TFormEdit::aChangeExecute);
    connect(p9add, &QToolButton::clicked, this, [this] {
        Handle("p9addClick", [this] { AddPhraseFromEditor(tdm_, phrase::kDeclarantName, editFio9_->Value()); });
    });
    return group9_;
}

QGroupBox* TFormEdit::BuildGroup10() {
    group10_ = new QGroupBox(ToQString(text::kGroup10Title), form_);
    group10_->setObjectName(QStringLiteral("gb10"));
    organization10_ = new QPlainTextEdit(group10_);
    organization10_->setObjectName(QStringLiteral("organization10"));
    organization10_->setReadOnly(true);
    organization10_->setBackgroundRole(QPalette::Window);
    organization10_->viewport()->setBackgroundRole(QPalette::Window);
    organization10_->setFixedHeight(Lines(*organization10_, 2));
    organization10_->setTabChangesFocus(true);

    expertiseModel_ = new ExpertiseModel(this);
    expertiseGrid_ = new ExpertiseGrid(*expertiseModel_, group10_);
    expertiseGrid_->setItemDelegate(new ExpertiseDateDelegate(tdm_.GetClock().Today(), expertiseGrid_));
    expertiseGrid_->setFixedHeight(5 * expertiseGrid_->verticalHeader()->defaultSectionSize());
    connect(expertiseModel_, &ExpertiseModel::edited, this, &TFormEdit::aChangeExecute);

    editFio10_ = new LineField(LineField::Kind::Text, group10_);
    editFio10_->setObjectName(QStringLiteral("EditFIO10"));
    date10_ = DatePicker("dtpDate10", group10_);
    auto* p10add = new DictionaryButton(DictionaryButton::Kind::Add, text::kAddPhraseHint, group10_);
    p10add->setObjectName(QStringLiteral("p10add"));

    auto* name = new QHBoxLayout;
    name->addWidget(editFio10_, 1);
    name->addWidget(p10add);
    auto* date = new QHBoxLayout;
    date->addWidget(Caption(text::kDateLabel, group10_));
    date->addWidget(date10_);
    date->addStretch(1);
    auto* layout = new QVBoxLayout(group10_);
    layout->addWidget(Caption(text::kAuthorityLabel, group10_));
    layout->addWidget(organization10_);
    layout->addWidget(expertiseGrid_);
    layout->addWidget(Caption(text::kFioLabel, group10_));
    layout->addLayout(name);
    layout->addLayout(date);

    connect(editFio10_, &LineField::edited, this, &TFormEdit::aChangeExecute);
    connect(date10_, &QDateEdit::dateChanged, this, &TFormEdit::aChangeExecute);
    connect(p10add, &QToolButton::clicked, this, [this] {
        Handle("p10addClick", [this] { AddPhraseFromEditor(tdm_, phrase::kCertifierName, editFio10_->Value()); });
    });
    return group10_;
}

void TFormEdit::Handle(std::string_view handler, const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("uFormEdit.TFormEdit." + std::string(handler), e.what());
    }
}

// ---- Showing and leaving ---------------------------------------------------------------------

void TFormEdit::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) ShowDocument();
}

void TFormEdit::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void TFormEdit::ShowDocument() {
    Handle("FormShow", [this] {
        const Flag loading(loading_);
        documentShown_ = true;
        ShowInfo({});
        const EditorFields f = FieldsFromMaster(tdm_);
        editCertNo_->SetValue(f.certNo);
        dbeRefNumNum_->SetValue(f.refNumNum);
        editG_->SetValue(f.g);
        editTpp_->SetValue(f.tpp);
        dbeName1_->SetValue(f.declarant);
        dbeAddress1_->SetValue(f.address);
        dbm3_->SetValue(f.supportInfo);
        editFio9_->SetValue(f.declaratorFio);
        date9_->setDate(ToQDate(f.declarationDate));
        tppName_ = f.tppName;
        organization10_->setPlainText(ToDisplayText(f.tppName));
        editFio10_->SetValue(f.fio10);
        date10_->setDate(ToQDate(f.date10));

        WorkingSet& working = tdm_.Working();
        ShowGoods(0);
        expertiseModel_->ShowRows(working.expertise);
        KeepShownState();
        SetEnableActions();

        const bool unsaved = NotStoredYet(tdm_.GetSession().editMode);
        working.modified = unsaved;
        emit viewAndPrintAllowed(!unsaved);
        tdm_.Ui().SetStatusText("");
        sbEdit_->verticalScrollBar()->setValue(0);
    });
}

void TFormEdit::FormHide() {
    if (!documentShown_) return;
    documentShown_ = false;
    Handle("FormHide", [this] {
        const bool modified = tdm_.Working().modified;
        if (modified) ShowInfo(text::kNegativeAnswerWarning);
        const SaveOutcome outcome = LeaveEditor(tdm_, Fields());
        if (outcome != SaveOutcome::NotSaved) {
            emit documentSaved();
            if (outcome == SaveOutcome::SavedAndLeave) CancelEditing(tdm_);
        } else if (modified && !tdm_.Working().modified) {
            RestoreShownState();  // "No": the lines go back to what was shown, as the fields do
        }
        ShowInfo({});
        emit viewAndPrintAllowed(true);
    });
}

void TFormEdit::KeepShownState() {
    shownGoods_ = tdm_.Working().goods;
    shownExpertise_ = tdm_.Working().expertise;
}

void TFormEdit::RestoreShownState() {
    tdm_.Working().goods = shownGoods_;
    tdm_.Working().expertise = shownExpertise_;
}

EditorFields TFormEdit::Fields() const {
    EditorFields f;
    f.certNo = editCertNo_->Value();
    f.g = editG_->Value();
    f.tpp = editTpp_->Value();
    f.refNumNum = dbeRefNumNum_->Value();
    f.declarant = dbeName1_->Value();
    f.address = dbeAddress1_->Value();
    f.supportInfo = dbm3_->Value();
    f.tppName = tppName_;
    f.declaratorFio = editFio9_->Value();
    f.fio10 = editFio10_->Value();
    f.declarationDate = ToDayNumber(date9_->date());
    f.date10 = ToDayNumber(date10_->date());
    return f;
}

void TFormEdit::SetEnableActions() {
    const EditorEnabling e = ComputeEditorEnabling(EditorEnablingInput::From(tdm_));
    contentEditable_ = e.content;
    p1sel_->setEnabled(e.content);
    p3sel_->setEnabled(e.content);
    for (MemoField* field : {dbeName1_, dbeAddress1_, dbm3_}) field->SetEditable(e.content);
    buttonAdd_->setEnabled(e.content);
    goods_->SetContentEditable(e.content);
}

bool TFormEdit::AllowsViewAndPrint() const { return !isVisible() || !tdm_.Working().modified; }

// ---- Tool bar --------------------------------------------------------------------------------

void TFormEdit::aOKExecute() {
    Handle("aOKExecute", [this] {
        const SaveOutcome outcome = SaveDocument(tdm_, Fields());
        if (outcome == SaveOutcome::NotSaved) return;
        emit documentSaved();
        if (outcome == SaveOutcome::SavedAndLeave) {
            Leave();
            return;
        }
        // The editor stays on the stored document, now edited in mode 2.
        KeepShownState();
        SetEnableActions();
        emit viewAndPrintAllowed(true);
    });
}

void TFormEdit::aCancelExecute() {
    Handle("aCancelExecute", [this] {
        RestoreShownState();
        Leave();
    });
}

void TFormEdit::Leave() {
    CancelEditing(tdm_);
    emit closeRequested();
}

// ---- Changes ---------------------------------------------------------------------------------

void TFormEdit::aChangeExecute() {
    if (loading_) return;
    try {
        tdm_.Working().modified = true;
        emit viewAndPrintAllowed(false);
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("uFormEdit.TFormEdit.aChangeExecute", e.what());
        tdm_.Ui().SetStatusText(text::kProgramFault);
    }
}

void TFormEdit::ShowGoods(std::optional<std::size_t> current) {
    goods_->ShowLines(tdm_.Working().goods, current);
    goods_->SetContentEditable(contentEditable_);
}

void TFormEdit::ButtonAddClick() {
    Handle("ButtonAddClick", [this] {
        const std::size_t line = AppendGoodsLine(tdm_.Working());
        ShowGoods(line);
        aChangeExecute();
        goods_->Panel(line)->Field(GoodsField::D4).setFocus();
    });
}

void TFormEdit::pInsertClick(std::size_t line) {
    Handle("pInsertClick", [this, line] {
        const std::size_t inserted = InsertGoodsLine(tdm_.Working(), line);
        ShowGoods(inserted);
        aChangeExecute();
        goods_->Panel(inserted)->Field(GoodsField::D4).setFocus();
    });
}

void TFormEdit::pDelClick(std::size_t line) {
    Handle("pDelClick", [this, line] {
        if (!DeleteGoodsLine(tdm_.Working(), line)) return;
        const std::size_t count = tdm_.Working().goods.size();
        ShowGoods(count == 0 ? std::nullopt : std::optional<std::size_t>(std::min(line, count - 1)));
        aChangeExecute();
    });
}

void TFormEdit::dbcgDataClick(std::size_t line) {
    Handle("dbcgDataClick", [this, line] {
        // The packaging belongs to what a duplicate repeats unchanged.
        if (!contentEditable_) return;
        if (CopyToAll(tdm_, line, GoodsField::D6p)) {
            ShowGoods(line);
            aChangeExecute();
        }
    });
}

// ---- Dictionaries ----------------------------------------------------------------------------

void TFormEdit::PickContragent() {
    Handle("p1selClick", [this] {
        TfContragent window(tdm_, this);
        if (window.exec() != QDialog::Accepted) return;
        dbeName1_->SetValue(window.SelectedName());
        dbeAddress1_->SetValue(window.SelectedAddress());
    });
}

void TFormEdit::PickServiceNote() {
    Handle("p3selClick", [this] {
        // The chosen note replaces the whole field.
        if (const auto chosen = PickPhrase(phrase::kServiceNotes)) dbm3_->SetValue(*chosen);
    });
}

std::optional<std::string> TFormEdit::PickPhrase(int phraseType) {
    TfPhrase window(tdm_, this);
    window.SetPhraseType(phraseType);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.SelectedName();
}

void TFormEdit::PickForLine(std::size_t line, GoodsField field) {
    Handle(field == GoodsField::D5 ? "p5selClick" : "p6selClick", [this, line, field] {
        goods_->SetCurrent(line);
        const auto chosen = PickPhrase(field == GoodsField::D5 ? phrase::kGoods : phrase::kPackaging);
        if (!chosen) return;
        if (GoodsLinePanel* panel = goods_->Panel(line)) panel->Field(field).SetValue(*chosen);
    });
}

void TFormEdit::AddForLine(std::size_t line, GoodsField field) {
    Handle(field == GoodsField::D5 ? "p5addClick" : "p6addClick", [this, line, field] {
        goods_->SetCurrent(line);
        const WorkingSet& working = tdm_.Working();
        if (line >= working.goods.size()) return;
        AddPhraseFromEditor(tdm_, field == GoodsField::D5 ? phrase::kGoods : phrase::kPackaging,
                            FieldOf(working.goods[line], field));
    });
}

// ---- Information panel and mouse wheel -------------------------------------------------------

void TFormEdit::ShowInfo(std::string_view info) { info_->ShowInfo(ToDisplayText(info)); }

void TFormEdit::FocusChanged(QWidget* now) {
    if (!now || !isAncestorOf(now)) return;
    if (date9_->isAncestorOf(now) || now == date9_ || date10_->isAncestorOf(now) || now == date10_) {
        wheelScrollsForm_ = true;
    }
    if (now == dbeName1_ || now == dbeAddress1_ || now == dbm3_) wheelScrollsForm_ = false;

    if (group1_->isAncestorOf(now)) {
        ShowInfo(text::kGroup1Hint);
    } else if (group3_->isAncestorOf(now)) {
        ShowInfo(text::kGroup3Hint);
    } else if (group2_->isAncestorOf(now) || group9_->isAncestorOf(now) || group10_->isAncestorOf(now)) {
        ShowInfo({});
    } else if (goods_->isAncestorOf(now) && qobject_cast<MemoField*>(now)) {
        ShowInfo(ToUtf8(now->toolTip()));
    }
}

bool TFormEdit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Wheel && type != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || !isVisible() || (target != this && !isAncestorOf(target))) return QWidget::eventFilter(watched, event);

    if (type == QEvent::MouseButtonPress) {
        // Clicks on the form's background, on groups 2, 9 and 10 and on the number and name
        // fields give the wheel back to the form.
        QWidget* owner = qobject_cast<QLabel*>(target) ? target->parentWidget() : target;
        const bool scrolls = owner == form_ || owner == sbEdit_->viewport() || owner == group2_ || owner == group9_ ||
                             owner == group10_ || target == editG_ || target == editTpp_ || target == dbeRefNumNum_ ||
                             target == editCertNo_ || target == editFio9_ || target == editFio10_;
        if (scrolls) wheelScrollsForm_ = true;
        return false;
    }

    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheelScrollsForm_) {
        // Half the wheel's delta: 60 pixels for a standard notch.
        QScrollBar* bar = sbEdit_->verticalScrollBar();
        bar->setValue(bar->value() - wheel->angleDelta().y() / 2);
        return true;
    }
    // Otherwise the wheel belongs to the field being edited, wherever the mouse is, and what
    // that field does not take goes nowhere else.
    if (wheelField_) return target != wheelField_ && !wheelField_->isAncestorOf(target);
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !isAncestorOf(focused) || focused == target || focused->isAncestorOf(target)) return false;
    auto* area = qobject_cast<QAbstractScrollArea*>(focused);
    QWidget* receiver = area ? area->viewport() : focused;
    QWheelEvent copy(receiver->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(), wheel->pixelDelta(),
                     wheel->angleDelta(), wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
    wheelField_ = focused;
    QApplication::sendEvent(receiver, &copy);
    wheelField_ = nullptr;
    return true;
}

}  // namespace vd::gui

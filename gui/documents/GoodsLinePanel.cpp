#include "documents/GoodsLinePanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

#include "documents/DictionaryButton.h"
#include "documents/EditorTexts.h"
#include "documents/MemoField.h"
#include "documents/Messages.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

struct FieldPlace {
    GoodsField field;
    const char* name;
    QRect rect;
    std::string_view hint;
};

constexpr std::array<FieldPlace, 6> kFields{{
    {GoodsField::D4, "dbe4", GoodsColumns::kNum, text::kGoods4Hint},
    {GoodsField::D5, "dbm5", GoodsColumns::kDescription, text::kGoods5Hint},
    {GoodsField::D6c, "dbe6c", GoodsColumns::kCount6, text::kGoods6cHint},
    {GoodsField::D6p, "dbe6p", GoodsColumns::kPackage6, text::kGoods6pHint},
    {GoodsField::D7, "dbe7", GoodsColumns::kCount7, text::kGoods7Hint},
    {GoodsField::D8, "dbe8", GoodsColumns::kDocuments8, text::kGoods8Hint},
}};

std::size_t IndexOf(GoodsField field) { return static_cast<std::size_t>(field); }

}  // namespace

GoodsLinePanel::GoodsLinePanel(std::size_t line, bool hasLine, QWidget* parent)
    : QWidget(parent), line_(line), hasLine_(hasLine) {
    setObjectName(QStringLiteral("goodsPanel"));
    setFixedSize(GoodsColumns::kPanelWidth, GoodsColumns::kPanelHeight);
    setAutoFillBackground(true);

    for (const FieldPlace& place : kFields) {
        auto* field = new MemoField(this);
        field->setObjectName(QString::fromLatin1(place.name));
        field->setGeometry(place.rect);
        field->setToolTip(ToQString(place.hint));
        field->setStatusTip(ToQString(place.hint));
        field->setVerticalScrollBarPolicy(place.field == GoodsField::D5 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        field->installEventFilter(this);
        const GoodsField which = place.field;
        connect(field, &MemoField::edited, this, [this, which] {
            if (hasLine_) emit fieldEdited(line_, which);
        });
        fields_[IndexOf(place.field)] = field;
    }

    pick5_ = new DictionaryButton(DictionaryButton::Kind::Pick, text::kPickGoodsHint, this);
    pick5_->setObjectName(QStringLiteral("p5sel"));
    pick5_->move(348, 2);
    auto* add5 = new DictionaryButton(DictionaryButton::Kind::Add, text::kAddPhraseHint, this);
    add5->setObjectName(QStringLiteral("p5add"));
    add5->move(348, 22);
    pick6_ = new DictionaryButton(DictionaryButton::Kind::Pick, text::kPickPackagingHint, this);
    pick6_->setObjectName(QStringLiteral("p6sel"));
    pick6_->move(494, 44);
    auto* add6 = new DictionaryButton(DictionaryButton::Kind::Add, text::kAddPhraseHint, this);
    add6->setObjectName(QStringLiteral("p6add"));
    add6->move(494, 64);
    connect(pick5_, &QToolButton::clicked, this, [this] { emit pickClicked(line_, GoodsField::D5); });
    connect(add5, &QToolButton::clicked, this, [this] { emit addClicked(line_, GoodsField::D5); });
    connect(pick6_, &QToolButton::clicked, this, [this] { emit pickClicked(line_, GoodsField::D6p); });
    connect(add6, &QToolButton::clicked, this, [this] { emit addClicked(line_, GoodsField::D6p); });

    auto* insert = new QToolButton(this);
    insert->setObjectName(QStringLiteral("pInsert"));
    insert->setText(ToQString(text::kInsertLine));
    insert->setToolTip(ToQString(text::kInsertLineHint));
    insert->setStatusTip(ToQString(text::kInsertLineHint));
    insert->setGeometry(788, 2, 22, 22);
    delete_ = new QToolButton(this);
    delete_->setObjectName(QStringLiteral("pDel"));
    delete_->setText(ToQString(text::kDeleteLine));
    delete_->setToolTip(ToQString(text::kDeleteLineHint));
    delete_->setStatusTip(ToQString(text::kDeleteLineHint));
    delete_->setGeometry(788, 28, 22, 22);
    connect(insert, &QToolButton::clicked, this, [this] { emit insertClicked(line_); });
    connect(delete_, &QToolButton::clicked, this, [this] { emit deleteClicked(line_); });

    if (!hasLine_) {
        // Nothing to show or to pick for: only the line buttons act on an empty table.
        for (MemoField* field : fields_) field->SetEditable(false);
        for (QWidget* button : {static_cast<QWidget*>(pick5_), static_cast<QWidget*>(add5),
                                static_cast<QWidget*>(pick6_), static_cast<QWidget*>(add6)}) {
            button->hide();
        }
    }
    SetCurrent(false);
}

MemoField& GoodsLinePanel::Field(GoodsField field) const { return *fields_[IndexOf(field)]; }

void GoodsLinePanel::Show(const GoodsLine& line) {
    for (const FieldPlace& place : kFields) {
        MemoField& field = Field(place.field);
        const QSignalBlocker quiet(field);
        field.SetValue(FieldOf(line, place.field));
    }
}

void GoodsLinePanel::SetCurrent(bool current) {
    current_ = current;
    // The current line stands out in the button-shadow colour, as on the grid it imitates.
    setBackgroundRole(current ? QPalette::Dark : QPalette::Window);
    update();
}

void GoodsLinePanel::SetContentEditable(bool editable) {
    if (!hasLine_) return;
    for (const FieldPlace& place : kFields) {
        if (place.field != GoodsField::D8) Field(place.field).SetEditable(editable);
    }
    pick5_->setEnabled(editable);
    pick6_->setEnabled(editable);
    delete_->setEnabled(editable);
}

QPoint GoodsLinePanel::MarkerPosition() const {
    const QRect package = Field(GoodsField::D6p).geometry();
    return {package.left() - 17, package.top() + 1};
}

bool GoodsLinePanel::HitsMarker(const QPoint& point) const {
    const QRect package = Field(GoodsField::D6p).geometry();
    return point.x() > package.left() - 18 && point.x() < package.left() && point.y() >= package.top() + 1 &&
           point.y() <= package.bottom() - 2;
}

void GoodsLinePanel::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!current_ || !hasLine_) return;
    QPainter painter(this);
    const QPixmap marker = style()->standardIcon(QStyle::SP_ArrowDown).pixmap(16, 16);
    painter.drawPixmap(MarkerPosition(), marker);
}

void GoodsLinePanel::mousePressEvent(QMouseEvent* event) {
    if (!hasLine_) return;
    emit activated(line_);
    if (event->button() == Qt::LeftButton && HitsMarker(event->position().toPoint())) emit copyToAllClicked(line_);
}

bool GoodsLinePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && hasLine_) emit activated(line_);
    return QWidget::eventFilter(watched, event);
}

}  // namespace vd::gui

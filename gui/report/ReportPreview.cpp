#include "report/ReportPreview.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

#include "register/ViewZoom.h"
#include "report/ReportOutput.h"

namespace vd::gui {
namespace {

constexpr double kScreenDpi = 96;
// Grey around and between the sheets, in pixels.
constexpr int kDeskMargin = 12;
constexpr double kMillimetresPerInch = 25.4;

double Pixels(double millimetres, double factor) { return millimetres / kMillimetresPerInch * kScreenDpi * factor; }

}  // namespace

// The column of sheets inside the scroll area. Pages are drawn when first seen at a factor and
// kept until the factor or the report changes.
class ReportPreview::Sheets : public QWidget {
public:
    explicit Sheets(const ReportPreview& owner) : owner_(owner) {
        setAutoFillBackground(true);
        QPalette desk = palette();
        desk.setColor(QPalette::Window, QColor(128, 128, 128));
        setPalette(desk);
    }

    void Reset(double factor) {
        factor_ = factor;
        const auto& pages = owner_.report_.pages;
        images_.assign(pages.size(), QImage());
        tops_.clear();
        int width = 0;
        int y = kDeskMargin;
        for (const report::PreparedPage& page : pages) {
            tops_.push_back(y);
            y += static_cast<int>(Pixels(page.height, factor)) + kDeskMargin;
            width = std::max(width, static_cast<int>(Pixels(page.width, factor)));
        }
        setFixedSize(width + 2 * kDeskMargin, std::max(y, 2 * kDeskMargin));
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const auto& pages = owner_.report_.pages;
        for (std::size_t i = 0; i < pages.size() && i < tops_.size(); ++i) {
            const int w = static_cast<int>(Pixels(pages[i].width, factor_));
            const int h = static_cast<int>(Pixels(pages[i].height, factor_));
            const QRect sheet((width() - w) / 2, tops_[i], w, h);
            if (!sheet.intersects(event->rect())) continue;
            if (images_[i].isNull()) images_[i] = report::RenderPage(pages[i], kScreenDpi * factor_);
            painter.drawImage(sheet.topLeft(), images_[i]);
            painter.setPen(Qt::black);
            painter.drawRect(sheet.adjusted(0, 0, -1, -1));
        }
    }

private:
    const ReportPreview& owner_;
    double factor_ = 1.0;
    std::vector<QImage> images_;
    std::vector<int> tops_;
};

ReportPreview::ReportPreview(QWidget* parent) : QScrollArea(parent), sheets_(new Sheets(*this)) {
    setObjectName(QStringLiteral("frxPreview"));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    setWidget(sheets_);
    Relayout();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::SetReport(report::PreparedReport report) {
    report_ = std::move(report);
    Relayout();
}

void ReportPreview::SetZoom(double zoom) {
    if (zoom <= 0 && zoom != kPageWidthZoom && zoom != kWholePageZoom) return;
    zoom_ = zoom;
    Relayout();
}

void ReportPreview::Relayout() {
    double factor = zoom_;
    if (zoom_ <= 0) {
        // Only the first page's size matters here; the page itself is not copied at every resize.
        const report::PreparedPage empty{};
        const report::PreparedPage& first = report_.pages.empty() ? empty : report_.pages.front();
        const QSize room = viewport()->size() - QSize(2 * kDeskMargin, 2 * kDeskMargin);
        factor = std::max(1, room.width()) / Pixels(first.width, 1);
        if (zoom_ == kWholePageZoom) factor = std::min(factor, std::max(1, room.height()) / Pixels(first.height, 1));
        factor = std::max(factor, 0.05);
    }
    factor_ = factor;
    sheets_->Reset(factor_);
}

void ReportPreview::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (zoom_ <= 0) Relayout();
}

void ReportPreview::wheelEvent(QWheelEvent* event) {
    // Some platforms turn a wheel with Shift held into a sideways one; it still scrolls down here.
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    const int divisor = event->modifiers().testFlag(Qt::ShiftModifier) ? 2 : 3;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - delta / divisor);
    event->accept();
}

}  // namespace vd::gui

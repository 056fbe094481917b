#include "support/FormLayout.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

#include "core/Paths.h"
#include "support/ApplicationErrors.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

// Set on every window that stores a layout of its own, so the window around it leaves it out.
constexpr const char* kOwnLayout = "vdOwnLayout";

class TableGrid : public LayoutGrid {
public:
    explicit TableGrid(QTableView& view) : header_(*view.horizontalHeader()), model_(view.model()) {}

    bool BoundToFields() const override {
        if (!model_ || header_.count() == 0) return false;
        for (int i = 0; i < header_.count(); ++i) {
            if (model_->headerData(i, Qt::Horizontal, kFieldNameRole).toString().isEmpty()) return false;
        }
        return true;
    }
    int ColumnCount() const override { return header_.count(); }
    std::string FieldAt(int position) const override {
        if (!model_) return {};
        return ToUtf8(model_->headerData(header_.logicalIndex(position), Qt::Horizontal, kFieldNameRole).toString());
    }
    int WidthAt(int position) const override { return header_.sectionSize(header_.logicalIndex(position)); }
    bool VisibleAt(int position) const override { return !header_.isSectionHidden(header_.logicalIndex(position)); }
    void MoveColumn(int from, int to) override { header_.moveSection(from, to); }
    void SetWidthAt(int position, int width) override { header_.resizeSection(header_.logicalIndex(position), width); }

private:
    QHeaderView& header_;
    QAbstractItemModel* model_;
};

bool IsNamed(const QWidget& widget) {
    const QString name = widget.objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// The named widgets below `widget`, each with its nearest named ancestor being `widget`.
void CollectNamed(const QWidget& widget, std::vector<QWidget*>& found) {
    for (QObject* object : widget.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child->property(kOwnLayout).toBool()) continue;
        if (IsNamed(*child)) {
            found.push_back(child);
        } else {
            CollectNamed(*child, found);
        }
    }
}

// A splitter shares its size among its panels only once it has one: the stored sizes wait until
// it has been shown and laid out. A panel then gets its stored size exactly; its neighbour gives or takes the
// difference, so the splitter as a whole keeps the size its window gave it.
class PendingSplitterSizes : public QObject {
public:
    static PendingSplitterSizes& For(QSplitter& splitter) {
        for (QObject* child : splitter.children()) {
            if (auto* pending = dynamic_cast<PendingSplitterSizes*>(child)) return *pending;
        }
        return *new PendingSplitterSizes(splitter);
    }

    void Set(int index, int size) {
        sizes_.emplace_back(index, size);
        if (splitter_.isVisible()) Apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // After the layouts the showing set off have given the splitter its size.
        if (watched == &splitter_ && event->type() == QEvent::Show) QTimer::singleShot(0, this, [this] { Apply(); });
        return false;
    }

private:
    explicit PendingSplitterSizes(QSplitter& splitter) : QObject(&splitter), splitter_(splitter) {
        splitter.installEventFilter(this);
    }

    void Apply() {
        if (sizes_.empty()) return;
        QList<int> sizes = splitter_.sizes();
        for (const auto& [index, size] : sizes_) {
            if (index >= sizes.size() || sizes.size() < 2) continue;
            const int neighbour = index + 1 < sizes.size() ? index + 1 : index - 1;
            const int available = sizes[index] + sizes[neighbour];
            sizes[index] = std::clamp(size, 0, available);
            sizes[neighbour] = available - sizes[index];
        }
        sizes_.clear();
        splitter_.setSizes(sizes);
    }

    QSplitter& splitter_;
    std::vector<std::pair<int, int>> sizes_;
};

class WidgetControl : public LayoutControl {
public:
    explicit WidgetControl(QWidget& widget) : widget_(widget) {
        if (auto* table = qobject_cast<QTableView*>(&widget)) grid_ = std::make_unique<TableGrid>(*table);
    }

    std::string ClassName() const override {
        const std::string full = widget_.metaObject()->className();
        const auto colons = full.rfind("::");
        return colons == std::string::npos ? full : full.substr(colons + 2);
    }
    std::string Name() const override { return ToUtf8(widget_.objectName()); }
    bool IsToolBar() const override {
        return qobject_cast<const QToolBar*>(&widget_) || qobject_cast<const QToolButton*>(&widget_);
    }

    int Bound(LayoutBound which) const override {
        // A top-level window is placed by its frame; a child within its parent.
        const QRect r = widget_.isWindow() ? QRect(widget_.pos(), widget_.size()) : widget_.geometry();
        switch (which) {
            case LayoutBound::Height: return r.height();
            case LayoutBound::Left: return r.x();
            case LayoutBound::Top: return r.y();
            case LayoutBound::Width: return r.width();
        }
        return 0;
    }

    void SetBound(LayoutBound which, int value) override {
        if (widget_.isWindow()) {
            switch (which) {
                case LayoutBound::Height: widget_.resize(widget_.width(), value); break;
                case LayoutBound::Left: widget_.move(value, widget_.pos().y()); break;
                case LayoutBound::Top: widget_.move(widget_.pos().x(), value); break;
                case LayoutBound::Width: widget_.resize(value, widget_.height()); break;
            }
            return;
        }
        // Inside a window the layouts place the widgets; only a splitter lets the user size them.
        auto* splitter = qobject_cast<QSplitter*>(widget_.parentWidget());
        if (!splitter) return;
        if (which != (splitter->orientation() == Qt::Vertical ? LayoutBound::Height : LayoutBound::Width)) return;
        const int index = splitter->indexOf(&widget_);
        if (index < 0) return;
        PendingSplitterSizes::For(*splitter).Set(index, value);
    }

    LayoutGrid* Grid() override { return grid_.get(); }

    std::vector<std::unique_ptr<LayoutControl>> Children() override {
        std::vector<QWidget*> named;
        CollectNamed(widget_, named);
        std::vector<std::unique_ptr<LayoutControl>> children;
        for (QWidget* child : named) children.push_back(std::make_unique<WidgetControl>(*child));
        return children;
    }

private:
    QWidget& widget_;
    std::unique_ptr<TableGrid> grid_;
};

}  // namespace

FormLayout::FormLayout(const Paths& paths, const Journal& journal) : settings_(paths), journal_(journal) {}

FormLayout::FormLayout(FormSettings settings, const Journal& journal)
    : settings_(std::move(settings)), journal_(journal) {}

void FormLayout::Restore(QWidget& window) const noexcept {
    window.setProperty(kOwnLayout, true);
    try {
        WidgetControl control(window);
        settings_.Restore(control);
    } catch (const std::exception& e) {
        ReportApplicationException(journal_, &window, e.what());
    } catch (...) {
        ReportApplicationException(journal_, &window, "unknown exception");
    }
}

void FormLayout::Save(QWidget& window) const noexcept {
    window.setProperty(kOwnLayout, true);
    try {
        WidgetControl control(window);
        settings_.Store(control);
    } catch (const std::exception& e) {
        ReportApplicationException(journal_, &window, e.what());
    } catch (...) {
        ReportApplicationException(journal_, &window, "unknown exception");
    }
}

}  // namespace vd::gui

#include "report/ReportEngine.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "report/TextLayout.h"

namespace vd::report {
namespace {

constexpr std::string_view kTextOfObj = "GetTextOfObj(";
constexpr std::string_view kPageVariable = "[Page]";
constexpr std::string_view kPagesVariable = "[Pages]";
// Rounding of millimetre sums must not push a band that fits exactly onto the next page.
constexpr double kEpsilon = 1e-6;

// "[GetTextOfObj(n);]" at `at` ('[' included): the code and the length of the expression.
std::optional<std::pair<int, std::size_t>> TextOfObjAt(std::string_view text, std::size_t at) {
    std::string_view rest = text.substr(at + 1);
    if (!rest.starts_with(kTextOfObj)) return std::nullopt;
    rest.remove_prefix(kTextOfObj.size());
    while (rest.starts_with(' ')) rest.remove_prefix(1);
    int code = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), code);
    if (error != std::errc()) return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    while (rest.starts_with(' ')) rest.remove_prefix(1);
    if (!rest.starts_with(')')) return std::nullopt;
    rest.remove_prefix(1);
    if (rest.starts_with(';')) rest.remove_prefix(1);
    if (!rest.starts_with(']')) return std::nullopt;
    rest.remove_prefix(1);
    return std::pair{code, text.size() - at - rest.size()};
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

// One object of a band instance, ready to be put on a page.
struct Placed {
    const ReportObject* object;
    std::string text;
    TextBlock block;
    double height;
};

struct Instance {
    std::vector<Placed> objects;
    double height = 0;
};

class Paginator {
public:
    Paginator(const Page& page, ReportData& data, PreparedReport& out)
        : page_(page), data_(data), out_(out), first_(out.pages.size()) {}

    void Run() {
        StartPage();
        for (const Band& band : page_.bands) Emit(band);
        Finish();
    }

private:
    bool IsFlow(const Band& band) const {
        return band.kind == BandKind::Title || band.kind == BandKind::Data || band.kind == BandKind::Summary;
    }

    void Emit(const Band& band) {
        if (!IsFlow(band)) return;
        if (band.kind != BandKind::Data) {
            Place(Instantiate(band, true));
            return;
        }
        const int rows = data_.RowCount(band.source);
        for (int row = 0; row < rows; ++row) {
            data_.SelectRow(band.source, row);
            Place(Instantiate(band, true));
            for (const Band& child : band.children) Emit(child);
        }
    }

    // Hidden objects are measured all the same, so that showing or hiding them never moves
    // anything else; they are only left out when drawing.
    Instance Instantiate(const Band& band, bool stretchable) {
        Instance instance;
        instance.height = band.height;
        for (const ReportObject& object : band.objects) {
            const bool grows = stretchable && object.stretch != Stretch::None;
            if (!object.visible && !grows) continue;
            Placed placed{&object, {}, {}, object.height};
            if (object.kind == ObjectKind::Text) {
                placed.text = ExpandText(object.text, data_);
                placed.block = LayOutText(object, placed.text);
                if (grows) placed.height = std::max(object.height, placed.block.height);
            }
            if (grows) instance.height = std::max(instance.height, object.y + placed.height);
            instance.objects.push_back(std::move(placed));
        }
        for (Placed& placed : instance.objects) {
            if (stretchable && placed.object->stretch == Stretch::Band) {
                placed.height = std::max(placed.height, instance.height - placed.object->y);
            }
        }
        return instance;
    }

    void StartPage() {
        out_.pages.push_back(PreparedPage{page_.width, page_.height, {}});
        double headerBottom = page_.top;
        double footerTop = page_.height - page_.bottom;
        for (const Band& band : page_.bands) {
            if (band.kind == BandKind::PageFooter) footerTop -= band.height;
        }
        dataBottom_ = footerTop;
        for (const Band& band : page_.bands) {
            switch (band.kind) {
                case BandKind::Overlay: Put(Instantiate(band, false), page_.top); break;
                case BandKind::PageHeader:
                    Put(Instantiate(band, false), headerBottom);
                    headerBottom += band.height;
                    break;
                case BandKind::PageFooter:
                    Put(Instantiate(band, false), footerTop);
                    footerTop += band.height;
                    break;
                default: break;
            }
        }
        dataTop_ = headerBottom;
        y_ = dataTop_;
    }

    void Place(Instance instance) {
        const double height = instance.height;
        if (y_ + height > dataBottom_ + kEpsilon && y_ > dataTop_ + kEpsilon) StartPage();
        Put(std::move(instance), y_);
        y_ += height;
    }

    void Put(Instance instance, double top) {
        PreparedPage& page = out_.pages.back();
        for (Placed& placed : instance.objects) {
            const ReportObject& object = *placed.object;
            if (!object.visible) continue;
            PageItem item;
            item.objectName = object.name;
            item.lineWidth = object.lineWidth;
            const double x = page_.left + object.x;
            const double y = top + object.y;
            switch (object.kind) {
                case ObjectKind::Rect:
                    item.kind = PageItem::Kind::Rect;
                    item.rect = QRectF(x, y, object.width, placed.height);
                    break;
                case ObjectKind::Line:
                    item.kind = PageItem::Kind::Line;
                    item.line = QLineF(x, y, x + object.width, y + placed.height);
                    break;
                case ObjectKind::Text:
                    item.kind = PageItem::Kind::Text;
                    item.rect = QRectF(x, y, object.width, placed.height);
                    item.frame = object.frame;
                    item.font = MakeFont(object.font);
                    if (placed.text.find(kPageVariable) != std::string::npos ||
                        placed.text.find(kPagesVariable) != std::string::npos) {
                        pending_.push_back({out_.pages.size() - 1, page.items.size(), &object, placed.text});
                    }
                    AlignVertically(placed.block, object.valign, placed.height);
                    item.lines = Shifted(std::move(placed.block.lines), x, y);
                    break;
            }
            page.items.push_back(std::move(item));
        }
    }

    static std::vector<TextLine> Shifted(std::vector<TextLine> lines, double x, double y) {
        for (TextLine& line : lines) {
            line.x += x;
            line.baseline += y;
        }
        return lines;
    }

    // "[Page]" and "[Pages]" count the pages of this template's part of the result.
    void Finish() {
        const std::size_t count = out_.pages.size() - first_;
        for (const Pending& p : pending_) {
            std::string text = p.text;
            ReplaceAll(text, kPagesVariable, std::to_string(count));
            ReplaceAll(text, kPageVariable, std::to_string(p.page - first_ + 1));
            PageItem& item = out_.pages[p.page].items[p.item];
            TextBlock block = LayOutText(*p.object, text);
            AlignVertically(block, p.object->valign, item.rect.height());
            item.lines = Shifted(std::move(block.lines), item.rect.x(), item.rect.y());
        }
    }

    struct Pending {
        std::size_t page;
        std::size_t item;
        const ReportObject* object;
        std::string text;
    };

    const Page& page_;
    ReportData& data_;
    PreparedReport& out_;
    const std::size_t first_;
    std::vector<Pending> pending_;
    double dataTop_ = 0;
    double dataBottom_ = 0;
    double y_ = 0;
};

}  // namespace

std::string ExpandText(std::string_view text, ReportData& data) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('[', at);
        if (open == std::string_view::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, open - at);
        if (const auto expression = TextOfObjAt(text, open)) {
            out += data.TextOfObj(expression->first);
            at = open + expression->second;
        } else if (text.substr(open).starts_with("[Date]")) {
            out += data.Today();
            at = open + 6;
        } else {
            out += '[';
            at = open + 1;
        }
    }
    return out;
}

void PrepareReport(const Report& report, ReportData& data, PreparedReport& out) {
    if (out.name.empty()) out.name = report.name;
    for (const Page& page : report.pages) Paginator(page, data, out).Run();
}

PreparedReport PrepareReport(const Report& report, ReportData& data) {
    PreparedReport out;
    PrepareReport(report, data, out);
    return out;
}

}  // namespace vd::report

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vd::report {

// A report template as our XML describes it. Every length is in millimetres; object positions
// are relative to their band's top left corner (the overlay's to the page's printable corner).

struct FontSpec {
    // Tried in order; the first installed family wins.
    std::vector<std::string> families{"Times New Roman", "Liberation Serif", "DejaVu Serif"};
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct Sides {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    bool Any() const { return left || top || right || bottom; }
};

enum class ObjectKind { Text, Rect, Line };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };
// How an object in a repeated band follows its text: not at all, growing to the text's height,
// or reaching down to the band's bottom once every object has grown (for cells and rules).
enum class Stretch { None, Grow, Band };

struct ReportObject {
    std::string name;
    ObjectKind kind = ObjectKind::Text;
    // A line runs from (x, y) to (x + width, y + height).
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool visible = true;
    // Literal text in which "[GetTextOfObj(n);]", "[Date]", "[Page]" and "[Pages]" are replaced.
    std::string text;
    FontSpec font;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    bool wordWrap = true;
    double padding = 0.5;
    Sides frame;            // text objects: which sides are ruled
    double lineWidth = 0.2;  // frames, rectangles and lines
    Stretch stretch = Stretch::None;
};

enum class BandKind {
    PageHeader,  // top of every page
    PageFooter,  // bottom of every page
    Overlay,     // every page, positioned on the page itself: frames that span bands
    Title,       // once, where it stands
    Data,        // once per row of its source; nested data bands follow each row
    Summary,     // once, where it stands
};

struct Band {
    std::string name;
    BandKind kind = BandKind::Title;
    double height = 0;
    std::string source;  // data bands: "goods", "register" or "search"
    std::vector<ReportObject> objects;
    std::vector<Band> children;
};

struct Page {
    std::string name;
    double width = 210;
    double height = 297;
    double left = 10;
    double top = 10;
    double right = 10;
    double bottom = 10;
    std::vector<Band> bands;

    double PrintableHeight() const { return height - top - bottom; }
};

struct Report {
    std::string name;
    std::vector<Page> pages;

    // Objects, bands and pages are looked up by their names, which are unique in a template.
    ReportObject* FindObject(std::string_view objectName);
    const ReportObject* FindObject(std::string_view objectName) const;
    Band* FindBand(std::string_view bandName);
    Page* FindPage(std::string_view pageName);
    bool HasObject(std::string_view objectName) const { return FindObject(objectName) != nullptr; }
};

}  // namespace vd::report

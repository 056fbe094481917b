#include "report/TemplateReader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <set>

#include "support/Files.h"

namespace vd::report {
namespace {

class Reader {
public:
    Reader(std::string_view xml, std::string_view sourceName) : xml_(xml), source_(sourceName) {}

    Report Read() {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed =
            document.load_buffer(xml_.data(), xml_.size(), pugi::parse_default, pugi::encoding_utf8);
        if (!parsed) Fail(static_cast<std::size_t>(parsed.offset), parsed.description());
        const pugi::xml_node root = document.document_element();
        if (std::string_view(root.name()) != "report") Fail(root, "ожидается элемент <report>");
        Allow(root, {"name", "font", "size"});
        Report report;
        report.name = root.attribute("name").value();
        if (const auto font = root.attribute("font")) defaultFont_.families = Families(root, font.value());
        if (root.attribute("size")) defaultFont_.size = Number(root, "size");
        for (const pugi::xml_node child : root.children()) {
            if (child.type() != pugi::node_element) continue;
            if (std::string_view(child.name()) != "page") Fail(child, "ожидается элемент <page>");
            report.pages.push_back(ReadPage(child));
        }
        if (report.pages.empty()) Fail(root, "в шаблоне нет ни одной страницы");
        return report;
    }

private:
    Page ReadPage(const pugi::xml_node node) {
        Allow(node, {"name", "width", "height", "left", "top", "right", "bottom"});
        Page page;
        page.name = Name(node);
        page.width = Number(node, "width", page.width);
        page.height = Number(node, "height", page.height);
        page.left = Number(node, "left", page.left);
        page.top = Number(node, "top", page.top);
        page.right = Number(node, "right", page.right);
        page.bottom = Number(node, "bottom", page.bottom);
        if (page.width <= 0 || page.height <= 0) Fail(node, "размер страницы должен быть больше нуля");
        for (const pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            if (std::string_view(child.name()) != "band") Fail(child, "на странице ожидается элемент <band>");
            page.bands.push_back(ReadBand(child, false));
        }
        return page;
    }

    Band ReadBand(const pugi::xml_node node, bool nested) {
        Allow(node, {"name", "kind", "height", "source"});
        Band band;
        band.name = Name(node);
        const std::string_view kind = node.attribute("kind").value();
        if (kind == "pageHeader") band.kind = BandKind::PageHeader;
        else if (kind == "pageFooter") band.kind = BandKind::PageFooter;
        else if (kind == "overlay") band.kind = BandKind::Overlay;
        else if (kind == "title") band.kind = BandKind::Title;
        else if (kind == "data") band.kind = BandKind::Data;
        else if (kind == "summary") band.kind = BandKind::Summary;
        else Fail(node, "неизвестный вид полосы \"" + std::string(kind) + "\"");
        if (nested && band.kind != BandKind::Data) Fail(node, "внутри полосы данных допустимы только полосы данных");
        band.height = Number(node, "height", 0);
        band.source = node.attribute("source").value();
        if ((band.kind == BandKind::Data) != !band.source.empty()) {
            Fail(node, "источник данных (source) задаётся у полос данных, и только у них");
        }
        for (const pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            const std::string_view element = child.name();
            if (element == "band") {
                if (band.kind != BandKind::Data) Fail(child, "вложенные полосы допустимы только в полосе данных");
                band.children.push_back(ReadBand(child, true));
            } else {
                band.objects.push_back(ReadObject(child));
            }
        }
        return band;
    }

    ReportObject ReadObject(const pugi::xml_node node) {
        ReportObject object;
        const std::string_view element = node.name();
        if (element == "text") {
            object.kind = ObjectKind::Text;
            Allow(node, {"name", "x", "y", "width", "height", "visible", "font", "size", "bold", "italic", "underline",
                         "align", "valign", "wrap", "padding", "frame", "lineWidth", "stretch"});
        } else if (element == "rect" || element == "line") {
            object.kind = element == "rect" ? ObjectKind::Rect : ObjectKind::Line;
            Allow(node, {"name", "x", "y", "width", "height", "visible", "lineWidth", "stretch"});
        } else {
            Fail(node, "неизвестный элемент <" + std::string(element) + ">");
        }
        object.name = Name(node);
        object.x = Number(node, "x");
        object.y = Number(node, "y");
        object.width = Number(node, "width");
        object.height = Number(node, "height");
        object.visible = Bool(node, "visible", true);
        object.lineWidth = Number(node, "lineWidth", object.lineWidth);
        object.stretch = Choice(node, "stretch", {{"none", Stretch::None}, {"grow", Stretch::Grow}, {"band", Stretch::Band}},
                                Stretch::None);
        if (object.kind != ObjectKind::Line && (object.width < 0 || object.height < 0)) {
            Fail(node, "ширина и высота не могут быть отрицательными");
        }
        if (object.kind != ObjectKind::Text) return object;

        object.font = defaultFont_;
        if (const auto font = node.attribute("font")) object.font.families = Families(node, font.value());
        object.font.size = Number(node, "size", object.font.size);
        if (object.font.size <= 0) Fail(node, "размер шрифта должен быть больше нуля");
        object.font.bold = Bool(node, "bold", false);
        object.font.italic = Bool(node, "italic", false);
        object.font.underline = Bool(node, "underline", false);
        object.align = Choice(node, "align", {{"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}},
                              HAlign::Left);
        object.valign = Choice(node, "valign", {{"top", VAlign::Top}, {"center", VAlign::Center}, {"bottom", VAlign::Bottom}},
                               VAlign::Top);
        object.wordWrap = Bool(node, "wrap", true);
        object.padding = Number(node, "padding", object.padding);
        object.frame = Frame(node);
        object.text = node.text().get();
        return object;
    }

    std::string Name(const pugi::xml_node node) {
        const std::string name = node.attribute("name").value();
        if (name.empty()) Fail(node, "не указано имя (name)");
        if (!names_.insert(name).second) Fail(node, "имя \"" + name + "\" уже встречалось в шаблоне");
        return name;
    }

    double Number(const pugi::xml_node node, const char* attribute) {
        if (!node.attribute(attribute)) Fail(node, std::string("не указан атрибут ") + attribute);
        return Number(node, attribute, 0);
    }

    double Number(const pugi::xml_node node, const char* attribute, double fallback) {
        const pugi::xml_attribute value = node.attribute(attribute);
        if (!value) return fallback;
        const std::string_view text = value.value();
        double number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc() || end != text.data() + text.size()) {
            Fail(node, std::string("атрибут ") + attribute + ": ожидается число, а не \"" + std::string(text) + "\"");
        }
        return number;
    }

    bool Bool(const pugi::xml_node node, const char* attribute, bool fallback) {
        const pugi::xml_attribute value = node.attribute(attribute);
        if (!value) return fallback;
        const std::string_view text = value.value();
        if (text == "true") return true;
        if (text == "false") return false;
        Fail(node, std::string("атрибут ") + attribute + ": ожидается true или false");
    }

    template <typename T>
    T Choice(const pugi::xml_node node, const char* attribute,
             std::initializer_list<std::pair<std::string_view, T>> choices, T fallback) {
        const pugi::xml_attribute value = node.attribute(attribute);
        if (!value) return fallback;
        for (const auto& [word, choice] : choices) {
            if (word == value.value()) return choice;
        }
        Fail(node, std::string("атрибут ") + attribute + ": недопустимое значение \"" + value.value() + "\"");
    }

    Sides Frame(const pugi::xml_node node) {
        Sides sides;
        std::string_view text = node.attribute("frame").value();
        while (!text.empty()) {
            const std::size_t comma = std::min(text.find(','), text.size());
            const std::string_view word = Trimmed(text.substr(0, comma));
            text = comma < text.size() ? text.substr(comma + 1) : std::string_view();
            if (word == "all") sides = {true, true, true, true};
            else if (word == "left") sides.left = true;
            else if (word == "top") sides.top = true;
            else if (word == "right") sides.right = true;
            else if (word == "bottom") sides.bottom = true;
            else if (word != "none" && !word.empty()) Fail(node, "атрибут frame: неизвестная сторона \"" + std::string(word) + "\"");
        }
        return sides;
    }

    std::vector<std::string> Families(const pugi::xml_node node, std::string_view text) {
        std::vector<std::string> families;
        while (!text.empty()) {
            const std::size_t comma = std::min(text.find(','), text.size());
            const std::string_view family = Trimmed(text.substr(0, comma));
            if (!family.empty()) families.emplace_back(family);
            text = comma < text.size() ? text.substr(comma + 1) : std::string_view();
        }
        if (families.empty()) Fail(node, "атрибут font: не указано ни одного шрифта");
        return families;
    }

    static std::string_view Trimmed(std::string_view text) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        return text;
    }

    void Allow(const pugi::xml_node node, std::initializer_list<std::string_view> known) {
        for (const pugi::xml_attribute attribute : node.attributes()) {
            if (std::find(known.begin(), known.end(), std::string_view(attribute.name())) == known.end()) {
                Fail(node, "неизвестный атрибут " + std::string(attribute.name()));
            }
        }
    }

    [[noreturn]] void Fail(const pugi::xml_node node, const std::string& message) {
        Fail(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, node.offset_debug())), message);
    }

    [[noreturn]] void Fail(std::size_t offset, const std::string& message) {
        const auto line = 1 + std::count(xml_.begin(), xml_.begin() + static_cast<std::ptrdiff_t>(std::min(offset, xml_.size())), '\n');
        throw TemplateError("Шаблон отчёта " + std::string(source_) + ", строка " + std::to_string(line) + ": " + message);
    }

    std::string_view xml_;
    std::string_view source_;
    FontSpec defaultFont_;
    std::set<std::string> names_;
};

}  // namespace

Report ReadTemplate(const std::filesystem::path& file) {
    std::string xml;
    try {
        xml = ReadFileBytes(file);
    } catch (const std::exception& e) {
        throw TemplateError("Шаблон отчёта " + file.string() + " не прочитан: " + e.what());
    }
    return ParseTemplate(xml, file.filename().string());
}

Report ParseTemplate(std::string_view xml, std::string_view sourceName) { return Reader(xml, sourceName).Read(); }

}  // namespace vd::report

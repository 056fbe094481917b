#include "core/FormSettings.h"

#include <pugixml.hpp>

#include <array>
#include <limits>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "core/Paths.h"
#include "support/Files.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr const char* kRoot = "ParamsOfForms";
constexpr const char* kColumn = "Col";

struct BoundAttribute {
    LayoutBound bound;
    const char* name;
};
constexpr std::array<BoundAttribute, 4> kBounds = {{
    {LayoutBound::Height, "Height"},
    {LayoutBound::Left, "Left"},
    {LayoutBound::Top, "Top"},
    {LayoutBound::Width, "Width"},
}};

// A stored number, or nothing when the attribute is missing or holds no integer that fits.
std::optional<int> IntAttribute(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) return std::nullopt;
    const auto value = ParseInteger(TrimBlanks(attribute.value()));
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

// Element names come from class names; anything XML does not allow in a name becomes "_".
std::string ElementName(std::string_view className) {
    std::string name;
    for (const char c : className) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                             c == '_' || c == '-' || c == '.';
        name += allowed ? c : '_';
    }
    if (name.empty() || (name[0] >= '0' && name[0] <= '9') || name[0] == '-' || name[0] == '.') {
        name.insert(name.begin(), '_');
    }
    return name;
}

void ApplyColumn(const pugi::xml_node& column, LayoutGrid& grid) {
    const std::optional<int> index = IntAttribute(column, "Index");
    if (!index || *index < 0 || *index >= grid.ColumnCount()) return;
    const std::optional<int> width = IntAttribute(column, "Width");
    if (grid.BoundToFields()) {
        // Columns are found by the field they show, so a grid whose columns were reordered or
        // extended since the layout was stored still gets each width on the right column.
        const std::string field = column.attribute("FieldName").value();
        int found = -1;
        for (int i = *index; i < grid.ColumnCount(); ++i) {
            if (grid.FieldAt(i) == field) {
                found = i;
                break;
            }
        }
        if (found < 0) return;
        if (found != *index) grid.MoveColumn(found, *index);
    }
    // A zero width would make the column vanish for good.
    if (width && *width > 0 && grid.VisibleAt(*index)) grid.SetWidthAt(*index, *width);
}

void Apply(const pugi::xml_node& element, LayoutControl& control) {
    if (control.IsToolBar()) return;
    for (const BoundAttribute& b : kBounds) {
        // A stored 0 is never applied: it stands for "not known" as much as for the edge.
        const std::optional<int> value = IntAttribute(element, b.name);
        if (value && *value != 0) control.SetBound(b.bound, *value);
    }
    std::optional<std::vector<std::unique_ptr<LayoutControl>>> children;
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() != pugi::node_element) continue;
        if (std::string_view(child.name()) == kColumn) {
            if (LayoutGrid* grid = control.Grid()) ApplyColumn(child, *grid);
            continue;
        }
        if (!children) children = control.Children();
        const std::string_view name = child.attribute("Name").value();
        for (const auto& owned : *children) {
            if (owned->Name() == name) {
                Apply(child, *owned);
                break;
            }
        }
    }
}

void Write(pugi::xml_node parent, LayoutControl& control) {
    if (control.IsToolBar()) return;
    pugi::xml_node element = parent.append_child(ElementName(control.ClassName()).c_str());
    element.append_attribute("Name") = control.Name().c_str();
    for (const BoundAttribute& b : kBounds) element.append_attribute(b.name) = control.Bound(b.bound);
    if (LayoutGrid* grid = control.Grid()) {
        for (int i = 0; i < grid->ColumnCount(); ++i) {
            pugi::xml_node column = element.append_child(kColumn);
            column.append_attribute("Width") = grid->WidthAt(i);
            if (grid->BoundToFields()) column.append_attribute("FieldName") = grid->FieldAt(i).c_str();
            column.append_attribute("Index") = i;
        }
    }
    for (const auto& child : control.Children()) Write(element, *child);
}

bool Parse(pugi::xml_document& document, const std::string& bytes) {
    const pugi::xml_parse_result parsed =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_declaration,
                             pugi::encoding_utf8);
    return parsed && document.document_element();
}

void StartNew(pugi::xml_document& document) {
    document.reset();
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    document.append_child(kRoot);
}

pugi::xml_node WindowElement(const pugi::xml_node& root, std::string_view name) {
    for (const pugi::xml_node& child : root.children()) {
        if (child.type() == pugi::node_element && child.attribute("Name").value() == name) return child;
    }
    return {};
}

}  // namespace

FormSettings::FormSettings(const Paths& paths)
    : FormSettings(paths.userConfigDir / kFileName, paths.systemConfigDir / kFileName) {}

FormSettings::FormSettings(std::filesystem::path userFile, std::filesystem::path systemFile)
    : userFile_(std::move(userFile)), systemFile_(std::move(systemFile)) {}

bool FormSettings::Restore(LayoutControl& window) const {
    std::error_code error;
    if (std::filesystem::exists(userFile_, error)) return LoadFormSettings(window, userFile_);
    if (std::filesystem::exists(systemFile_, error)) return LoadFormSettings(window, systemFile_);
    // The first run of a user on an installation without a starting layout.
    return false;
}

void FormSettings::Store(LayoutControl& window) const { SaveFormSettings(window, userFile_); }

bool FormSettings::LoadFormSettings(LayoutControl& window, const std::filesystem::path& file) {
    pugi::xml_document document;
    if (!Parse(document, ReadFileBytes(file))) {
        throw std::runtime_error("Файл " + file.string() + " не является XML-документом");
    }
    const pugi::xml_node element = WindowElement(document.document_element(), window.Name());
    if (!element) return false;
    Apply(element, window);
    return true;
}

void FormSettings::SaveFormSettings(LayoutControl& window, const std::filesystem::path& file) {
    pugi::xml_document document;
    bool loaded = false;
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        try {
            loaded = Parse(document, ReadFileBytes(file));
        } catch (const std::exception&) {
            loaded = false;
        }
    }
    if (!loaded) StartNew(document);
    pugi::xml_node root = document.document_element();
    if (const pugi::xml_node old = WindowElement(root, window.Name())) root.remove_child(old);
    Write(root, window);

    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    std::filesystem::create_directories(file.parent_path());
    WriteFileAtomically(file, out.str());
}

}  // namespace vd

#include "core/StationFile.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "core/Container.h"
#include "support/Text.h"

namespace vd {
namespace {

std::string ElementText(const pugi::xml_node& root, const char* name) {
    const pugi::xml_node element = root.child(name);
    if (!element) throw std::runtime_error(std::string("в файле нет элемента ") + name);
    return element.text().get();
}

int ToInt(std::string_view text, const char* name) {
    const auto value = ParseInteger(TrimBlanks(text));
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
        throw std::runtime_error(std::string("значение ") + name + " не является целым числом: \"" +
                                 std::string(text) + "\"");
    }
    return static_cast<int>(*value);
}

bool ToBool(std::string_view text, const char* name) {
    std::string lower(TrimBlanks(text));
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "true" || lower == "1" || lower == "-1") return true;
    if (lower == "false" || lower == "0") return false;
    throw std::runtime_error(std::string("значение ") + name + " не является логическим: \"" + std::string(text) + "\"");
}

}  // namespace

StationFile ReadStationFile(std::string stream) {
    DecodeCodStream(stream);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(stream.data(), stream.size());
    if (!parsed) throw std::runtime_error(std::string("содержимое не читается как XML: ") + parsed.description());
    const pugi::xml_node root = document.document_element();
    if (!root) throw std::runtime_error("в файле нет корневого элемента");

    StationFile station;
    if (const pugi::xml_attribute ver = root.attribute("Ver")) station.ver = ToInt(ver.value(), "Ver");
    station.tppNumber = ToInt(ElementText(root, "tppNumber"), "tppNumber");
    station.numLocale = ToInt(ElementText(root, "NumLocale"), "NumLocale");
    station.tppKey = ElementText(root, "tppKey");
    station.url = ElementText(root, "url");
    station.tppName = ElementText(root, "tppName");
    station.usersOld = ToBool(ElementText(root, "usersOld"), "usersOld");
    return station;
}

std::string MakeStationFile(const StationFile& station) {
    pugi::xml_document document;
    auto declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("station");
    root.append_attribute("Name") = "i.cod";
    root.append_attribute("Ver") = station.ver;
    root.append_child("tppNumber").text() = station.tppNumber;
    root.append_child("NumLocale").text() = station.numLocale;
    root.append_child("tppKey").text() = station.tppKey.c_str();
    root.append_child("url").text() = station.url.c_str();
    root.append_child("tppName").text() = station.tppName.c_str();
    root.append_child("usersOld").text() = station.usersOld ? "True" : "False";
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    std::string bytes = out.str();
    EncodeCodStream(bytes);
    return bytes;
}

}  // namespace vd

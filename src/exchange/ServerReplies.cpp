#include "exchange/ServerReplies.h"

#include <pugixml.hpp>

#include <stdexcept>

#include "support/Text.h"

namespace vd {
namespace {

std::optional<std::string> ErrorPacketOf(const pugi::xml_document& document) {
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "dataPacket" || std::string_view(root.attribute("name").value()) != "authfailed") {
        return std::nullopt;
    }
    const std::string message = root.child("message").text().get();
    return message.empty() ? std::string(" ") : message;
}

bool Parse(pugi::xml_document& document, std::string_view reply) {
    return static_cast<bool>(document.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8));
}

std::optional<int> DatePart(std::string_view part) {
    part = TrimBlanks(part);
    if (part.empty() || part.size() > 5) return std::nullopt;
    for (const char c : part) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    const auto value = ParseInteger(part);
    if (!value || *value > 65535) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace

std::string GetErrorFromServer(std::string_view reply) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) throw std::runtime_error(std::string("XML: ") + parsed.description());
    return ErrorPacketOf(document).value_or(std::string());
}

std::string ErrorPacketText(std::string_view reply) {
    pugi::xml_document document;
    if (!Parse(document, reply)) return {};
    return ErrorPacketOf(document).value_or(std::string());
}

std::optional<DayNumber> ParseReplyDate(std::string_view text) {
    text = TrimBlanks(text);
    std::vector<std::string_view> parts;
    if (text.find('.') != std::string_view::npos) {
        for (std::size_t start = 0;;) {
            const std::size_t dot = text.find('.', start);
            parts.push_back(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
            if (dot == std::string_view::npos) break;
            start = dot + 1;
        }
    } else {
        for (std::size_t i = 0; i < text.size();) {
            while (i < text.size() && text[i] == ' ') ++i;
            const std::size_t start = i;
            while (i < text.size() && text[i] != ' ') ++i;
            if (i > start) parts.push_back(text.substr(start, i - start));
        }
    }
    if (parts.size() != 3) return std::nullopt;
    const auto day = DatePart(parts[0]);
    const auto month = DatePart(parts[1]);
    const auto year = DatePart(parts[2]);
    if (!day || !month || !year) return std::nullopt;
    const CalendarDate date{*year, *month, *day};
    if (!IsValidDate(date)) return std::nullopt;
    return ToDayNumber(date);
}

std::optional<SaveReply> ReadSaveReply(std::string_view reply) {
    pugi::xml_document document;
    if (!Parse(document, reply)) return std::nullopt;
    const pugi::xml_node root = document.document_element();
    const pugi::xml_node status = root.child("status");
    if (!status) return std::nullopt;
    const auto value = ParseInteger(TrimBlanks(status.text().get()));
    if (!value) return std::nullopt;
    SaveReply result;
    result.status = *value;
    result.statusText = root.child("status-text").text().get();
    for (const pugi::xml_node certificate : root.child("certificates").children("certificate")) {
        SaveReply::Certificate entry{certificate.attribute("id").value(), certificate.attribute("status-text").value(), {}};
        for (const pugi::xml_node error : certificate.children("error")) entry.errors.emplace_back(error.text().get());
        result.certificates.push_back(std::move(entry));
    }
    return result;
}

std::string UniformLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string NormalisedServerPath(std::string_view path) {
    std::string result(path);
    if (const std::size_t slash = path.find('/'); slash != std::string_view::npos) {
        result = "/" + std::string(path.substr(slash + 1));
    }
    if (!result.empty() && result.back() == '/') result.pop_back();
    return result;
}

}  // namespace vd

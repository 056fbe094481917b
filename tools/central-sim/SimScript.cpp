#include "SimScript.h"

#include <pugixml.hpp>

#include <sstream>

#include "core/StationFile.h"
#include "support/Base64.h"
#include "support/Files.h"
#include "support/Text.h"
#include "support/UrlEncoding.h"

namespace vd::sim {
namespace {

using nlohmann::json;

std::string XmlText(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

// A script value written as an attribute or text: strings as they are, numbers in decimal.
std::string ValueText(const json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_null()) return {};
    return value.dump();
}

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The first value of a form field, looked up in the query and then in the body.
std::string Field(const SimRequest& request, std::string_view name) {
    for (const auto* source : {&request.query, &request.body}) {
        for (const auto& [key, value] : ParseFormFields(*source)) {
            if (key == name) return value;
        }
    }
    return {};
}

// Bytes given by a script entry: "raw" text, "base64" or a "file" to read.
std::optional<std::string> Bytes(const json& entry) {
    if (entry.contains("raw")) return ValueText(entry["raw"]);
    if (entry.contains("base64")) return Base64Decode(entry["base64"].get<std::string>());
    if (entry.contains("file")) return ReadFileBytes(entry["file"].get<std::string>());
    return std::nullopt;
}

SimReply Xml(std::string body) {
    SimReply reply;
    reply.body = std::move(body);
    return reply;
}

SimReply Binary(std::string body) {
    SimReply reply;
    reply.body = std::move(body);
    reply.contentType = "application/octet-stream";
    return reply;
}

const json& Section(const json& script, const char* name) {
    static const json empty = json::object();
    const auto found = script.find(name);
    return found != script.end() && found->is_object() ? *found : empty;
}

}  // namespace

std::string ErrorPacket(const std::string& message) {
    pugi::xml_document document;
    auto declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    auto root = document.append_child("dataPacket");
    root.append_attribute("name") = "authfailed";
    root.append_child("message").text() = message.c_str();
    return XmlText(document);
}

SimScript::SimScript(json script, int ownPort) : script_(std::move(script)), ownPort_(ownPort) {
    if (!script_.is_object()) script_ = json::object();
}

int SimScript::PortOf(const json& entry) const {
    const int port = entry.value("port", 0);
    return port == 0 ? ownPort_ : port;
}

SimReply SimScript::Answer(const SimRequest& request) {
    const json& files = Section(script_, "files");
    if (const auto file = files.find(request.path); file != files.end()) return File(*file);

    const json& zez = Section(script_, "sim");
    if (request.path == zez.value("path", std::string("/zez/project"))) return Project(request);

    // The station key is checked on every request of the exchange protocol.
    const std::string expectedKey = script_.value("stationKey", std::string());
    const bool protocol = EndsWith(request.path, "/sync/hello") || EndsWith(request.path, "/icod") ||
                          EndsWith(request.path, "/version") || EndsWith(request.path, "/changes") ||
                          EndsWith(request.path, "/save") || EndsWith(request.path, "/restore");
    if (protocol && !expectedKey.empty() && Field(request, "tppk") != expectedKey) {
        return Xml(ErrorPacket(script_.value("authMessage", std::string("Неверный ключ АРМа"))));
    }
    if (EndsWith(request.path, "/sync/hello")) return Hello(request);
    if (EndsWith(request.path, "/icod")) return Icod(request);
    if (EndsWith(request.path, "/version")) return Version();
    if (EndsWith(request.path, "/changes")) return Changes();
    if (EndsWith(request.path, "/save")) return Save();
    if (EndsWith(request.path, "/restore")) return Restore();
    SimReply notFound;
    notFound.status = 404;
    notFound.body = "not found: " + request.path;
    notFound.contentType = "text/plain";
    return notFound;
}

SimReply SimScript::Hello(const SimRequest&) const {
    const json& hello = Section(script_, "hello");
    if (auto raw = Bytes(hello)) return Xml(*raw);
    pugi::xml_document document;
    auto declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    auto root = document.append_child("hello");
    // "protocol": null leaves the element out; any other value is written as the version.
    if (!hello.contains("protocol")) {
        root.append_child("exchangeProtocol").append_attribute("version") = "2";
    } else if (!hello["protocol"].is_null()) {
        root.append_child("exchangeProtocol").append_attribute("version") = ValueText(hello["protocol"]).c_str();
    }
    for (const auto& message : hello.value("messages", json::array())) {
        root.append_child("message").text() = ValueText(message).c_str();
    }
    const json cdbs = hello.value("cdb", json::array({json{{"host", "127.0.0.1"}, {"path", "/cbd/"}}}));
    for (const auto& cdb : cdbs) {
        auto node = root.append_child("cdb");
        node.append_attribute("host") = cdb.value("host", std::string("127.0.0.1")).c_str();
        node.append_attribute("port") = std::to_string(PortOf(cdb)).c_str();
        node.append_attribute("path") = cdb.value("path", std::string("/cbd/")).c_str();
    }
    const json& zez = Section(script_, "sim");
    auto sim = root.append_child("sim");
    sim.append_attribute("host") = zez.value("host", std::string("127.0.0.1")).c_str();
    sim.append_attribute("port") = std::to_string(PortOf(zez)).c_str();
    sim.append_attribute("path") = zez.value("path", std::string("/zez/project")).c_str();
    return Xml(XmlText(document));
}

SimReply SimScript::Icod(const SimRequest& request) const {
    const json& icod = Section(script_, "icod");
    if (icod.contains("error")) return Xml(ErrorPacket(ValueText(icod["error"])));
    if (auto bytes = Bytes(icod)) return Binary(*bytes);
    // By default the station file the workstation already has, pointing at this server.
    StationFile station;
    station.tppNumber = static_cast<int>(ParseInteger(Field(request, "tppn")).value_or(0));
    station.numLocale = static_cast<int>(ParseInteger(Field(request, "plcn")).value_or(0));
    station.tppKey = icod.value("tppKey", Field(request, "tppk"));
    station.url = icod.value("url", "https://127.0.0.1:" + std::to_string(ownPort_) + "/");
    station.tppName = icod.value("tppName", std::string("Торгово-промышленная палата"));
    station.ver = icod.value("ver", 1);
    return Binary(MakeStationFile(station));
}

SimReply SimScript::Version() const {
    const json& version = Section(script_, "version");
    if (version.contains("error")) return Xml(ErrorPacket(ValueText(version["error"])));
    if (auto raw = Bytes(version)) return Xml(*raw);
    pugi::xml_document document;
    auto root = document.append_child("reply");
    if (version.value("certificate", true)) {
        auto certificate = root.append_child("certificate");
        if (version.contains("lastdate")) certificate.append_child("lastdate").text() = ValueText(version["lastdate"]).c_str();
    }
    if (version.contains("versions")) {
        auto versions = root.append_child("versions");
        for (const auto& offered : version["versions"]) {
            auto node = versions.append_child("version");
            for (const char* name : {"name", "url", "version"}) {
                if (offered.contains(name)) node.append_attribute(name) = ValueText(offered[name]).c_str();
            }
        }
    }
    return Xml(XmlText(document));
}

SimReply SimScript::Changes() const {
    const json& changes = Section(script_, "changes");
    if (changes.contains("error")) return Xml(ErrorPacket(ValueText(changes["error"])));
    if (auto raw = Bytes(changes)) return Xml(*raw);
    pugi::xml_document document;
    auto root = document.append_child("reply");
    if (changes.contains("clean")) root.append_child("clean").append_attribute("date") = ValueText(changes["clean"]).c_str();
    auto list = root.append_child("changes");
    for (const auto& record : changes.value("records", json::array())) {
        auto node = list.append_child("certificate-change");
        for (const auto& [name, value] : record.items()) node.append_attribute(name.c_str()) = ValueText(value).c_str();
    }
    return Xml(XmlText(document));
}

SimReply SimScript::Save() {
    json reply;
    {
        std::lock_guard lock(mutex_);
        const json replies = script_.value("save", json::array());
        if (!replies.empty()) reply = replies[std::min(saveCount_, replies.size() - 1)];
        ++saveCount_;
    }
    if (reply.is_object()) {
        if (reply.contains("error")) return Xml(ErrorPacket(ValueText(reply["error"])));
        if (auto raw = Bytes(reply)) return Xml(*raw);
    }
    pugi::xml_document document;
    auto root = document.append_child("reply");
    root.append_child("status").text() = (reply.is_object() && reply.contains("status") ? ValueText(reply["status"]) : "0").c_str();
    if (reply.is_object() && reply.contains("text")) root.append_child("status-text").text() = ValueText(reply["text"]).c_str();
    if (reply.is_object() && reply.contains("certificates")) {
        auto list = root.append_child("certificates");
        for (const auto& certificate : reply["certificates"]) {
            auto node = list.append_child("certificate");
            node.append_attribute("id") = ValueText(certificate.value("id", json(""))).c_str();
            node.append_attribute("status-text") = ValueText(certificate.value("text", json(""))).c_str();
            for (const auto& error : certificate.value("errors", json::array())) {
                node.append_child("error").text() = ValueText(error).c_str();
            }
        }
    }
    return Xml(XmlText(document));
}

SimReply SimScript::Restore() const {
    const json& restore = Section(script_, "restore");
    if (restore.contains("error")) return Xml(ErrorPacket(ValueText(restore["error"])));
    SimReply reply = Binary(Bytes(restore).value_or(std::string()));
    if (restore.value("mode", std::string()) == "truncated") reply.mode = SimReply::Mode::Truncated;
    if (restore.value("mode", std::string()) == "chunked") reply.mode = SimReply::Mode::Chunked;
    return reply;
}

SimReply SimScript::File(const json& file) const {
    SimReply reply = Binary(Bytes(file).value_or(std::string()));
    reply.status = file.value("status", 200);
    const std::string mode = file.value("mode", std::string("whole"));
    if (mode == "chunked") reply.mode = SimReply::Mode::Chunked;
    if (mode == "truncated") reply.mode = SimReply::Mode::Truncated;
    return reply;
}

// The expert web service: a project by its number, after the expert's login.
SimReply SimScript::Project(const SimRequest& request) const {
    const json& zez = Section(script_, "sim");
    pugi::xml_document document;
    auto root = document.append_child("reply");
    auto fail = [&](int code, const char* text) {
        auto error = root.append_child("error");
        error.append_attribute("code") = code;
        error.text() = text;
        return Xml(XmlText(document));
    };
    if (zez.contains("password") && Field(request, "expertPassword") != ValueText(zez["password"])) {
        return fail(403, "Неверный логин или пароль");
    }
    const json projects = zez.value("projects", json::object());
    const auto project = projects.find(Field(request, "projectId"));
    if (project == projects.end()) return fail(404, "Проект не найден");
    if (auto raw = Bytes(*project)) return Xml(*raw);
    return fail(500, "Проект не читается");
}

}  // namespace vd::sim

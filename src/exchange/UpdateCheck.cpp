#include "exchange/UpdateCheck.h"

#include <pugixml.hpp>

#include <array>
#include <cstring>
#include <stdexcept>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/OptionKeys.h"
#include "core/UserInterface.h"
#include "exchange/CentralServer.h"
#include "exchange/DownloadProgress.h"
#include "exchange/HttpsConnection.h"
#include "exchange/Messages.h"
#include "exchange/ServerReplies.h"
#include "exchange/SyncLog.h"
#include "support/ChildProcess.h"
#include "support/Files.h"
#include "support/Text.h"
#include "support/Zip.h"

namespace vd {
namespace {

constexpr int kPause = 1000;

struct Entry {
    std::string name;
    std::string url;
    std::string version;
};

// "name%url*version" as the list holds it.
Entry ParseEntry(const std::string& entry) {
    const std::size_t percent = entry.find('%');
    const std::size_t star = entry.rfind('*');
    if (percent == std::string::npos || star == std::string::npos || star < percent) return {entry, {}, {}};
    return {entry.substr(0, percent), entry.substr(percent + 1, star - percent - 1), entry.substr(star + 1)};
}

std::optional<std::array<std::int64_t, 4>> VersionFields(std::string_view text) {
    std::array<std::int64_t, 4> fields{};
    std::size_t field = 0;
    for (std::size_t start = 0;; ++field) {
        const std::size_t dot = text.find('.', start);
        if (field >= fields.size()) return std::nullopt;
        const auto value = ParseInteger(TrimBlanks(text.substr(start, dot == std::string_view::npos ? dot : dot - start)));
        if (!value) return std::nullopt;
        fields[field] = *value;
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    if (field != fields.size() - 1) return std::nullopt;
    return fields;
}

void NetworkEvent(const Journal& journal, std::string what, std::string detail) {
    journal.WriteEvent(EventType::Error, EventCategory::Exchange, event::kNetworkFailed,
                       {std::string(text::kWhereStart), std::move(what), std::move(detail)});
}

}  // namespace

int StartRestartProgram(const std::filesystem::path& program, const std::string& commandLine) {
    return StartDetachedProgram(program, {commandLine});
}

bool IsNewerProgramVersion(std::string_view offered, std::string_view own) {
    const auto a = VersionFields(offered);
    const auto b = VersionFields(own);
    if (!a || !b) return false;
    return *a > *b;
}

std::string RestartCommandLine(const std::vector<std::string>& entries) {
    std::string line;
    for (const std::string& entry : entries) {
        if (!line.empty()) line += ',';
        if (entry.find_first_of(" ,\"") == std::string::npos) {
            line += entry;
            continue;
        }
        line += '"';
        for (const char c : entry) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

UpdateCheck::UpdateCheck(TDM& tdm, Sleeper& sleeper, SyncLog& log, std::vector<std::string>& updateList)
    : tdm_(tdm), sleeper_(sleeper), log_(log), updateList_(updateList) {}

UpdateCheck::Outcome UpdateCheck::Run(THttpsConnection& connection, const std::string& basePath,
                                      const std::string& stationParams) {
    UserInterface& ui = tdm_.Ui();
    log_.Line(text::kCheckingUpdates);
    updateList_.clear();
    ui.ProcessEvents();

    connection.objectName = basePath + "/version?" + stationParams;
    connection.SetPostData(stationParams);
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.ConnectToHttpsServer("GET")) {
        log_.Line(std::string(text::kErrorPrefix) + connection.LastErrorText());
        return Outcome::Stopped;
    }
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.SendHttpsRequest()) {
        log_.Line(std::string(text::kErrorPrefix) + connection.LastErrorText());
        return Outcome::Stopped;
    }
    const std::string reply = connection.ReadResponseText();
    if (const std::string error = GetErrorFromServer(reply); !error.empty()) {
        tdm_.GetJournal().WriteEvent(EventType::AuditFailure, EventCategory::Exchange, event::kFileStep,
                                     {std::string(text::kUpdateVersionErrorEvent) + reply});
        log_.Line(error);
        return Outcome::Stopped;
    }

    pugi::xml_document document;
    document.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8);
    const pugi::xml_node versions = document.document_element().child("versions");
    if (!versions || !versions.first_child()) {
        log_.Line(text::kNoUpdates);
        return Outcome::Done;
    }
    Settings& options = tdm_.Options();
    for (const pugi::xml_node offered : versions.children("version")) {
        const std::string name = offered.attribute("name").value();
        const std::string url = offered.attribute("url").value();
        const std::string version = offered.attribute("version").value();
        const std::string entry = name + "%" + url + "*" + version;
        if (name == "program") {
            if (IsNewerProgramVersion(version, text::kProgramVersion)) updateList_.push_back(entry);
        } else if (name == "restorator" || name == "support") {
            const std::string_view key = name == "restorator" ? option::kRestoratorZip : option::kSupportZip;
            const std::int64_t local = options.PackageVersion(key).value_or(0);
            if (local < ParseInteger(TrimBlanks(version)).value_or(0)) updateList_.push_back(entry);
        }
    }
    options.SetLastSync(tdm_.GetClock().Today());
    if (updateList_.empty()) return Outcome::Done;

    std::filesystem::create_directories(tdm_.GetPaths().DownloadDir());
    connection.SetPostData(stationParams);
    for (const std::string& entry : updateList_) Download(connection, entry);

    ui.Inform(text::kAppTitle, text::kRestarting);
    const auto program = tdm_.GetPaths().programDir / text::kRestartProgramName;
    if (const int error = starter_(program, RestartCommandLine(updateList_)); error != 0) {
        log_.Line(std::strerror(error));
        return Outcome::Done;
    }
    return Outcome::Restarting;
}

void UpdateCheck::Download(THttpsConnection& connection, const std::string& listEntry) {
    const Entry entry = ParseEntry(listEntry);
    const std::string fileName = entry.url.substr(entry.url.rfind('/') + 1);
    const Journal& journal = tdm_.GetJournal();
    auto fail = [&](std::string_view step, std::string detail) {
        NetworkEvent(journal, std::string(step) + fileName, std::move(detail));
        return std::runtime_error(std::string(text::kFileFailed));
    };
    log_.Line(std::string(text::kFetchingFile) + fileName);
    // The name becomes a file in DownLoad/; one that names no file there is refused.
    if (fileName.empty() || fileName == "." || fileName == "..") throw fail(text::kFileRead, entry.url);
    connection.objectName = entry.url;
    if (!connection.ConnectToHttpsServer("GET")) throw fail(text::kFileConnect, connection.ErrorCodeText());
    PauseBeforeRequest(tdm_.Ui(), sleeper_, kPause);
    if (!connection.SendHttpsRequest()) throw fail(text::kFileSend, connection.ErrorCodeText());
    // An error page is no program file: it must not be handed to the restart program.
    if (connection.ResponseStatus() != 200) throw fail(text::kFileRead, "HTTP " + std::to_string(connection.ResponseStatus()));
    std::string bytes;
    {
        DownloadProgress progress(connection, tdm_.Ui(), journal);
        try {
            bytes = connection.ReadResponseData();
        } catch (const EkxHttpsException& e) {
            throw fail(text::kFileRead, e.what());
        }
    }
    WriteFileAtomically(tdm_.GetPaths().DownloadDir() / fileName, bytes);

    const std::int64_t version = ParseInteger(TrimBlanks(entry.version)).value_or(0);
    if (entry.name == "restorator") {
        if (bytes.empty()) throw std::runtime_error(std::string(text::kEmptyRestorator));
        std::optional<std::string> program;
        try {
            program = ZipReader::FromBytes(std::move(bytes)).Read(text::kRestartProgramName);
        } catch (const ZipError&) {
            program.reset();
        }
        if (!program || program->empty()) throw std::runtime_error(std::string(text::kNoRestartProgram));
        const auto target = tdm_.GetPaths().programDir / text::kRestartProgramName;
        WriteFileAtomically(target, *program);
        // It is started as a program, so it must be executable.
        std::filesystem::permissions(target, std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                                 std::filesystem::perms::others_exec,
                                     std::filesystem::perm_options::add);
        tdm_.Options().SetPackageVersion(option::kRestoratorZip, version);
        journal.WriteEvent(EventType::Success, EventCategory::Exchange, event::kFileStep,
                           {std::string(text::kRestartProgramUpdated)});
    } else if (entry.name == "support") {
        if (bytes.empty()) throw std::runtime_error(std::string(text::kEmptySupport));
        tdm_.Options().SetPackageVersion(option::kSupportZip, version);
    }
}

}  // namespace vd

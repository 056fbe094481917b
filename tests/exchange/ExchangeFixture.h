#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "FixedClock.h"
#include "MemorySink.h"
#include "Workstation.h"
#include "SimServer.h"
#include "core/Sleeper.h"
#include "exchange/ArmFacts.h"
#include "exchange/SyncLog.h"

namespace vd::test {

// Keeps the pauses instead of waiting them out.
class RecordingSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds pause) override { pauses.push_back(static_cast<int>(pause.count())); }
    std::vector<int> pauses;
};

// A user interface that also records the busy indicator and can act when the core lets it
// process events (a click on "Прервать" in the middle of a run).
class ExchangeUi : public FakeUi {
public:
    void BeginBusy(std::string_view text, bool withProgress) override {
        busyTexts.emplace_back(text);
        busyWithProgress = withProgress;
        ++busyOpen;
    }
    void SetBusyProgress(int position) override { progress.push_back(position); }
    void EndBusy() override { --busyOpen; }
    void ProcessEvents() override {
        ++processed;
        if (onProcessEvents) onProcessEvents();
    }
    std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view folder,
                                              std::string_view suggestedName, std::string_view filter) override {
        saveChoices.push_back({std::string(folder), std::string(suggestedName), std::string(filter)});
        return FakeUi::ChooseSaveFile(title, folder, suggestedName, filter);
    }
    struct SaveChoice {
        std::string folder;
        std::string suggestedName;
        std::string filter;
    };
    std::vector<SaveChoice> saveChoices;
    std::vector<std::string> busyTexts;
    bool busyWithProgress = false;
    int busyOpen = 0;
    std::vector<int> progress;
    int processed = 0;
    std::function<void()> onProcessEvents;
};

// Computer facts that do not change between two packets of one test.
ArmFacts FixedArmFacts();

// A logged-in administrator over an open database of a temporary program folder, the test
// certificates in the store and, once started, the central server simulator that the station
// file points at.
class ExchangeFixture : public ::testing::Test {
protected:
    ExchangeFixture();
    void SetUp() override;

    // Starts the simulator and points the station (file and record) at it.
    void StartSim(const nlohmann::json& script, const std::vector<std::string>& extraArguments = {});
    void PointStationAt(const std::string& url);
    // A conclusion as the register holds it after issuing, with two goods lines and one
    // expertise; blank 1000 + id and reference 6007 and the id in six digits unless given.
    void AddConclusion(std::int64_t id, int status = 7, DayNumber lastDate = kToday, std::int64_t paperNo = 0,
                       const std::string& referenceNo = {});
    std::string Option(std::string_view name);
    // The strings of every event with the id, each event's strings joined by " | ".
    std::vector<std::string> EventStrings(std::uint32_t id) const;
    std::vector<std::vector<std::string>> Rows(const std::string& sql);
    std::string Value(const std::string& sql);
    // Everything stored in the document tables, to compare before and after.
    std::string Snapshot();

    std::shared_ptr<TempDir> root;
    MemorySink sink;
    ExchangeUi ui;
    FixedClock clock{kToday};
    vd::Workstation core;
    const Paths& paths = core.paths;
    TDM& tdm = core.tdm;
    RecordingSleeper sleeper;
    MemorySyncLog log;
    std::unique_ptr<SimServer> sim;
};

// The bytes of a zip archive with the given entries.
std::string ZipOf(const std::vector<std::pair<std::string, std::string>>& entries);

// The packet a certBody form field carries.
std::string DecodedCertBody(const std::string& body);

// The station file of the test station pointing at `url`, with another chamber name.
std::string RefreshedStationFile(const std::string& url, const std::string& tppName);

}  // namespace vd::test

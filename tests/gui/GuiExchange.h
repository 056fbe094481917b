#pragma once

#include <QApplication>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>

#include "ExchangeFixture.h"
#include "exchange/EventLoopSleeper.h"
#include "main/MainForm.h"

namespace vd::test {

// The exchange's pauses cut short, served by an event loop like the window's own, so a test
// can press buttons in the middle of a run.
class ShortPauses : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds) override { gui::EventLoopSleeper().Sleep(std::chrono::milliseconds(5)); }
};

// The exchange tests' workstation for a window test: the administrator logged in over a real
// database, the test certificates in the store and, once started, tools/central-sim that the
// station file points at.
class GuiExchange final : public ExchangeFixture {
public:
    GuiExchange() {
        SetUp();
        // A personal name, or the first showing of the main window would ask for one.
        tdm.Users().SetName(1, kAdministrator);
        core.session.currentUserName = kAdministrator;
    }
    void TestBody() override {}

    using ExchangeFixture::AddConclusion;
    using ExchangeFixture::core;
    using ExchangeFixture::Option;
    using ExchangeFixture::paths;
    using ExchangeFixture::root;
    using ExchangeFixture::sim;
    using ExchangeFixture::StartSim;
    using ExchangeFixture::tdm;
    using ExchangeFixture::ui;

    static constexpr const char* kAdministrator = "Иванов Иван";

    // The main window after its first showing. `syncWindow`, when given, makes its
    // synchronisation window instead of the program's own factory.
    std::unique_ptr<gui::TfMainForm> ShowMainWindow(
        const std::function<std::unique_ptr<QWidget>(gui::TfMainForm&)>& syncWindow = nullptr) {
        auto form = std::make_unique<gui::TfMainForm>(core);
        if (syncWindow) {
            gui::TfMainForm& made = *form;
            form->SetWindowFactory(gui::TfMainForm::WorkingWindow::Sync, [&made, syncWindow] { return syncWindow(made); });
        }
        form->show();
        if (!QTest::qWaitFor([&] { return form->ShownWindow() != nullptr; }, 5000)) qWarning("no working window shown");
        QApplication::processEvents();
        return form;
    }
};

}  // namespace vd::test

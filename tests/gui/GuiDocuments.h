#pragma once

#include <QApplication>
#include <QTest>

#include <memory>
#include <string>

#include "DocumentFixture.h"
#include "core/Workstation.h"
#include "main/MainForm.h"
#include "register/RegisterQuery.h"
#include "register/RegisterWindow.h"

namespace vd::test {

// The core tests' document workstation for a window test: a real database in a temporary
// folder, the expert "Ведров" (id 2) logged in, the administrator (id 1) and "Петров" (id 3)
// in the users table, and the scripted user of FakeUi answering the core's questions.
class GuiDocuments final : public DocumentFixture {
public:
    GuiDocuments() { SetUp(); }
    void TestBody() override {}

    using DocumentFixture::InsertRow;
    using DocumentFixture::LogIn;
    using DocumentFixture::Rows;
    using DocumentFixture::SaveNewProject;
    using DocumentFixture::Snapshot;
    using DocumentFixture::Value;
    using DocumentFixture::ws;

    // The administrator, who has already given himself a name (the default one would be asked
    // for a new name at the first showing of the main window).
    void LogInAdministrator() {
        ws.tdm.Users().SetName(1, kAdministrator);
        LogIn(1, kAdministrator);
    }
    static constexpr const char* kAdministrator = "Иванов Иван";

    // The register as the start-up leaves it: the user's filter applied, the query open.
    void OpenRegister() {
        ws.session.registerFilter = RegisterFilter{};
        ws.tdm.ASQM().SetSql(std::string(sql::kRegisterDefault));
        ws.tdm.ASQM().SetFilter(ws.session.registerFilter);
        ws.tdm.ASQM().Open();
    }

    // A shown main window after its first-showing sequence (the register is shown).
    std::unique_ptr<gui::TfMainForm> ShowMainWindow() {
        auto form = std::make_unique<gui::TfMainForm>(ws.core);
        form->show();
        const bool shown =
            QTest::qWaitFor([&] { return form->Register() != nullptr && form->Register()->isVisible(); }, 5000);
        if (!shown) qWarning("the register did not show");
        QApplication::processEvents();
        return form;
    }
};

}  // namespace vd::test

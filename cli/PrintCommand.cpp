#include <ostream>

#include "Commands.h"
#include "register/PrintRules.h"
#include "support/Text.h"

#ifdef VD_WITH_REPORT
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "TerminalUi.h"
#include "core/Session.h"
#include "core/Workstation.h"
#include "register/RegisterQuery.h"
#include "report/ConclusionReport.h"
#include "report/PrintJob.h"
#endif

namespace vd::cli {
namespace {


PrintMode ModeNamed(const std::string& word) {
    if (word == "copy") return PrintMode::Copy;
    if (word == "blank") return PrintMode::Blank;
    if (word == "imprint") return PrintMode::Imprint;
    throw UsageError("--mode: expected copy, blank or imprint, not " + word);
}

int Copies(const std::optional<std::string>& text) {
    if (!text) return 1;
    const auto value = ParseInteger(*text);
    if (!value || *value < kMinCopies || *value > kMaxCopies) {
        throw UsageError("--copies: expected a number from 1 to 99, not " + *text);
    }
    return static_cast<int>(*value);
}

#ifdef VD_WITH_REPORT
// Qt's own diagnostics would mix with the system's messages on stderr.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

// Fonts and painting need a GUI application; without a display it runs on the offscreen
// platform, so printing to a file works on a server.
class PrintApplication {
public:
    PrintApplication() {
        if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        }
        previous_ = qInstallMessageHandler(QuietQtMessages);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    PrintApplication(const PrintApplication&) = delete;
    PrintApplication& operator=(const PrintApplication&) = delete;
    ~PrintApplication() {
        app_.reset();
        qInstallMessageHandler(previous_);
    }

private:
    int argc_ = 1;
    char name_[6] = "vdctl";
    char* argv_[2] = {name_, nullptr};
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

#endif

}  // namespace

Action PrintCommand(Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string ref = args.Take("reference number");
    const std::optional<std::string> modeWord = args.TakeOption("--mode");
    if (!modeWord) throw UsageError("print: --mode copy|blank|imprint is required");
    const PrintMode mode = ModeNamed(*modeWord);
    // A blank takes one sheet whatever the copies say, as in the print window.
    const int copies = Copies(args.TakeOption("--copies"));
    const std::optional<std::string> pdf = args.TakeOption("--pdf");
    const std::optional<std::string> printer = args.TakeOption("--printer");
    args.ExpectEnd();
    if (pdf.has_value() == printer.has_value()) throw UsageError("print: give either --pdf FILE or --printer NAME");
#ifndef VD_WITH_REPORT
    static_cast<void>(ref);
    static_cast<void>(mode);
    static_cast<void>(copies);
    static_cast<void>(out);
    static_cast<void>(err);
    throw Refused("Печать недоступна: vdctl собран без Qt (VD_WITH_GUI=OFF)");
#else
    report::PrintTarget target;
    if (pdf) target.pdfFile = std::filesystem::absolute(*pdf);
    else target.printerName = *printer;
    return [=, &out, &err](Workstation& ws, TerminalUi&) {
        if (!Select(ws, ref, err)) return 1;
        const PrintApplication application;
        ws.session.readOnlyView = ReadOnlyViewFor(ws.tdm);
        report::ConclusionReport view(ws.tdm);
        const report::PrintOutcome outcome = report::SendToPrint(ws.tdm, view, mode, copies, target);
        (outcome.queued ? out : err) << outcome.hintLine << '\n';
        return outcome.queued ? 0 : 1;
    };
#endif
}

}  // namespace vd::cli

#pragma once

#include <QApplication>

namespace vd {
class Journal;
}

namespace vd::gui {

// FormVD's application object. Every handler of the program catches its own failures; what
// still escapes one is journalled here instead of ending the program. The main window
// connects the journal while it exists.
class VardeloApplication : public QApplication {
public:
    VardeloApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    void SetJournal(const Journal* journal) { journal_ = journal; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    const Journal* journal_ = nullptr;
};

}  // namespace vd::gui

// gui_tests [CLASS [QtTest options]]: runs one registered test class, or all of them.

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <string>
#include <vector>

#include "GuiTest.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::string only;
    std::vector<char*> options{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (i == 1 && argv[i][0] != '-') {
            only = argv[i];
        } else {
            options.push_back(argv[i]);
        }
    }

    int failures = 0;
    bool found = false;
    for (const auto& [name, factory] : vd::test::GuiTests()) {
        if (!only.empty() && name != only) continue;
        found = true;
        const auto test = factory();
        failures += QTest::qExec(test.get(), static_cast<int>(options.size()), options.data());
    }
    if (!found) {
        std::fprintf(stderr, "no test class %s\n", only.c_str());
        return 2;
    }
    return failures == 0 ? 0 : 1;
}

#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vd::test {

// The QtTest classes of the program, each registered under its own name so that ctest can run
// them one by one.
using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<std::string, GuiTestFactory>>& GuiTests() {
    static std::vector<std::pair<std::string, GuiTestFactory>> tests;
    return tests;
}

struct GuiTestRegistration {
    GuiTestRegistration(std::string name, GuiTestFactory factory) {
        GuiTests().emplace_back(std::move(name), std::move(factory));
    }
};

}  // namespace vd::test

#define VD_GUI_TEST(Class)                                                     \
    static const vd::test::GuiTestRegistration registrationOf##Class(#Class, [] { \
        return std::make_unique<Class>();                                       \
    })

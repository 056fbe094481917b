// make-station: writes a station file (data/i.cod) from given values, as the central office
// issues one, for demo workstations and tests.
#include <iostream>
#include <string>
#include <vector>

#include "core/StationFile.h"
#include "support/Files.h"
#include "support/Text.h"

namespace {

constexpr const char* kUsage =
    "usage: make-station --out FILE --tpp-number N --num-locale N --key KEY --url URL --name NAME\n"
    "                    [--users-old] [--ver N]\n";

int ToInt(const std::string& option, const std::string& text) {
    const auto value = vd::ParseInteger(text);
    if (!value) throw std::invalid_argument(option + " needs a whole number, not \"" + text + "\"");
    return static_cast<int>(*value);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    vd::StationFile station;
    std::string out;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& option = args[i];
            if (option == "--users-old") {
                station.usersOld = true;
                continue;
            }
            if (i + 1 >= args.size()) throw std::invalid_argument(option + " needs a value");
            const std::string& value = args[++i];
            if (option == "--out") out = value;
            else if (option == "--tpp-number") station.tppNumber = ToInt(option, value);
            else if (option == "--num-locale") station.numLocale = ToInt(option, value);
            else if (option == "--key") station.tppKey = value;
            else if (option == "--url") station.url = value;
            else if (option == "--name") station.tppName = value;
            else if (option == "--ver") station.ver = ToInt(option, value);
            else throw std::invalid_argument("unknown option " + option);
        }
        if (out.empty() || station.tppKey.empty()) throw std::invalid_argument("--out and --key are required");
    } catch (const std::invalid_argument& e) {
        std::cerr << "make-station: " << e.what() << '\n' << kUsage;
        return 2;
    }
    try {
        vd::WriteFileAtomically(out, vd::MakeStationFile(station));
    } catch (const std::exception& e) {
        std::cerr << "make-station: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

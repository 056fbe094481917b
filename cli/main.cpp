#include <iostream>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"

namespace {

constexpr const char* kUsage =
    "usage: vdctl [--program-dir DIR] [--user NAME] [--password-stdin] [--yes|--no] COMMAND ...\n"
    "commands:\n"
    "  init                                   open or create the database of DIR/data\n"
    "  cod encode|decode [--key KEY] IN OUT   encrypt or decrypt a .cod container\n"
    "  options get KEY [--for USER]           print a setting (default user COMMON_USER)\n"
    "  options set KEY VALUE [--for USER]     store a setting\n"
    "  users list                             the users of the workstation\n"
    "  users add NAME                         password and check as two lines of stdin\n"
    "  users passwd NAME                      old and new password as two lines of stdin\n"
    "  users rename NAME NEWNAME\n"
    "  users delete NAME                      asks; --yes confirms\n"
    "  options range MIN MAX                  the range of document numbers, with its check\n"
    "  doc new|edit|template|duplicate|replace|instead|issue|spoil|cancel|delete|show|list ...\n"
    "                                         the document commands (see README)\n"
    "  search [--year D] [--number M] [--blank M] [--from DATE] [--to DATE] [--declarant T]...\n"
    "         [--or-declarant] [--marks T] [--expert T] [--status NAME] [--goods T]... [--or-goods]\n"
    "         [--mine]                        the register's search; prints the counts and numbers\n"
    "  print REF --mode copy|blank|imprint [--copies N] (--pdf FILE | --printer NAME)\n"
    "  packet [--day DD.MM.YYYY | --all]      prints the data packet\n"
    "  sync                                   the synchronisation with the central database\n"
    "  sync-file [FILE]                       writes the exchange file\n"
    "  restore-file [FILE]                    fetches the restore file from the central database\n"
    "Every command but cod starts the workstation: --user NAME logs in, --password-stdin\n"
    "reads the password from the first line of stdin.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    try {
        vd::cli::GlobalOptions options = vd::cli::ParseGlobalOptions(words);
        vd::cli::Arguments args(std::move(words));
        if (args.Empty()) throw vd::cli::UsageError("missing command");
        return vd::cli::RunCommand(options, args, std::cin, std::cout, std::cerr);
    } catch (const vd::cli::UsageError& e) {
        std::cerr << "vdctl: " << e.what() << '\n' << kUsage;
        return 2;
    } catch (const vd::cli::Refused& e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "vdctl: " << e.what() << '\n';
        return 1;
    }
}

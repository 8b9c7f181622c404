#include "app/CommandLine.h"

namespace
{
// Says where the program keeps its options both for the installed command, which gives every
// user a folder of their own, and for the program started in a folder of the user's choice.
constexpr const char* kUsage =
    "Usage: velmoria [--help | --version]\n"
    "\n"
    "Starts Velmoria, an astronomy program for schools: the Solar System, the sky over\n"
    "your place at any date from 1901 to 2999, and data cards of the Sun, planets and moons.\n"
    "\n"
    "The program runs in its working folder, where it finds its data and keeps your options\n"
    "in Velmoria.cfg; the installed command makes that folder $XDG_DATA_HOME/velmoria (by\n"
    "default ~/.local/share/velmoria) on the first start. Delete Velmoria.cfg to start again\n"
    "with the first-start options.\n"
    "\n"
    "  -h, --help     show this text and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "The keys and the files the program reads: man velmoria\n";
} // namespace

CommandLineAnswer AnswerCommandLine(const std::vector<std::string>& args,
                                    const std::string& version)
{
    if (args.empty())
        return {true, 0, {}, {}};
    const std::string& arg = args.front();
    if (arg == "--help" || arg == "-h")
        return {false, 0, kUsage, {}};
    if (arg == "--version" || arg == "-V")
        return {false,
                0,
                "velmoria " + (version.empty() ? std::string("unknown") : version) + "\n",
                {}};
    const bool option = arg.size() > 1 && arg[0] == '-';
    return {false,
            2,
            {},
            "velmoria: " + std::string(option ? "unknown option" : "unexpected argument") + " '" +
                arg + "'\nTry 'velmoria --help' for more information.\n"};
}

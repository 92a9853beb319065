#include "CtlOptions.h"

#include "RemoteControls.h"

#include <map>

namespace {

// Each command and the number of arguments it takes.
const std::map<std::string, size_t> kCommands = {
    {"get", 1},  {"set", 2},  {"list", 0}, {"watch", 0},
    {"load", 1}, {"save", 1}, {"unit", 1}, {"recall", 1},
};

bool parsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(text);
    return port >= 1 && port <= 65535;
}

}  // namespace

bool CtlOptions::parse(int argc, char** argv, std::string& error) {
    port = RemoteControls::kDefaultPort;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return true;
        }
        if (arg == "--port") {
            if (i + 1 >= argc || !parsePort(argv[++i], port)) {
                error = "--port takes a port number from 1 to 65535";
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-' && words.empty()) {
            error = "unknown option " + arg;
            return false;
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        error = "no command given";
        return false;
    }
    command = words.front();
    arguments.assign(words.begin() + 1, words.end());
    const auto known = kCommands.find(command);
    if (known == kCommands.end()) {
        error = "unknown command \"" + command + "\"";
        return false;
    }
    if (arguments.size() != known->second) {
        error = command + " takes " + std::to_string(known->second) + " argument(s)";
        return false;
    }
    return true;
}

std::string CtlOptions::usage() {
    std::string text =
        "Usage: lumoractl [--port N] COMMAND\n"
        "Sets and reads the controls of a running lumora_panel that listens for remote\n"
        "control (lumora_panel --osc-port N, or its menu's \"Remote Control...\").\n"
        "\n"
        "Commands:\n"
        "  get NAME          prints the control's value (0-255, switches 0 or 1)\n"
        "  set NAME VALUE    sets it: 0-255, a switch 0/1/on/off, faders and gains\n"
        "                    also in decibels (-6dB)\n"
        "  list              every control with its value\n"
        "  watch             prints every change until interrupted\n"
        "  load FILE         loads a mix file into the selected unit\n"
        "  save FILE         saves the selected unit's mix to a file\n"
        "  unit N            selects unit N (1-4)\n"
        "  recall N          recalls the selected unit's snapshot N (1-4)\n"
        "\n"
        "Options:\n"
        "  --port N          the panel's port (default " +
        std::to_string(RemoteControls::kDefaultPort) +
        ")\n"
        "\n"
        "Exit codes: 0 done, 1 refused (bad name or value, or the panel refused it),\n"
        "2 usage, 3 no panel answering within 1 s.\n"
        "\n"
        "Controls (in decibels too: * faders and level knobs, -127dB to 0dB;\n"
        "** gains, -21dB to +24dB):\n";
    for (const RemoteControl& control : RemoteControls::all()) {
        const char* mark = control.kind == RemoteControl::Level  ? " *"
                           : control.kind == RemoteControl::Gain ? " **"
                                                                 : "";
        text += "  " + std::string(control.name) + mark + "\n";
    }
    return text;
}

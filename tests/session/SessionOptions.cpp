#include "SessionOptions.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool toNumber(const std::string& text, uint64_t& value) {
    if (text.empty() || text[0] == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

}  // namespace

const char* SessionOptions::usage() {
    return "usage: panel_session [--seconds N] [--seed S] [--log FILE] [--replay FILE]\n"
           "                     [--panel PATH] [--tvcbus PATH] [--lumoractl PATH]\n"
           "                     [--display NAME] [--keep]\n"
           "Starts lumora_panel on a private X server with a window manager, a bus of two\n"
           "units and remote control on a free port, and does random things to it (clicks,\n"
           "keys, bus faults, lumoractl commands) for N seconds (default 60). The seed\n"
           "is printed first; the same seed gives the same actions. --log writes the\n"
           "action log, --replay runs the actions of such a log at their times.\n"
           "--display uses that X server instead of a private one. --keep keeps the\n"
           "session's folder (always kept after a failure).\n";
}

bool SessionOptions::parse(int argc, char* argv[], std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--keep") {
            keep = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        uint64_t number = 0;
        if (option == "--seconds" && toNumber(value, number) && number > 0 && number < 86400) {
            seconds = int(number);
        } else if (option == "--seed" && toNumber(value, number)) {
            seed = number;
            seedGiven = true;
        } else if (option == "--panel") {
            panel = value;
        } else if (option == "--tvcbus") {
            tvcbus = value;
        } else if (option == "--lumoractl") {
            lumoractl = value;
        } else if (option == "--log") {
            log = value;
        } else if (option == "--replay") {
            replay = value;
        } else if (option == "--display") {
            display = value;
        } else {
            error = "wrong option or value: " + option + " " + value;
            return false;
        }
    }
    return true;
}

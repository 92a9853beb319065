#include "WatchOptions.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool parseCount(const std::string& text, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0 && value >= 0;
}

}  // namespace

bool WatchOptions::parse(const std::vector<std::string>& args, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--plain") {
            plain = true;
        } else if (arg == "--count" || arg == "--seconds") {
            long& target = arg == "--count" ? count : seconds;
            if (i + 1 >= args.size() || !parseCount(args[++i], target)) {
                error = arg + " needs a number";
                return false;
            }
        } else {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
    }
    return true;
}

const char* WatchOptions::usage() {
    return "usage: unitwatch [--count N] [--seconds S] [--plain]\n"
           "Runs the control panel's unit watch: every 25 ms one presence poll of the\n"
           "1394 audio driver. Prints each change of the set of units and the selected\n"
           "unit's eight levels, as distance below full scale (0 = full scale, 13.9\n"
           "more for each halving of the meter word): a live bar display on a\n"
           "terminal, else one line a second.\n"
           "  --count N    stop after N polls\n"
           "  --seconds S  stop after S seconds\n"
           "  --plain      plain lines even on a terminal\n";
}

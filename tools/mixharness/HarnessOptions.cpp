#include "HarnessOptions.h"

#include <cstdlib>

namespace {

bool parseSeconds(const std::string& text, double& seconds) {
    char* end = nullptr;
    seconds = std::strtod(text.c_str(), &end);
    return !text.empty() && end != nullptr && *end == '\0' && seconds > 0.0 && seconds <= 3600.0;
}

}  // namespace

bool HarnessOptions::parse(const std::vector<std::string>& arguments, std::string& error) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            help = true;
            continue;
        }
        if (option != "--screenshot" && option != "--seconds") {
            error = "unknown option " + option;
            return false;
        }
        if (i + 1 == arguments.size()) {
            error = option + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        if (option == "--screenshot") {
            screenshot = value;
        } else if (!parseSeconds(value, seconds)) {
            error = "--seconds takes a number of seconds above 0, up to 3600: " + value;
            return false;
        }
    }
    if (!screenshot.empty() && seconds == 0.0)
        seconds = 2.0;
    return true;
}

std::string HarnessOptions::usage() {
    return "usage: mixharness [--screenshot FILE.png] [--seconds N]\n"
           "  The mixer and both input sections live against the unit of the bus\n"
           "  ($TVC_SIM_BUS or the default bus file).\n"
           "  --screenshot FILE  save a PNG of the window, then quit (after 2 s by default)\n"
           "  --seconds N        quit after N seconds\n";
}

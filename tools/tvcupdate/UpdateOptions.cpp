#include "UpdateOptions.h"

#include "tvc_fwdl.h"

#include <cstdlib>

namespace {

const char* const kTimeoutNames[] = {"reset", "start",        "block",
                                     "end",   "program-guid", "init-params"};

bool Number(const std::string& text, uint32_t& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    unsigned long long parsed = std::strtoull(text.c_str(), &end, 0);
    if (*end != '\0' || parsed > 0xFFFFFFFFull || text[0] == '-')
        return false;
    value = uint32_t(parsed);
    return true;
}

}  // namespace

const char* UpdateOptions::Usage() {
    return "usage: tvcupdate [options] list               list the units with their identity\n"
           "       tvcupdate [options] info N             show unit N (from 0)\n"
           "       tvcupdate [options] describe FILE      describe a firmware file\n"
           "       tvcupdate [options] check N FILE       check FILE against unit N\n"
           "       tvcupdate [options] download N FILE    download FILE to unit N\n"
           "options:\n"
           "  --library PATH        the download library (default: $TVC_FWDL_LIBRARY, else beside "
           "tvcupdate)\n"
           "  --guid TEXT           interface GUID of the units\n"
           "  --log FILE            let the library log into FILE\n"
           "  --with-cne            download CnE data with the program\n"
           "  --ignore-hardware     skip the hardware-model check\n"
           "  --ignore-vendor       skip the vendor check\n"
           "  --timeout NAME=MS     reset, start, block, end, program-guid or init-params\n"
           "  --plain               progress as lines instead of one redrawn line\n"
           "  --no-restart          never offer to restart the computer\n";
}

bool UpdateOptions::ParseTimeout(const std::string& text, std::string& error) {
    size_t equals = text.find('=');
    std::string name = text.substr(0, equals);
    uint32_t ms = 0;
    for (uint32_t index = 0; index < 6; ++index) {
        if (name == kTimeoutNames[index] && equals != std::string::npos &&
            Number(text.substr(equals + 1), ms)) {
            timeouts.emplace_back(index, ms);
            return true;
        }
    }
    error = "bad timeout \"" + text +
            "\" (NAME=MS with NAME reset, start, block, end, program-guid or init-params)";
    return false;
}

bool UpdateOptions::Parse(int argc, char** argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--with-cne")
            flags |= TVCFWDL_START_WITH_CNE;
        else if (arg == "--ignore-hardware")
            flags |= TVCFWDL_START_IGNORE_HARDWARE;
        else if (arg == "--ignore-vendor")
            flags |= TVCFWDL_START_IGNORE_VENDOR;
        else if (arg == "--plain")
            plain = true;
        else if (arg == "--no-restart")
            offerRestart = false;
        else if ((arg == "--library" || arg == "--guid" || arg == "--log" || arg == "--timeout") &&
                 !hasValue) {
            error = arg + " needs a value";
            return false;
        } else if (arg == "--library")
            library = argv[++i];
        else if (arg == "--guid")
            guid = argv[++i];
        else if (arg == "--log")
            logFile = argv[++i];
        else if (arg == "--timeout") {
            if (!ParseTimeout(argv[++i], error))
                return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (command.empty())
            command = arg;
        else
            arguments.push_back(arg);
    }
    if (command.empty()) {
        error = "missing command";
        return false;
    }
    return true;
}

#pragma once
// The updater's command line.
#include "FwdlApi.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct UpdateOptions {
    std::string command;
    std::vector<std::string> arguments;
    std::string library;
    std::string guid = FwdlApi::kInterfaceGuid;
    std::string logFile;
    uint32_t flags = 0;
    std::vector<std::pair<uint32_t, uint32_t>> timeouts;  // index, milliseconds
    bool plain = false;
    bool offerRestart = true;

    // False with a message for anything it does not understand.
    bool Parse(int argc, char** argv, std::string& error);
    static const char* Usage();

private:
    bool ParseTimeout(const std::string& text, std::string& error);
};

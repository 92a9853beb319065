#pragma once
#include <string>
#include <vector>

// The command line of unitwatch.
struct WatchOptions {
    long count = -1;     // polls to run, -1 = no limit
    long seconds = -1;   // seconds to run, -1 = no limit
    bool plain = false;  // plain lines even on a terminal
    bool help = false;

    // False with a message for a bad command line.
    bool parse(const std::vector<std::string>& args, std::string& error);
    static const char* usage();
};

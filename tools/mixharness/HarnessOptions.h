#pragma once
#include <string>
#include <vector>

// The command line of the mixer harness.
struct HarnessOptions {
    // Where to save a PNG of the window before quitting; empty for none.
    std::string screenshot;
    // Quit after this many seconds (0: run until closed; 2 with a screenshot).
    double seconds = 0.0;
    bool help = false;

    // False, with the reason, for an unknown option or a missing or bad value.
    bool parse(const std::vector<std::string>& arguments, std::string& error);
    static std::string usage();
};

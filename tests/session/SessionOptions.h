#pragma once
#include <cstdint>
#include <string>

// The command line of panel_session.
struct SessionOptions {
    int seconds = 60;
    uint64_t seed = 0;
    bool seedGiven = false;
    std::string panel;
    std::string tvcbus;
    std::string lumoractl;
    std::string log;
    std::string replay;
    std::string display;
    bool keep = false;

    // False with a message for a wrong command line.
    bool parse(int argc, char* argv[], std::string& error);
    static const char* usage();
};

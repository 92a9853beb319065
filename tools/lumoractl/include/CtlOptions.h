#pragma once
#include <string>
#include <vector>

// lumoractl's command line: "--port N" and one command with its arguments.
struct CtlOptions {
    int port = 0;
    std::string command;
    std::vector<std::string> arguments;
    bool help = false;

    // False with a message for anything it does not understand.
    bool parse(int argc, char** argv, std::string& error);
    // The usage text, listing every control name.
    static std::string usage();
};

#pragma once
// The command line of tvdbuild: "make" packages a firmware build into a
// firmware image file, "describe" shows what a file holds.
#include "TvdBuilder.h"

#include <string>
#include <vector>

class TvdCommandLine {
public:
    static constexpr int Ok = 0;
    static constexpr int DamagedFile = 1;
    static constexpr int BadUsage = 2;

    // Returns the program's exit code.
    static int Run(const std::vector<std::string>& args);

private:
    static int Make(const std::vector<std::string>& args);
    static int Describe(const std::vector<std::string>& args);
    static bool ParseMake(const std::vector<std::string>& args, TvdContent& content,
                          std::string& out, std::string& error);
    static bool ParseOption(const std::string& name, const std::string& value, TvdContent& content,
                            std::string& out, std::string& error);
    static bool ParseNumber(const std::string& text, uint32_t& value);
    static void SetDefaultDateAndTime(TvdContent& content);
    static int Fail(const std::string& message);
};

#pragma once
// Points the library's log at a file in a temporary folder, with only the
// type prefix, so tests compare whole log lines byte for byte.
#include "TempDir.h"

#include <string>

class LogCapture {
public:
    // Extra lines are appended to the [LogFile] section of the configuration.
    explicit LogCapture(const std::string& logFileKeys = "TypeExtension=1\n");
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Text() const;
    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& text);

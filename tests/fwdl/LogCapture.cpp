#include "LogCapture.h"

#include "Log.h"
#include "LogConfig.h"

#include <fstream>
#include <iterator>

LogCapture::LogCapture(const std::string& logFileKeys) {
    std::string cfg =
        "[LogType1]\nName=ERROR\nEnabled=1\n"
        "[LogType2]\nName=WARNING\nEnabled=1\n"
        "[LogType3]\nName=INFO\nEnabled=1\n"
        "[LogFile]\nPathAndName=" +
        dir_.file("log.txt") + "\n" + logFileKeys;
    WriteWholeFile(dir_.file("capture.cfg"), cfg);
    TheLogConfig().ConfigureFrom(dir_.file("capture.cfg"));
}

LogCapture::~LogCapture() {
    TheLogConfig().EnableLogging(nullptr);
    TheLogConfig().ConfigureFrom("");
}

std::string LogCapture::Text() const {
    return ReadWholeFile(dir_.file("log.txt"));
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

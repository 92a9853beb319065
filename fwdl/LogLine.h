#pragma once
// One decorated log line: the chosen prefixes in their fixed order (thread,
// time, module token, type) followed by the message text.
#include <windows.h>

#include <cstddef>

namespace LogPrefix {
constexpr DWORD ThreadId = 0x02;
constexpr DWORD ModuleToken = 0x04;
constexpr DWORD Type = 0x08;
constexpr DWORD Time = 0x10;
}  // namespace LogPrefix

struct LogLineParts {
    DWORD threadId;
    SYSTEMTIME time;
    const char* moduleToken;
    const char* typeName;
};

class LogLine {
public:
    static constexpr size_t MaxLength = 1095;

    LogLine(DWORD prefixFlags, const LogLineParts& parts, const char* text);
    virtual ~LogLine() = default;

    const char* Text() const { return text_; }

private:
    // Each piece is cut to the room left, so the line never overflows.
    void Append(const char* piece);

    char text_[MaxLength + 1];
    size_t length_ = 0;
};

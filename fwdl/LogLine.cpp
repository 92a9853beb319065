#include "LogLine.h"

#include <cstdio>
#include <cstring>

LogLine::LogLine(DWORD prefixFlags, const LogLineParts& parts, const char* text) {
    text_[0] = '\0';
    char piece[64];
    if (prefixFlags & LogPrefix::ThreadId) {
        std::snprintf(piece, sizeof piece, "[T0x%x] ", unsigned(parts.threadId));
        Append(piece);
    }
    if (prefixFlags & LogPrefix::Time) {
        const SYSTEMTIME& t = parts.time;
        std::snprintf(piece, sizeof piece, "%02i:%02i:%02i:%03u  ", int(t.wHour), int(t.wMinute),
                      int(t.wSecond), unsigned(t.wMilliseconds));
        Append(piece);
    }
    if (prefixFlags & LogPrefix::ModuleToken) {
        Append(parts.moduleToken);
        Append(": ");
    }
    if (prefixFlags & LogPrefix::Type) {
        Append(parts.typeName);
        Append(": ");
    }
    Append(text);
}

void LogLine::Append(const char* piece) {
    size_t room = MaxLength - length_;
    size_t count = std::strlen(piece);
    if (count > room)
        count = room;
    std::memcpy(text_ + length_, piece, count);
    length_ += count;
    text_[length_] = '\0';
}

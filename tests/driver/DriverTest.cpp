#include "DriverTest.h"

#include "SimRequestLog.h"

#include <cstdio>

DriverTest::DriverTest() {
    SimRequestLog::start();
}

DriverTest::~DriverTest() {
    SimRequestLog::stop();
}

std::vector<std::string> DriverTest::takeRequests() {
    std::vector<std::string> lines;
    for (const SimRequestLog::Entry& entry : SimRequestLog::take()) {
        char head[16];
        std::snprintf(head, sizeof head, "%c %08X", entry.unit ? 'U' : 'C', entry.code);
        std::string line = head;
        if (!entry.input.empty())
            line += " " + hexBytes(entry.input.data(), entry.input.size());
        lines.push_back(line);
    }
    return lines;
}

std::string hexBytes(const uint8_t* bytes, size_t size) {
    std::string text;
    char digits[4];
    for (size_t i = 0; i < size; ++i) {
        std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
        text += digits;
    }
    return text;
}

std::string unitPath(int slot) {
    return "\\\\?\\1394#lumora_audio#0013a2000010000" + std::to_string(slot) +
           "#{e7e0ee33-3a47-48be-b7f2-d836dfa9d627}";
}

#include "SimRequestLog.h"

#include <mutex>

namespace {

struct LogState {
    std::mutex lock;
    bool recording = false;
    std::vector<SimRequestLog::Entry> entries;
};

LogState& state() {
    static LogState s;
    return s;
}

}  // namespace

void SimRequestLog::start() {
    LogState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    s.recording = true;
    s.entries.clear();
}

void SimRequestLog::stop() {
    LogState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    s.recording = false;
    s.entries.clear();
}

void SimRequestLog::record(bool unit, uint32_t code, const uint8_t* in, uint32_t inSize) {
    LogState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.recording)
        s.entries.push_back(Entry{unit, code, std::vector<uint8_t>(in, in + (in ? inSize : 0))});
}

std::vector<SimRequestLog::Entry> SimRequestLog::take() {
    LogState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    std::vector<Entry> taken;
    taken.swap(s.entries);
    return taken;
}

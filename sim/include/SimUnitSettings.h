#pragma once
#include "IniText.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

// Settings a unit stores when the host changes them (mixer values, name).
// They reach the bus file from a thread of their own at most a few times a
// second, so a moving fader does not rewrite the file on every step, and in
// full when the process ends. Reads see the values not yet written.
class SimUnitSettings {
public:
    static SimUnitSettings& instance();

    std::string get(int slot, const std::string& key, const std::string& fallback);
    // The same against a bus snapshot the caller already holds.
    std::string get(const IniText& bus, int slot, const std::string& key,
                    const std::string& fallback);
    void set(int slot, const std::string& key, const std::string& value);
    void flush();
    // Changes whenever a value not yet written is set or written: what was
    // derived from the settings and the same bus snapshot still holds while it stays.
    uint64_t version() const { return version_.load(std::memory_order_acquire); }

    ~SimUnitSettings();

private:
    SimUnitSettings();
    void run();
    bool writePending(std::unique_lock<std::mutex>& guard);

    using Key = std::pair<int, std::string>;
    std::mutex lock_;
    std::condition_variable changed_;
    std::map<Key, std::string> pending_;
    std::chrono::steady_clock::time_point lastWrite_;
    std::atomic<uint64_t> version_{0};
    bool stopping_ = false;
    std::thread writer_;
};

#pragma once
#include "IniText.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

// The bus file shared by every process on the machine, as a kernel driver is.
// Readers get a snapshot that is re-read whenever the file changed (another
// process's change shows within a millisecond, this process's own at once);
// writers change it under a file lock and replace it atomically.
class SimBus {
public:
    static SimBus& instance();
    static std::string path();
    // The file behind the path, symbolic links followed: what is read and replaced.
    static std::string filePath();
    // The file, with the reason when it cannot be read and replaced.
    static std::string problem();
    static IniText defaults();

    std::shared_ptr<const IniText> snapshot();
    bool update(const std::function<void(IniText&)>& change);
    bool reset();

    static bool parseNumber(const std::string& text, uint64_t& value);
    static std::string driverValue(const IniText& bus, const std::string& key);
    static std::string unitValue(const IniText& bus, int slot, const std::string& key);
    static uint64_t driverNumber(const IniText& bus, const std::string& key);
    static uint64_t unitNumber(const IniText& bus, int slot, const std::string& key);

private:
    SimBus() = default;
    bool createIfMissing(const std::string& file);
    void invalidate();

    std::mutex lock_;
    std::string cachedGivenPath_;
    std::string cachedPath_;
    std::string cachedSignature_;
    std::shared_ptr<const IniText> cached_;
    std::chrono::steady_clock::time_point lastCheck_;
};

#pragma once
#include "IniText.h"
#include "SimBusWatch.h"

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
    // What tells one version of the file from the next.
    struct Stamp {
        uint64_t device = 0;
        uint64_t inode = 0;
        int64_t size = 0;
        int64_t seconds = 0;
        int64_t nanoseconds = 0;
        bool exists = false;

        bool operator==(const Stamp& other) const {
            return exists == other.exists && device == other.device && inode == other.inode &&
                   size == other.size && seconds == other.seconds &&
                   nanoseconds == other.nanoseconds;
        }
    };

    static SimBus& instance();
    static std::string path();
    // The file behind the path, symbolic links followed: what is read and replaced.
    static std::string filePath();
    // The file, with the reason when it cannot be read and replaced.
    static std::string problem();
    static IniText defaults();

    std::shared_ptr<const IniText> snapshot();
    // The snapshot handed out last, without looking at the file; null before the first.
    std::shared_ptr<const IniText> lastSnapshot();
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
    std::shared_ptr<const IniText> reload(const std::string& given);
    void invalidate();
    // True when the path names the plain file read last, unchanged.
    bool unchangedPlainFile(const std::string& file) const;

    std::mutex lock_;
    std::string cachedGivenPath_;
    std::string cachedPath_;
    Stamp cachedStamp_;
    std::shared_ptr<const IniText> cached_;
    std::chrono::steady_clock::time_point lastCheck_;
    SimBusWatch watch_;
};

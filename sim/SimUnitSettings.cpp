#include "SimUnitSettings.h"

#include "SimBus.h"
#include "SimKeys.h"

namespace {
constexpr std::chrono::milliseconds kWriteInterval(250);
}

SimUnitSettings& SimUnitSettings::instance() {
    static SimUnitSettings settings;
    return settings;
}

namespace {

// Statics made before this object are destroyed after it: what its writer
// thread uses (the bus, the key tables its defaults come from) must be made
// first, so that they outlive the final write at exit.
bool makeWhatTheWriterUses() {
    SimBus::instance();
    SimKeys::driverKeys();
    SimKeys::unitKeys();
    return true;
}

}  // namespace

SimUnitSettings::SimUnitSettings() : writer_((makeWhatTheWriterUses(), [this] { run(); })) {}

SimUnitSettings::~SimUnitSettings() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
        changed_.notify_all();
    }
    writer_.join();
}

std::string SimUnitSettings::get(int slot, const std::string& key, const std::string& fallback) {
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    return bus ? get(*bus, slot, key, fallback) : fallback;
}

std::string SimUnitSettings::get(const IniText& bus, int slot, const std::string& key,
                                 const std::string& fallback) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        auto it = pending_.find(Key(slot, key));
        if (it != pending_.end())
            return it->second;
    }
    return bus.get(SimKeys::unitSection(slot), key, fallback);
}

void SimUnitSettings::set(int slot, const std::string& key, const std::string& value) {
    std::lock_guard<std::mutex> guard(lock_);
    pending_[Key(slot, key)] = value;
    version_.fetch_add(1, std::memory_order_acq_rel);
    changed_.notify_all();
}

void SimUnitSettings::flush() {
    std::unique_lock<std::mutex> guard(lock_);
    writePending(guard);
}

// Writes with the lock released, so requests are not held up by the file.
bool SimUnitSettings::writePending(std::unique_lock<std::mutex>& guard) {
    if (pending_.empty())
        return true;
    std::map<Key, std::string> batch = pending_;
    guard.unlock();
    bool ok = SimBus::instance().update([&](IniText& bus) {
        for (const auto& entry : batch)
            bus.set(SimKeys::unitSection(entry.first.first), entry.first.second,
                    IniText::quoteIfNeeded(entry.second));
    });
    guard.lock();
    lastWrite_ = std::chrono::steady_clock::now();
    for (const auto& entry : batch) {
        auto it = pending_.find(entry.first);
        if (ok && it != pending_.end() && it->second == entry.second)
            pending_.erase(it);
    }
    version_.fetch_add(1, std::memory_order_acq_rel);
    return ok;
}

void SimUnitSettings::run() {
    std::unique_lock<std::mutex> guard(lock_);
    while (true) {
        changed_.wait(guard, [this] { return stopping_ || !pending_.empty(); });
        if (stopping_)
            break;
        auto due = lastWrite_ + kWriteInterval;
        if (std::chrono::steady_clock::now() < due) {
            changed_.wait_until(guard, due, [this] { return stopping_; });
            continue;
        }
        if (!writePending(guard))
            changed_.wait_for(guard, kWriteInterval, [this] { return stopping_; });
    }
    writePending(guard);
}

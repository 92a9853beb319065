#pragma once
#include <chrono>
#include <cstdint>
#include <string>

// Tells, without looking at the bus file, that nothing in its folder changed
// since the file was last looked at: a read of the kernel's change events
// costs a poll of the meters a fraction of what a stat of the path does.
// Without the kernel's events every question is answered "changed", and with
// them at least once a second: a write through a hard link in another folder
// raises no event here.
class SimBusWatch {
public:
    using Clock = std::chrono::steady_clock;

    SimBusWatch() = default;
    ~SimBusWatch();
    SimBusWatch(const SimBusWatch&) = delete;
    SimBusWatch& operator=(const SimBusWatch&) = delete;

    // True when the file was looked at after look() and nothing in its folder
    // changed since; a change found is consumed, and the file must be looked at again.
    bool unchanged(const std::string& file, Clock::time_point now);
    // Called just before the file is looked at: changes from now on are caught.
    void look(const std::string& file, Clock::time_point now);
    // What was looked at is not the plain file named (a link, a failed read).
    void forget() { looked_.clear(); }

private:
    // Reads every waiting event; true when there was none.
    bool drain();
    void dropIfGone(uint32_t mask);
    bool watchFolderOf(const std::string& file);

    int fd_ = -1;
    int watch_ = -1;
    bool failed_ = false;
    std::string folder_;
    std::string looked_;
    Clock::time_point lookedAt_;
};

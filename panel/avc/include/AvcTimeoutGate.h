#pragma once
#include <windows.h>

// Keeps a unit that stopped answering from costing the command wait on every
// command. After a command times out, the rest of the running refresh fails at
// once, and so does every command of the next second (the faders and knobs that
// the refresh set send theirs 10 ms later); then one command tries the unit
// again. A new refresh always tries the unit again.
class AvcTimeoutGate {
public:
    static constexpr DWORD kHoldOffMs = 1000;

    // False when a command must fail without reaching the unit.
    bool admits(DWORD now) const;
    // The status of a command that reached the driver.
    void record(DWORD status, DWORD now);
    // Refreshes nest; the outermost one starts with the unit trusted again.
    void beginRefresh();
    void endRefresh();
    bool refreshing() const { return refreshDepth_ > 0; }

private:
    int refreshDepth_ = 0;
    bool timedOut_ = false;
    DWORD timedOutAt_ = 0;
};

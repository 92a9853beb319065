#pragma once
// The transfer rate and the time left of a download, from the byte counts
// polled now and then. Times are seconds on any steady clock.
#include <cstdint>

class TransferClock {
public:
    // One poll: the bytes sent so far, at this time.
    void Note(uint32_t done, double now);
    // Bytes per second while bytes moved; 0 before any moved.
    double Rate() const;
    // Seconds until every byte is sent at that rate; negative while unknown.
    double SecondsLeft(uint32_t total) const;

private:
    // The rate counts only the transfer: from the last poll that saw no bytes
    // to the last change, so a transfer that ends between two polls still
    // shows a rate (if anything, a low one).
    double lastIdle_ = 0;
    double lastChange_ = 0;
    uint32_t lastBytes_ = 0;
};

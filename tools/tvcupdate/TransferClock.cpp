#include "TransferClock.h"

void TransferClock::Note(uint32_t done, double now) {
    if (done == 0) {
        lastIdle_ = now;
        lastChange_ = now;
        lastBytes_ = 0;
    } else if (done != lastBytes_) {
        lastChange_ = now;
        lastBytes_ = done;
    }
}

double TransferClock::Rate() const {
    double moving = lastChange_ - lastIdle_;
    return moving > 0 ? lastBytes_ / moving : 0.0;
}

double TransferClock::SecondsLeft(uint32_t total) const {
    double rate = Rate();
    if (rate <= 0)
        return -1.0;
    return total > lastBytes_ ? (total - lastBytes_) / rate : 0.0;
}

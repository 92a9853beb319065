#include "MeterBallistics.h"

#include <algorithm>
#include <cmath>

MeterBallistics::Update MeterBallistics::setLevel(double level, double offset, bool mixBypass) {
    double value = (mixBypass && !alwaysAddOffset_) ? level : level + offset;
    // A word above full scale gives a negative level: it is full scale. A level
    // that is not a number shows as silence rather than poisoning the bar.
    if (std::isnan(value))
        value = kSilent;
    value = 255.0 * std::sqrt(std::max(value, 0.0) / 256.0);

    Update update;
    if (previous_ <= value) {
        previous_ += kFallStep;
        value = previous_;
    } else {
        if (value > 0.0 && value < peak_ && peak_ >= kClipZone) {
            peak_ = value;
            update.startHold = peak_ >= kClipZone;
        }
        previous_ = value;
    }
    display_ = value;
    update.repaint = display_ < 129.0;
    return update;
}

bool MeterBallistics::holdExpired() {
    if (peak_ < 1.0)
        return false;
    clearedPeak_ = peak_;
    peak_ = kSilent;
    return true;
}

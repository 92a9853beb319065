#include "MeterFeed.h"

namespace MeterFeed {

double attenuation(double fader) {
    return (255.0 - fader) / 2.0;
}

bool blanked(bool muted, bool mixBypass, bool mainFader) {
    return muted && (!mixBypass || mainFader);
}

Reading reading(double level, double fader, bool blank) {
    if (blank)
        return Reading{255.0, 0.0};
    return Reading{level, attenuation(fader)};
}

}  // namespace MeterFeed

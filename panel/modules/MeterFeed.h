#pragma once

// What a fader module hands its meters: the unit's level with the fader's
// attenuation added (post-fader), or nothing while its mute silences the bus.
namespace MeterFeed {

struct Reading {
    double level;
    double offset;
};

// The fader's attenuation in level units: (255 - fader) / 2.
double attenuation(double fader);
// A muted strip or playback bus shows nothing unless the mixer is bypassed;
// the main bus shows nothing whenever it is muted.
bool blanked(bool muted, bool mixBypass, bool mainFader);
// The reading for one meter: (255, 0) when blanked.
Reading reading(double level, double fader, bool blank);

}  // namespace MeterFeed

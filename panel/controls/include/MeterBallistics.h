#pragma once

// The level meter's motion without a window: the bar jumps up at once and
// falls by 4.5 units an update; the peak marker follows rises and is held for
// 1.5 s, except in the clip zone below 5.0, where it stays until cleared.
// Positions count down from the top of the meter (0 = full scale).
class MeterBallistics {
public:
    static constexpr double kSilent = 255.0;
    static constexpr double kFallStep = 4.5;
    static constexpr double kClipZone = 5.0;
    static constexpr int kHoldMilliseconds = 1500;

    // What an update asks of the meter's component.
    struct Update {
        bool repaint = false;    // the bar moved inside the visible image
        bool startHold = false;  // (re)start the 1.5 s peak hold
    };

    // One update from the unit's level and the fader's offset, both in level units.
    Update setLevel(double level, double offset, bool mixBypass);
    void setAlwaysAddOffset(bool on) { alwaysAddOffset_ = on; }
    bool getAlwaysAddOffset() const { return alwaysAddOffset_; }

    // The hold ran out: true when the marker was taken away (then the old
    // position is getClearedPeak()); a peak in the clip zone below 1.0 stays.
    bool holdExpired();
    // A click on the meter.
    void clearPeak() { peak_ = kSilent; }

    double getDisplay() const { return display_; }
    double getPeak() const { return peak_; }
    double getClearedPeak() const { return clearedPeak_; }
    // 10 pixels for a clip indication (peak at or above full scale), else 2.
    int getPeakHeight() const { return peak_ <= 1.0 ? 10 : 2; }

private:
    double display_ = kSilent;
    double peak_ = 225.0;
    double previous_ = kSilent;
    double clearedPeak_ = 0.0;
    bool alwaysAddOffset_ = false;
};

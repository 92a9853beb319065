#pragma once

// The three panel-wide flags that sections read without knowing each other.
// The main window creates the one instance at start-up as (false, true, false)
// and hands it by reference to whoever reads or writes a flag.
class PanelState {
public:
    PanelState() = default;
    virtual ~PanelState() = default;

    // Written by the mixer module, read by the meters.
    bool getMixBypass() const { return mixBypass_; }
    void setMixBypass(bool on) { mixBypass_ = on; }

    // Written by the knob-motion preference, read by the window-shade strip.
    bool getCircularKnobs() const { return circularKnobs_; }
    void setCircularKnobs(bool on) { circularKnobs_ = on; }

    // Read by the tooltip look; false keeps every tooltip hidden.
    bool getTooltipsShown() const { return tooltipsShown_; }
    void setTooltipsShown(bool on) { tooltipsShown_ = on; }

private:
    bool mixBypass_ = false;
    bool circularKnobs_ = true;
    bool tooltipsShown_ = false;
};

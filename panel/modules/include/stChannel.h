#pragma once
#include "MixKeys.h"
#include "SwitchSender.h"
#include "faderMod.h"
#include "iButton.h"
#include "myButtonStyle.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <map>
#include <string>

class AvcUnit;
class PanelState;

// A stereo input strip of the mixer: the left and right fader modules of one
// feature function block (strip 1 is block 3, strip 2 block 4) and the Link
// button that turns them into a stereo pair. While linked, the faders and the
// mutes follow each other and the pans stand hard left and hard right.
class stChannel : public juce::Component,
                  private juce::ChangeListener,
                  private juce::ActionListener {
public:
    // The strip's entries of a mix, in the order they are written and read;
    // the strip number is appended to each key.
    enum MixEntry { LeftFader, LeftPan, LeftMute, RightFader, RightPan, RightMute, Linked };
    static constexpr std::array<MixKey, 7> kMixKeys{{
        {"Leftfader", MixKey::Number, 0.0},
        {"LeftPan", MixKey::Number, 0.0},
        {"LeftMute", MixKey::Switch, 0.0},
        {"Rightfader", MixKey::Number, 0.0},
        {"RightPan", MixKey::Number, 0.0},
        {"RightMute", MixKey::Switch, 0.0},
        {"Link", MixKey::Switch, 0.0},
    }};

    stChannel(AvcUnit& unit, const PanelState& state, int n);
    ~stChannel() override;

    // Reads the unit's settings into the controls, which send them back.
    void refreshFromUnit();
    void saveState(juce::PropertySet& mix);
    void loadState(const juce::PropertySet& mix);
    // Both fader modules and the Link button.
    void setEnabled(bool enabled);
    void showLevels(double left, double right);

    faderMod& getLeft() { return left_; }
    faderMod& getRight() { return right_; }
    iButton& getLinkButton() { return link_; }

private:
    // One side's fader, pan and mute.
    struct Side {
        double fader;
        double pan;
        bool mute;
    };

    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void actionListenerCallback(const juce::String& message) override;
    void applyLink(bool on);
    void apply(const Side& left, const Side& right, bool link);
    static void setSide(faderMod& module, const Side& side);

    AvcUnit& unit_;
    int n_;
    faderMod left_;
    faderMod right_;
    myButtonStyle linkLook_;
    iButton link_;
    // What the Link algorithm last did, so that each state change runs it once.
    bool linked_ = false;
    // The pans and mutes from before Link went on, restored when it goes off;
    // by unit, so that one unit never receives what another's strip held.
    struct Remembered {
        Side left;
        Side right;
    };
    std::map<std::string, Remembered> remembered_;
    // The mute messages still to come from mutes that apply() changed, left
    // and right: they arrive after the values are all set, Link among them.
    int muteEchoes_[2] = {0, 0};
    // While apply() sets the sides, a linked fader does not follow the other.
    bool applying_ = false;
    SwitchSender linkSender_{unit_, [this] { return link_.getToggleState(); },
                             [this](bool on) {
                                 if (on != linked_)
                                     applyLink(on);
                             }};
};

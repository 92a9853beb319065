#include "RemotePanel.h"

#include "AvcUnit.h"
#include "MainComp.h"
#include "MixFile.h"
#include "SnapshotFiles.h"

RemotePanel::RemotePanel(MainComp& main) : main_(main) {
    bindControls();
}

void RemotePanel::bind(const char* mixKey, juce::Component& component,
                       std::function<void(int)> set) {
    bindings_[mixKey] = Binding{&component, std::move(set)};
}

void RemotePanel::bindControls() {
    MixMod& mixer = main_.getMixer();
    auto fader = [this](const char* key, faderMod& module) {
        bind(key, module.getFaderSlider(), [&module](int v) { module.setFader(v); });
    };
    auto mute = [this](const char* key, faderMod& module) {
        bind(key, module.getMuteButton(), [&module](int v) { module.setMuted(v != 0); });
    };
    auto pan = [this](const char* key, faderMod& module) {
        bind(key, *module.getPanSlider(), [&module](int v) { module.setPan(v); });
    };
    auto button = [this](const char* key, iButton& b) {
        bind(key, b, [&b](int v) { b.setToggleState(v != 0); });
    };
    auto knob = [this](const char* key, KnobCtl& k) {
        bind(key, k, [&k](int v) { k.setValue(v); });
    };
    fader("Mainfader", mixer.getMain());
    mute("MainMute", mixer.getMain());
    fader("PBfader", mixer.getPlayback());
    mute("PBmute", mixer.getPlayback());
    button("MixBypass", mixer.getBypassButton());
    for (int n = 1; n <= 2; ++n) {
        const juce::String s(n);
        stChannel& strip = mixer.getStrip(n);
        fader(("Leftfader" + s).toRawUTF8(), strip.getLeft());
        pan(("LeftPan" + s).toRawUTF8(), strip.getLeft());
        mute(("LeftMute" + s).toRawUTF8(), strip.getLeft());
        fader(("Rightfader" + s).toRawUTF8(), strip.getRight());
        pan(("RightPan" + s).toRawUTF8(), strip.getRight());
        mute(("RightMute" + s).toRawUTF8(), strip.getRight());
        button(("Link" + s).toRawUTF8(), strip.getLinkButton());
        preAmpMod& input = main_.getInput(n);
        knob(("PreampGain" + s).toRawUTF8(), input.getKnob());
        button(("Phantom" + s).toRawUTF8(), input.getPhantomButton());
        button(("Boost" + s).toRawUTF8(), input.getBoostButton());
        button(("Limiter" + s).toRawUTF8(), input.getLimiterButton());
    }
    knob("LeftLine", main_.getLineKnobs().getInnerKnob());
    knob("RightLine", main_.getLineKnobs().getOuterKnob());
    button("Phono", main_.getPhonoButton());
    knob("HeadPhones", main_.getHeadphoneKnob());
}

bool RemotePanel::setControl(const RemoteControl& control, int value) {
    const auto it = bindings_.find(control.mixKey);
    if (it == bindings_.end() || !it->second.component->isEnabled())
        return false;
    it->second.set(value);
    return true;
}

std::map<std::string, int> RemotePanel::values() {
    juce::PropertySet mix;
    main_.collectMix(mix);
    if (overlay)
        overlay(mix);
    std::map<std::string, int> values;
    for (const RemoteControl& control : RemoteControls::all())
        values[control.name] = juce::roundToInt(mix.getDoubleValue(control.mixKey));
    int selected = 0;
    UnitSelect& units = main_.getUnitSelect();
    for (int i = 0; i < UnitSelect::kUnits && selected == 0; ++i)
        if (units.getButton(i).isEnabled() && units.getButton(i).getToggleState())
            selected = i + 1;
    values["unit.select"] = selected;
    return values;
}

std::array<double, 8> RemotePanel::levels() {
    return main_.getMixer().getLevels();
}

bool RemotePanel::selectUnit(int unit) {
    ControlButton& button = main_.getUnitSelect().getButton(unit - 1);
    if (!button.isEnabled())
        return false;
    button.setToggleState(true, juce::sendNotificationSync);
    return true;
}

// A file that is no sound mix is refused here, without the dialog a user's
// load shows: nobody may be at the panel to close it.
bool RemotePanel::loadMix(const juce::File& file) {
    juce::PropertySet mix;
    if (!main_.isEnabled() || !MixFile::load(file, mix))
        return false;
    main_.loadMixFrom(file);
    return true;
}

bool RemotePanel::saveMix(const juce::File& file) {
    const juce::File target = MixFile::withMixExtension(file);
    juce::PropertySet existing;
    if (target.existsAsFile() && !MixFile::load(target, existing))
        return false;
    return main_.saveMixTo(target);
}

bool RemotePanel::recallSnapshot(int slot) {
    AvcUnit& unit = main_.getUnit();
    if (!main_.isEnabled() || !SnapshotFiles::file(unit.selectedUnitPath(), slot).existsAsFile())
        return false;
    main_.recallSnapshot(slot);
    return true;
}

void RemotePanel::recordStep() {
    main_.getHistory().recordChange();
}

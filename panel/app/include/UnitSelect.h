#pragma once
#include "ControlButton.h"
#include "UnitName.h"
#include "usButtonStyle.h"

#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>

class AvcUnit;

// Up to four units as a two-by-two grid of buttons, each with the unit's
// six-character name under it. Pressing a button makes that unit the one the
// panel talks to and tells the owner "UnitChange"; a double click on a name
// edits it, and the edited name is written to the unit.
class UnitSelect : public juce::Component,
                   private juce::Button::Listener,
                   public juce::ActionBroadcaster,
                   private juce::ChangeListener {
public:
    static constexpr int kUnits = 4;
    static constexpr int kRadioGroup = 2222;

    explicit UnitSelect(AvcUnit& unit);
    ~UnitSelect() override;

    // Re-reads the units after the set of units changed, then selects the
    // first and announces "UnitChange".
    void rebuild();
    // The buttons' messages "1" to "4".
    void unitButtonMessage(const juce::String& message);
    // The caption of the selected unit's button; empty when none is enabled.
    juce::String selectedCaption() const;
    // Selects the enabled unit whose button shows this caption, as a press would.
    bool selectCaption(const juce::String& caption);
    // Gives the unit at the index a name (empty: unnamed) and shows it.
    void renameUnit(int index, const juce::String& name);
    // Called after the user committed a new name: the index, the old name, the new.
    std::function<void(int, const juce::String&, const juce::String&)> onRenamed;

    ControlButton& getButton(int index) { return buttons_[size_t(index)]; }
    UnitName& getLabel(int index) { return labels_[size_t(index)]; }

private:
    void buttonClicked(juce::Button* button) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void setUpUnit(int index);
    // The name as the user would type it: empty while the button shows the unnamed caption.
    juce::String shownName(int index);

    AvcUnit& unit_;
    std::array<ControlButton, kUnits> buttons_;
    usButtonStyle look_;
    std::array<UnitName, kUnits> labels_;
};

#pragma once
#include "ControlPanel.h"
#include "DualKnob.h"
#include "GestureWatch.h"
#include "KnobCtl.h"
#include "MixKeys.h"
#include "MixHistory.h"
#include "MixMod.h"
#include "NoDevice.h"
#include "ReadoutHost.h"
#include "ValueReadout.h"
#include "SkinBackdrop.h"
#include "SwitchSender.h"
#include "UnitSelect.h"
#include "iButton.h"
#include "myButtonStyle.h"
#include "preAmpMod.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <memory>

class AvcUnit;
class CDeviceModel;
class DeviceSettings;
class PanelState;

// The main window's content in normal mode: every section at its fixed place
// on the skin, the "No Device" veil while no unit is attached, the mix files
// and the knob-motion menu on a right click of the background. It passes
// "ConfigChange" on to its listeners once it has handled it.
class MainComp : public juce::Component,
                 public SkinBackdrop,
                 public ReadoutHost,
                 public juce::ActionBroadcaster,
                 private juce::ActionListener,
                 private juce::Button::Listener {
public:
    static constexpr int kWidth = 725;
    static constexpr int kHeight = 620;
    // The context menu's own items, beside the knob motion's 3 and 4.
    static constexpr int kTooltipsItem = 5;
    static constexpr int kRemoteItem = 6;
    static constexpr int kUndoItem = 10;
    static constexpr int kRedoItem = 11;
    // Snapshot n (1 to 4) is recalled by item kRecallItem + n, stored by kStoreItem + n.
    static constexpr int kRecallItem = 20;
    static constexpr int kStoreItem = 30;
    // Its own entries of a mix; the sections write theirs.
    static constexpr std::array<MixKey, 2> kMixKeys{{
        {"Phono", MixKey::Switch, 0.0},
        {"HeadPhones", MixKey::Number, 0.0},
    }};

    // The model is the one the unit commands use; the mixer watches its units.
    MainComp(AvcUnit& unit, PanelState& state, DeviceSettings& settings, CDeviceModel& model);
    ~MainComp() override;

    void paint(juce::Graphics& g) override;
    void drawBackdrop(juce::Graphics& g, const juce::Component& onto,
                      juce::Rectangle<int> area) const override;
    void mouseDown(const juce::MouseEvent& event) override;
    void showReadout(const juce::Component& control, const juce::String& text) override;
    void hideReadout(const juce::Component& control) override;
    const ValueReadout& getReadout() const { return readout_; }

    // Reads the unit's state into every section.
    void refreshFromUnit();
    // The units changed: re-open the first, rebuild the unit buttons.
    void configChange();

    // The "Knob Motion" menu as a right click shows it, and its result.
    juce::PopupMenu createKnobMotionMenu() const;
    void knobMotionChosen(int menuResult);
    // The right click's menu: the knob motion, then undo and redo with what they undo.
    juce::PopupMenu createContextMenu() const;
    void contextMenuChosen(int menuResult);

    // "Show Tooltips": the panel state's flag, and the window that shows them.
    void showTooltips(bool on);

    // The unit's quick mixes: storing writes a mix file, recalling loads it as one step.
    void storeSnapshot(int slot);
    void recallSnapshot(int slot);

    // Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo; Ctrl+1..4 recall a
    // snapshot, Ctrl+Shift+1..4 store one.
    bool keyPressed(const juce::KeyPress& key) override;
    bool keyStateChanged(bool isKeyDown) override;
    MixHistory& getHistory() { return history_; }
    bool isCircular() const { return circular_; }

    // The mix as a set of entries, and a mix set on the controls.
    void collectMix(juce::PropertySet& mix);
    void applyMix(const juce::PropertySet& mix);
    // What the dialogs hand over: the file chosen to save to or load from.
    // A file there that cannot be read as a mix is replaced only once the user
    // agrees; true when the mix was written at once.
    bool saveMixTo(const juce::File& chosen);
    // A file that is no sound mix changes nothing and is reported.
    void loadMixFrom(const juce::File& file, const juce::String& stepName = "Load mix");
    // Called for the menu's "Remote Control...".
    std::function<void()> onRemoteControl;
    // Sees the text of each message and question about mix files as it is shown.
    std::function<void(const juce::String& text)> onMixNotice;

    AvcUnit& getUnit() { return unit_; }
    iButton& getPhonoButton() { return phono_; }
    juce::ImageButton& getSaveButton() { return save_; }
    juce::ImageButton& getLoadButton() { return load_; }
    preAmpMod& getInput(int n) { return n == 1 ? input1_ : input2_; }
    KnobCtl& getHeadphoneKnob() { return headphones_; }
    DualKnob& getLineKnobs() { return line_; }
    UnitSelect& getUnitSelect() { return unitSelect_; }
    MixMod& getMixer() { return mixer_; }
    NoDevice& getNoDevice() { return noDevice_; }
    ControlPanel& getControlPanel() { return controlPanel_; }

private:
    void actionListenerCallback(const juce::String& message) override;
    void buttonClicked(juce::Button* button) override;
    void placeChildren();
    juce::PopupMenu createSnapshotMenu() const;
    bool snapshotKey(const juce::KeyPress& key);
    void setUpFileButton(juce::ImageButton& button, const juce::Image& normal,
                         const juce::Image& down, int x);
    void showUnitPresence(bool present);
    void applyMotion(bool circular);
    void readKnobMotion();
    void saveMix();
    void loadMix();
    bool writeMix(const juce::File& target);
    void askToReplace(const juce::File& target, const juce::String& reason);
    void tell(const char* title, const juce::String& text);
    void showMixAlert(const juce::MessageBoxOptions& options, std::function<void(int)> answered);

    AvcUnit& unit_;
    PanelState& state_;
    // Made only while tips are shown: it polls the mouse ten times a second.
    std::unique_ptr<juce::TooltipWindow> tooltips_;
    NoDevice noDevice_;
    juce::Image background_;
    juce::Image saveImage_;
    juce::Image saveDownImage_;
    juce::Image loadImage_;
    juce::Image loadDownImage_;
    myButtonStyle phonoLook_;
    iButton phono_;
    juce::ImageButton save_{"Save"};
    juce::ImageButton load_{"Load"};
    preAmpMod input1_;
    preAmpMod input2_;
    KnobCtl headphones_;
    DualKnob line_;
    UnitSelect unitSelect_;
    MixMod mixer_;
    ControlPanel controlPanel_;
    std::unique_ptr<juce::FileChooser> chooser_;
    bool circular_ = true;
    MixHistory history_;
    GestureWatch gestures_;
    ValueReadout readout_;
    SwitchSender phonoSender_{unit_, [this] { return phono_.getToggleState(); },
                              [this](bool on) { unit_.SetPhono(on); }};
};

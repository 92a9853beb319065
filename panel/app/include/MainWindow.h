#pragma once
#include "AvcUnit.h"
#include "DeviceSettings.h"
#include "FrameFlush.h"
#include "MainComp.h"
#include "PanelState.h"
#include "RemoteHost.h"
#include "WinShadeComp.h"
#include "WindowMemory.h"
#include "iButton.h"
#include "myButtonStyle.h"
#include "myTooltip.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The panel's one window: a skinned title bar with the window-shade,
// always-on-top and minimise buttons, and as content either the main
// component or, in window-shade mode, a fresh shade strip. It creates the
// objects that the whole panel shares: the unit commands, the driver
// settings and the panel state.
class MainWindow : public juce::DialogWindow, private juce::ActionListener {
public:
    static constexpr const char* kCaption = "LUMORA 1394 Control Panel";
    static constexpr int kWidth = 725;
    static constexpr int kStartHeight = 615;
    static constexpr int kShadeHeight = 159;
    static constexpr int kRestoredHeight = 620;
    static constexpr int kTitleBarHeight = 23;

    // onDesktop false keeps the window off the screen, for snapshots.
    explicit MainWindow(CDeviceModel& model = TheDeviceModel(), bool onDesktop = true);
    ~MainWindow() override;

    void closeButtonPressed() override;
    void paint(juce::Graphics& g) override;
    // Every frame ends here: it is sent to the screen on the next tick.
    void paintOverChildren(juce::Graphics& g) override;
    // Coming to the front, the window shows the driver's settings anew.
    void activeWindowStatusChanged() override;
    // Keys that no control took: the main component's shortcuts (undo, redo).
    bool keyPressed(const juce::KeyPress& key) override;
    // Calls back once the window has been painted for the first time.
    void whenFirstPainted(std::function<void()> callback);

    // The title-bar buttons' messages "WinShade", "AlwaysOnTop", "Minimize".
    void titleBarMessage(const juce::String& message);

    AvcUnit& getUnit() { return *unit_; }
    PanelState& getPanelState() { return *state_; }
    MainComp& getMainComp() { return *mainComp_; }
    // None for a window off the desktop.
    RemoteHost* getRemote() { return remote_.get(); }
    WinShadeComp* getWinShade() { return shade_.get(); }
    // Before a turn of remote commands: the main component, off screen while the
    // strip is shown, takes what the user moved on the strip.
    void takeShadeMoves();
    // After a turn of remote commands: the strip, when shown, takes what they set.
    void showRemoteChanges();
    // What remote clients are told: the strip's values over the main component's.
    void addShadeValues(juce::PropertySet& mix);
    iButton& getShadeButton() { return shadeButton_; }
    iButton& getAlwaysOnTopButton() { return topButton_; }
    iButton& getMinimizeButton() { return minimizeButton_; }

private:
    void actionListenerCallback(const juce::String& message) override;
    void placeTitleBarButton(iButton& button, const myButtonStyle& look, int x);
    void shadeButtonChanged();
    void placeAsRemembered();
    void restoreUnitAndShade();
    // Keeps how the window is left for the next start.
    void remember();
    void setShade(bool on);
    void toggleMinimised();

    // Owned by the window and gone only after every component that uses them.
    std::unique_ptr<AvcUnit> unit_;
    std::unique_ptr<DeviceSettings> settings_;
    std::unique_ptr<PanelState> state_;
    std::unique_ptr<myTooltip> look_;
    std::unique_ptr<MainComp> mainComp_;
    std::unique_ptr<WinShadeComp> shade_;
    // The main component's values as the strip last took them.
    juce::PropertySet shadeBase_;
    // The unit the strip last read.
    std::string shadeUnit_;
    // Gone before the main component whose controls it moves.
    std::unique_ptr<RemoteHost> remote_;
    myButtonStyle shadeLook_;
    iButton shadeButton_;
    myButtonStyle topLook_;
    iButton topButton_;
    myButtonStyle minimizeLook_;
    iButton minimizeButton_;
    // How the window was left last time; none for a window off the desktop.
    std::optional<WindowMemory::State> remembered_;
    bool restored_ = false;
    std::function<void()> firstPaint_;
    bool painted_ = false;
    FrameFlush frameFlush_{*this};
};

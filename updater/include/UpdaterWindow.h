#pragma once
#include "PanelState.h"
#include "UpdateComp.h"
#include "UpdaterLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The updater's window, with the panel's skinned title bar (not named
// UpdateWindow, which windows.h declares). While an update runs, closing
// asks first and says what closing would risk.
class UpdaterWindow : public juce::DocumentWindow {
public:
    static constexpr const char* kCaption = "LUMORA Firmware Update";
    static constexpr int kTitleBarHeight = 23;

    // onDesktop false keeps the window off the screen, for tests and snapshots.
    UpdaterWindow(FwdlApi& api, bool onDesktop = true);
    ~UpdaterWindow() override;

    UpdateComp& getContent() { return content_; }
    // Called when the window may close: by the close button, or after the question.
    std::function<void()> onClose;

    void closeButtonPressed() override;

private:
    PanelState state_;
    UpdaterLook look_{state_};
    UpdateComp content_;
    bool asking_ = false;
};

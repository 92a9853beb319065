#include "UpdaterWindow.h"

#include "Question.h"

UpdaterWindow::UpdaterWindow(FwdlApi& api, bool onDesktop)
    : juce::DocumentWindow(kCaption, juce::Colours::black, juce::DocumentWindow::closeButton,
                           false),
      content_(api) {
    setLookAndFeel(&look_);
    setUsingNativeTitleBar(false);
    setTitleBarHeight(kTitleBarHeight);
    setTitleBarButtonsRequired(juce::DocumentWindow::closeButton, false);
    setContentNonOwned(&content_, true);
    setResizable(false, false);
    // The drawn edge needs no shadow; on Windows (under wine) destroying the
    // shadow's windows at exit hung the updater.
    setDropShadowEnabled(false);
    if (onDesktop) {
        centreWithSize(getWidth(), getHeight());
        addToDesktop();
        setVisible(true);
    }
}

UpdaterWindow::~UpdaterWindow() {
    clearContentComponent();
    setLookAndFeel(nullptr);
}

void UpdaterWindow::closeButtonPressed() {
    if (!content_.isUpdating()) {
        if (onClose)
            onClose();
        return;
    }
    // A second request (another SIGTERM) while the question is up adds no second box.
    if (asking_)
        return;
    asking_ = true;
    Question::ask(*this, "An update is running",
                  "The unit is being written right now. If this window closes before the update "
                  "has finished, the unit may be left without working firmware and stay silent "
                  "until it is updated again.\n\nKeep the window open until it says that the "
                  "update has finished.",
                  {"Close anyway", "Keep updating", false},
                  [safe = juce::Component::SafePointer<UpdaterWindow>(this)](bool yes) {
                      if (safe == nullptr)
                          return;
                      safe->asking_ = false;
                      if (yes && safe->onClose)
                          safe->onClose();
                  });
}

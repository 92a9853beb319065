#include "ScreenshotRun.h"

#include "MainWindow.h"

ScreenshotRun::ScreenshotRun(MainWindow& window, juce::File folder,
                             std::function<void(const juce::StringArray&)> done)
    : window_(window), folder_(std::move(folder)), done_(std::move(done)) {
    startTimer(kSettleMs);
}

ScreenshotRun::~ScreenshotRun() {
    stopTimer();
}

bool ScreenshotRun::writeSnapshot(juce::Component& component, const juce::File& file) {
    juce::Image image = component.createComponentSnapshot(component.getLocalBounds(), false,
                                                          deviceScale(component));
    file.deleteFile();
    juce::FileOutputStream out(file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream(image, out);
}

float ScreenshotRun::deviceScale(const juce::Component& component) {
    const juce::ComponentPeer* peer = component.getPeer();
    return component.getDesktopScaleFactor() *
           float(peer != nullptr ? peer->getPlatformScaleFactor() : 1.0);
}

void ScreenshotRun::timerCallback() {
    if (step_++ == 0) {
        folder_.createDirectory();
        const juce::File panel = folder_.getChildFile("panel.png");
        if (writeSnapshot(window_, panel))
            written_.add(panel.getFullPathName());
        window_.getShadeButton().setToggleState(true);
        return;
    }
    stopTimer();
    const juce::File shade = folder_.getChildFile("winshade.png");
    if (writeSnapshot(window_, shade))
        written_.add(shade.getFullPathName());
    window_.getShadeButton().setToggleState(false);
    done_(written_);
}

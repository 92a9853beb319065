#include "HarnessWindow.h"

#include "HarnessView.h"

#include <iostream>

HarnessWindow::HarnessWindow(double quitAfterSeconds, const juce::String& screenshot)
    : juce::DocumentWindow("Mixer harness", juce::Colours::black,
                           juce::DocumentWindow::closeButton),
      screenshot_(screenshot) {
    setUsingNativeTitleBar(true);
    setContentOwned(new HarnessView(), true);
    centreWithSize(getWidth(), getHeight());
    setVisible(true);
    if (quitAfterSeconds > 0.0)
        startTimer(int(quitAfterSeconds * 1000.0));
}

HarnessWindow::~HarnessWindow() {
    stopTimer();
}

void HarnessWindow::closeButtonPressed() {
    juce::JUCEApplication::quit();
}

void HarnessWindow::timerCallback() {
    stopTimer();
    if (screenshot_.isNotEmpty() && !saveScreenshot()) {
        std::cerr << "mixharness: cannot write " << screenshot_ << "\n";
        juce::JUCEApplication::getInstance()->setApplicationReturnValue(1);
    }
    juce::JUCEApplication::quit();
}

bool HarnessWindow::saveScreenshot() {
    juce::Component* view = getContentComponent();
    juce::Image image = view->createComponentSnapshot(view->getLocalBounds());
    juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile(screenshot_);
    file.deleteFile();
    juce::FileOutputStream stream(file);
    juce::PNGImageFormat png;
    return stream.openedOk() && png.writeImageToStream(image, stream);
}

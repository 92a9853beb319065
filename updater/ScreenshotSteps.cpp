#include "ScreenshotSteps.h"

#include "UpdaterWindow.h"

ScreenshotSteps::ScreenshotSteps(UpdaterWindow& window, juce::File folder,
                                 std::function<void(const juce::StringArray&, bool)> done)
    : window_(window), folder_(std::move(folder)), done_(std::move(done)) {
    folder_.createDirectory();
    startTimer(kStepMs);
}

ScreenshotSteps::~ScreenshotSteps() {
    stopTimer();
}

bool ScreenshotSteps::writeSnapshot(juce::Component& component, const juce::File& file) {
    juce::Image image = component.createComponentSnapshot(component.getLocalBounds(), false);
    file.deleteFile();
    juce::FileOutputStream out(file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream(image, out);
}

void ScreenshotSteps::snap(const char* name) {
    const juce::File file = folder_.getChildFile(name);
    if (writeSnapshot(window_, file))
        written_.add(file.getFullPathName());
}

void ScreenshotSteps::end(bool updated) {
    stopTimer();
    done_(written_, updated);
}

// Past the first bytes, so that the bar, the rate and the time left show.
bool ScreenshotSteps::transferHalfway() {
    return window_.getContent().getProgressPanel().getProgress() >= 0.4;
}

void ScreenshotSteps::timerCallback() {
    UpdateComp& content = window_.getContent();
    waitedMs_ += kStepMs;
    switch (step_) {
    case Step::Checking:
        if (content.isFileAccepted()) {
            snap("file.png");
            content.startUpdate();
            step_ = Step::Running;
            waitedMs_ = 0;
        } else if (content.isFileChecked() || waitedMs_ >= kCheckLimitMs) {
            snap("file.png");
            end(false);
        }
        return;
    case Step::Running:
        if (transferHalfway() || content.getStage() == UpdateComp::Stage::Finished) {
            step_ = Step::Settling;
            waitedMs_ = 0;
        } else if (waitedMs_ >= kUpdateLimitMs) {
            end(false);
        }
        return;
    case Step::Settling:
        if (waitedMs_ >= kBarSettleMs || content.getStage() == UpdateComp::Stage::Finished) {
            snap("running.png");
            step_ = Step::Ending;
            waitedMs_ = 0;
        }
        return;
    case Step::Ending:
        if (content.getEndStatus() != 36u) {
            snap("done.png");
            end(content.getEndStatus() == 0);
        } else if (waitedMs_ >= kUpdateLimitMs) {
            end(false);
        }
        return;
    }
}

// panelbench_empty: the yardstick for the panel's figures. A JUCE window of
// the panel's size and desktop style with nothing in it, which prints
// "first frame" once it has been painted, as lumora_panel --report-events does.
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

namespace {

class EmptyWindow : public juce::DialogWindow {
public:
    EmptyWindow() : juce::DialogWindow("empty", juce::Colour(0xFFC7C7C7), false, false) {
        setVisible(true);
        centreWithSize(725, 615);
        setOpaque(true);
        addToDesktop(juce::ComponentPeer::windowAppearsOnTaskbar);
        toFront(true);
    }

    void paint(juce::Graphics& g) override {
        juce::DialogWindow::paint(g);
        if (painted_)
            return;
        painted_ = true;
        std::printf("first frame\n");
        std::fflush(stdout);
    }
    void closeButtonPressed() override { juce::JUCEApplicationBase::quit(); }

private:
    bool painted_ = false;
};

class EmptyApplication : public juce::JUCEApplication {
public:
    const juce::String getApplicationName() override { return "panelbench_empty"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise(const juce::String&) override { window_ = std::make_unique<EmptyWindow>(); }
    void shutdown() override { window_.reset(); }

private:
    std::unique_ptr<EmptyWindow> window_;
};

juce::JUCEApplicationBase* createApplication() {
    return new EmptyApplication();
}

}  // namespace

int main(int argc, char* argv[]) {
    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main(argc, const_cast<const char**>(argv));
}

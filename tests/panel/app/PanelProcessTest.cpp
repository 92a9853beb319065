// The program lumora_panel as a person starts it, under the virtual X server.
#include "SimBusTest.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace {

class PanelProcessTest : public SimBusTest {
protected:
    PanelProcessTest() : runtime_("XDG_RUNTIME_DIR", dir_.file("runtime")) {
        juce::File(dir_.file("runtime")).createDirectory();
    }
    ~PanelProcessTest() override {
        for (auto& panel : panels_)
            panel->kill();
    }

    bool haveDisplay() {
        return juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isNotEmpty();
    }
    // Starts a panel whose events go to a file of this test; returns the file.
    juce::File startPanel(const juce::String& name) {
        juce::File events(dir_.file(name.toStdString()));
        auto panel = std::make_unique<juce::ChildProcess>();
        const juce::String command = juce::String("exec '") + LUMORA_PANEL +
                                     "' --report-events > '" + events.getFullPathName() + "'";
        EXPECT_TRUE(panel->start(juce::StringArray{"/bin/sh", "-c", command}, 0));
        panels_.push_back(std::move(panel));
        return events;
    }
    static bool waitForLine(const juce::File& events, const juce::String& line) {
        for (int waited = 0; waited < 10000; waited += 50) {
            if (juce::StringArray::fromLines(events.loadFileAsString()).contains(line))
                return true;
            juce::Thread::sleep(50);
        }
        return false;
    }
    // A later start: it must end at once, with nothing to say.
    void expectHandOver(const juce::File& firstEvents) {
        const auto started = juce::Time::getMillisecondCounter();
        std::string output;
        EXPECT_EQ(run(std::string("'") + LUMORA_PANEL + "'", &output), 0);
        EXPECT_EQ(output, "");
        EXPECT_LT(juce::Time::getMillisecondCounter() - started, 5000u);
        EXPECT_TRUE(waitForLine(firstEvents, "another instance started"));
    }

    ScopedEnv runtime_;
    std::vector<std::unique_ptr<juce::ChildProcess>> panels_;
};

TEST_F(PanelProcessTest, ASecondStartHandsOverAndEndsAlsoAfterAPanelWasKilled) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    const juce::File first = startPanel("first.txt");
    ASSERT_TRUE(waitForLine(first, "first frame"));
    expectHandOver(first);

    panels_.back()->kill();
    panels_.back()->waitForProcessToFinish(5000);
    const juce::File next = startPanel("next.txt");
    ASSERT_TRUE(waitForLine(next, "first frame")) << "a killed panel leaves nothing in the way";
    expectHandOver(next);
}

TEST_F(PanelProcessTest, ScreenshotsOfBothViewsAndAnEnd) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    std::string output;
    const std::string folder = dir_.file("shots");
    // JUCE loads the X libraries at run time and unloads them at exit, so
    // what Xlib keeps for the display shows as a leak of an unknown module.
    const std::string noXlibLeaks = "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:detect_leaks=0\" ";
    ASSERT_EQ(run(noXlibLeaks + "'" + LUMORA_PANEL + "' --screenshots '" + folder + "'", &output),
              0);
    const juce::File panel = juce::File(folder).getChildFile("panel.png");
    const juce::File shade = juce::File(folder).getChildFile("winshade.png");
    EXPECT_EQ(output,
              (panel.getFullPathName() + "\n" + shade.getFullPathName() + "\n").toStdString());
    const juce::Image panelImage = juce::ImageFileFormat::loadFrom(panel);
    const juce::Image shadeImage = juce::ImageFileFormat::loadFrom(shade);
    EXPECT_EQ(panelImage.getBounds(), juce::Rectangle<int>(725, 615));
    EXPECT_EQ(shadeImage.getBounds(), juce::Rectangle<int>(725, 159));
}

}  // namespace

// Mix files through the running window: a file that is no sound mix moves no
// control and sends nothing to the unit, a failed save is reported with its
// reason, and a file that cannot be read is replaced only when the user agrees.
#include "MainWindow.h"
#include "PanelTest.h"

#include <memory>
#include <string>
#include <vector>

namespace {

template <size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// A sound mix of an older panel: four entries, the others take their defaults.
const std::string kOldMix = bytes(
    "PROP"
    "\x04\0\0\0"
    "HeadPhones\0"
    "127.5\0"
    "Phono\0"
    "1\0"
    "Mainfader\0"
    "200\0"
    "Leftfader1\0"
    "100\0");

class MixSafetyTest : public PanelTest {
protected:
    void SetUp() override {
        if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
            GTEST_SKIP() << "the messages are windows: needs an X server";
        window_ = std::make_unique<MainWindow>(model_, false);
        main().onMixNotice = [this](const juce::String& text) { notices_.add(text); };
        ASSERT_TRUE(pumpUntil([&] { return main().getUnitSelect().getButton(0).isEnabled(); }));
        ASSERT_TRUE(folder_.createDirectory());
    }
    ~MixSafetyTest() override {
        juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
        pump();
        window_.reset();
    }

    MainComp& main() { return window_->getMainComp(); }
    // An empty one too: replaceWithData deletes the file for no data.
    juce::File fileWith(const std::string& name, const std::string& content) {
        juce::File file = folder_.getChildFile(name);
        EXPECT_TRUE(file.deleteFile() && file.create());
        EXPECT_TRUE(content.empty() || file.replaceWithData(content.data(), content.size()));
        return file;
    }
    static std::string contentOf(const juce::File& file) {
        juce::MemoryBlock block;
        file.loadFileAsData(block);
        return std::string(static_cast<const char*>(block.getData()), block.getSize());
    }
    static juce::AlertWindow* openAlert() {
        return dynamic_cast<juce::AlertWindow*>(
            juce::ModalComponentManager::getInstance()->getModalComponent(0));
    }
    // The open message or question, once it is on the screen.
    static juce::AlertWindow* alert() {
        pumpUntil([] { return openAlert() != nullptr; });
        return openAlert();
    }
    static void answer(const char* button) {
        juce::AlertWindow* shown = alert();
        ASSERT_NE(shown, nullptr);
        shown->triggerButtonClick(button);
        ASSERT_TRUE(pumpUntil([] { return openAlert() == nullptr; }));
    }
    std::vector<double> controls() {
        MixMod& mixer = main().getMixer();
        return {main().getHeadphoneKnob().getValue(),
                main().getPhonoButton().getToggleState() ? 1.0 : 0.0,
                mixer.getMain().getFader(),
                mixer.getPlayback().getFader(),
                mixer.getStrip(1).getLeft().getFader(),
                main().getInput(1).getKnob().getValue()};
    }
    static juce::String quoted(const juce::File& file) {
        return "\"" + file.getFullPathName() + "\"";
    }

    std::unique_ptr<MainWindow> window_;
    juce::File folder_{dir_.file("mixes")};
    juce::StringArray notices_;
};

TEST_F(MixSafetyTest, AFileThatIsNoSoundMixMovesNoControlAndSendsNothing) {
    main().getInput(1).getKnob().setValue(40.0);
    main().loadMixFrom(fileWith("Old.imx", kOldMix));
    pump();
    EXPECT_FALSE(sentFrames().empty()) << "a sound mix reaches the unit";
    EXPECT_TRUE(notices_.isEmpty());
    const std::vector<double> loaded{127.5, 1.0, 200.0, 255.0, 100.0, 0.0};
    ASSERT_EQ(controls(), loaded) << "keys the file lacks take their defaults";

    const std::string full = bytes(
        "PROP"
        "\x02\0\0\0"
        "HeadPhones\0"
        "3\0"
        "Mainfader\0"
        "0\0");
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"not a mix file", bytes("RIFF\x24\0\0\0WAVEfmt ")}, {"empty", ""},
        {"damaged", full.substr(0, full.size() - 1)},        {"damaged", full + "\x01"},
        {"damaged", bytes("CPRP\x78\x9c\x63\x62\x60")},
    };
    for (const auto& [reason, content] : bad) {
        const juce::File file = fileWith("Bad.imx", content);
        main().loadMixFrom(file);
        pump();
        EXPECT_TRUE(sentFrames().empty()) << reason;
        EXPECT_EQ(controls(), loaded) << reason;
        ASSERT_EQ(notices_.size(), 1);
        EXPECT_EQ(notices_[0], "Could not load " + quoted(file) + ": " + reason + ".");
        notices_.clear();
        answer("OK");
    }
}

TEST_F(MixSafetyTest, AFailedSaveIsReportedWithItsReason) {
    ASSERT_TRUE(folder_.getChildFile("Busy.imx").createDirectory());
    EXPECT_FALSE(main().saveMixTo(folder_.getChildFile("Busy.txt")));
    ASSERT_EQ(notices_.size(), 1);
    EXPECT_EQ(notices_[0], "Could not save " + quoted(folder_.getChildFile("Busy.imx")) +
                               ": a folder of that name is in the way.");
    answer("OK");

    const juce::File plain = fileWith("plain", "text");
    EXPECT_FALSE(main().saveMixTo(plain.getChildFile("Mix")));
    ASSERT_EQ(notices_.size(), 2);
    EXPECT_EQ(notices_[1],
              "Could not save " + quoted(plain.getChildFile("Mix.imx")) + ": Not a directory.");
    EXPECT_EQ(contentOf(plain), "text");
    answer("OK");

    // The mix folder's parent is a file, so the folder cannot be made.
    const juce::File config(dir_.file("config"));
    ASSERT_TRUE(config.replaceWithText("text"));
    main().getSaveButton().triggerClick();
    ASSERT_TRUE(pumpUntil([&] { return notices_.size() == 3; }));
    EXPECT_EQ(notices_[2], "Could not create the mix folder " +
                               quoted(config.getChildFile("Lumora_1394")) + ": File exists.");
    answer("OK");
}

TEST_F(MixSafetyTest, SavingOverAFileThatIsNoMixAsksFirst) {
    const std::string junk = "JUNKJUNKJUNK";
    const juce::File file = fileWith("Other.imx", junk);
    EXPECT_FALSE(main().saveMixTo(folder_.getChildFile("Other.txt")));
    ASSERT_EQ(notices_.size(), 1);
    EXPECT_EQ(notices_[0], quoted(file) +
                               " cannot be read as a mix (not a mix file). Replace it with this "
                               "mix? What it holds will be lost.");
    ASSERT_NE(alert(), nullptr);
    EXPECT_EQ(alert()->getName(), "Replace file?");
    EXPECT_EQ(alert()->getNumButtons(), 2);
    answer("Cancel");
    pump();
    EXPECT_EQ(contentOf(file), junk);

    EXPECT_FALSE(main().saveMixTo(file));
    answer("OK");
    ASSERT_TRUE(pumpUntil([&] { return contentOf(file) != junk; }));
    EXPECT_EQ(contentOf(file).substr(0, 16), bytes("PROP"
                                                   "\x1f\0\0\0"
                                                   "Phono\0"
                                                   "0\0"));
    EXPECT_EQ(notices_.size(), 2) << "asked again, and no failure";

    const juce::File empty = fileWith("Empty.imx", "");
    EXPECT_FALSE(main().saveMixTo(empty));
    ASSERT_EQ(notices_.size(), 3);
    EXPECT_TRUE(notices_[2].startsWith(quoted(empty) + " cannot be read as a mix (empty)."));
    answer("Cancel");
    EXPECT_EQ(empty.getSize(), 0);
}

TEST_F(MixSafetyTest, ASoundMixIsSavedOverWithoutAQuestionKeepingItsEntries) {
    const juce::File file = fileWith("Shared.imx", bytes("PROP"
                                                         "\x02\0\0\0"
                                                         "Foreign\0"
                                                         "x\0"
                                                         "MixBypass\0"
                                                         "1\0"));
    main().getPhonoButton().setToggleState(true);
    EXPECT_TRUE(main().saveMixTo(file));
    EXPECT_TRUE(notices_.isEmpty());
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
    const std::string saved = contentOf(file);
    EXPECT_EQ(saved.substr(0, 38), bytes("PROP"
                                         "\x20\0\0\0"
                                         "Foreign\0"
                                         "x\0"
                                         "MixBypass\0"
                                         "0\0"
                                         "Phono\0"
                                         "1\0"));
}

}  // namespace

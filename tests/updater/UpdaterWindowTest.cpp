#include "UpdaterWindowTest.h"

UpdaterWindowTest::~UpdaterWindowTest() {
    juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
    pump(50);
    window_.reset();
    pump(20);
}

UpdaterWindow& UpdaterWindowTest::open(bool onDesktop) {
    window_ = std::make_unique<UpdaterWindow>(Api(), onDesktop);
    window_->onClose = [this] { ++closes_; };
    return *window_;
}

bool UpdaterWindowTest::haveDisplay() {
    return juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isNotEmpty();
}

void UpdaterWindowTest::pump(int milliseconds) {
    juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
}

bool UpdaterWindowTest::pumpUntil(const std::function<bool()>& condition, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += 20) {
        if (condition())
            return true;
        pump(20);
    }
    return condition();
}

juce::AlertWindow* UpdaterWindowTest::question() {
    return dynamic_cast<juce::AlertWindow*>(juce::Component::getCurrentlyModalComponent());
}

void UpdaterWindowTest::pressKey(int keyCode) {
    ASSERT_NE(question(), nullptr);
    juce::Component& box = *question();
    box.keyPressed(juce::KeyPress(keyCode));
}

void UpdaterWindowTest::clickAnswer(const juce::String& text) {
    ASSERT_NE(question(), nullptr);
    for (juce::Component* child : question()->getChildren())
        if (auto* button = dynamic_cast<juce::TextButton*>(child);
            button != nullptr && button->getButtonText() == text) {
            button->triggerClick();
            return;
        }
    ADD_FAILURE() << "no answer " << text;
}

std::string UpdaterWindowTest::LongFile(size_t imageBytes) {
    TvdContent content = Content(1);
    content.image.resize(imageBytes, 0xA5);
    return File(content, "long.tvd");
}

bool UpdaterWindowTest::chooseFile(const std::string& path) {
    content().setFile(juce::File(path));
    return pumpUntil([&] { return content().isFileChecked(); });
}

void UpdaterWindowTest::clickUpdateAndConfirm() {
    juce::TextButton& update = content().getProgressPanel().getUpdateButton();
    ASSERT_TRUE(update.isEnabled());
    update.triggerClick();
    ASSERT_TRUE(pumpUntil([] { return question() != nullptr; }));
    EXPECT_EQ(question()->getTitle(), "Update the firmware?");
    const juce::String message = question()->getDescription();
    EXPECT_TRUE(message.contains("The unit restarts during the update, so its audio stops"))
        << message;
    EXPECT_TRUE(message.contains("Do not unplug the unit or switch it off")) << message;
    EXPECT_FALSE(content().isUpdating()) << "nothing starts before the answer";
    pressKey(juce::KeyPress::returnKey);
    ASSERT_TRUE(pumpUntil([&] { return question() == nullptr; }));
}

uint32_t UpdaterWindowTest::waitForEnd(int limitMs) {
    EXPECT_TRUE(pumpUntil([&] { return content().getEndStatus() != 36u; }, limitMs));
    return content().getEndStatus();
}

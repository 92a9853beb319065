// The main of test programs that need JUCE: one GUI initialiser for the whole
// run, and no application instance, so that JUCE installs its X error
// handlers as it does outside a real application.
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace {

class JuceEnvironment : public ::testing::Environment {
public:
    void SetUp() override { initialiser_ = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
    void TearDown() override { initialiser_.reset(); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> initialiser_;
};

}  // namespace

int main(int argc, char** argv) {
    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* {
        return nullptr;
    };
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new JuceEnvironment);
    return RUN_ALL_TESTS();
}

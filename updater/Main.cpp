// lumora_update: updates a unit's firmware in a window, through the download
// library's exports only.
#include "UpdaterApp.h"

namespace {

juce::JUCEApplicationBase* createApplication() {
    return new UpdaterApp();
}

}  // namespace

int main(int argc, char* argv[]) {
    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main(argc, const_cast<const char**>(argv));
}

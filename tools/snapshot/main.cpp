// panelsnapshot [FOLDER]: renders the main window (title bar included) and
// the window-shade strip to FOLDER/panel.png and FOLDER/winshade.png (default
// folder: docs), against the unit of the simulated bus. The window never goes
// on the screen, so no display is needed.
#include "MainWindow.h"
#include "ScreenshotRun.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc > 2 || (argc == 2 && juce::String(argv[1]).startsWith("-"))) {
        std::fprintf(stderr, "usage: panelsnapshot [FOLDER]\n");
        return 2;
    }
    const juce::File folder =
        juce::File::getCurrentWorkingDirectory().getChildFile(argc == 2 ? argv[1] : "docs");
    juce::ScopedJuceInitialiser_GUI gui;
    int status = 1;
    {
        MainWindow window(TheDeviceModel(), false);
        ScreenshotRun run(window, folder, [&status](const juce::StringArray& written) {
            for (const juce::String& path : written)
                std::printf("%s\n", path.toRawUTF8());
            status = written.size() == 2 ? 0 : 1;
            juce::MessageManager::getInstance()->stopDispatchLoop();
        });
        juce::MessageManager::getInstance()->runDispatchLoop();
    }
    return status;
}

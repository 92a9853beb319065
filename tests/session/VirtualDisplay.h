#pragma once
#include "Subprocess.h"

#include <string>
#include <vector>

// A private X server (Xvfb) with the small window manager (jwm) beside it, so
// that no other test's windows take the session's clicks and minimising works.
class VirtualDisplay {
public:
    // The display's name, e.g. ":3"; empty when the server did not start.
    std::string start(const std::vector<std::string>& env, const std::string& logFile);
    // Starts the window manager on the display that env names, with the
    // configuration written to configFile; false when none took the screen.
    bool startWindowManager(const std::string& display, const std::vector<std::string>& env,
                            const std::string& configFile, const std::string& logFile);

private:
    Subprocess server_;
    Subprocess windowManager_;
};

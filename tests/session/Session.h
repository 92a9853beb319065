#pragma once
#include "ActionLog.h"
#include "ActionPicker.h"
#include "ActionRunner.h"
#include "BusControl.h"
#include "PanelWindow.h"
#include "RemoteControl.h"
#include "SessionOptions.h"
#include "SessionWorld.h"
#include "Subprocess.h"
#include "VirtualDisplay.h"

#include <chrono>
#include <memory>
#include <string>

// One random session against a running panel: its world, display, bus and
// remote control set up, the actions done (drawn from the seed or read from a log) with the bus
// made healthy and the window's answer checked every 10 s, then the end:
// the panel alive, ended by SIGTERM with status 0, no sanitizer report, the
// bus file whole with both units and the name typed last, and the selected
// unit holding what the panel showed, as a fresh panel reads it back.
class Session {
public:
    explicit Session(SessionOptions options) : options_(std::move(options)) {}

    // 0 passed, 1 a fault found, 2 the session could not be set up.
    int run();

private:
    bool setUp();
    bool startPanel();
    void randomActions();
    void replayActions();
    // Logs and runs one action, then checks that the panel still runs.
    bool perform(const Action& action);
    void finish();
    bool endPanel();
    bool checkWorld();
    bool checkReadBack(const std::string& shownText);
    std::string readBackList(Subprocess& fresh, int unit);
    std::string sanitizerReport();
    bool fail(const std::string& reason);
    void report();
    double elapsed() const;
    bool busHasName(const std::string& name);
    std::string finalName(char first) const;

    SessionOptions options_;
    SessionWorld world_;
    VirtualDisplay display_;
    std::string displayName_;
    ActionLog log_;
    std::string logPath_;
    std::unique_ptr<BusControl> bus_;
    int remotePort_ = 0;
    std::unique_ptr<RemoteControl> remote_;
    PanelWindow window_;
    std::unique_ptr<ActionRunner> runner_;
    Subprocess panel_;
    std::chrono::steady_clock::time_point start_;
    std::string failure_;
    int actions_ = 0;
    bool nameWritten_ = false;
};

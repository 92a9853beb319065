#include "Session.h"

#include "ControlValues.h"
#include "TextFile.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

constexpr int kHealEverySeconds = 10;
constexpr int kWindowWaitMs = 30000;
constexpr int kExitMs = 5000;
constexpr int kShadeHeight = 159;

const char* const kSanitizerMarks[] = {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer",
                                       "runtime error:", "WARNING: ThreadSanitizer"};

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string readFile(const std::string& path) {
    std::string text;
    return TextFile::read(path, text) ? text : std::string();
}

// The log_path a sanitizer's options name, where its reports go as PATH.<pid>.
std::string sanitizerLogPath(const char* variable) {
    const char* options = std::getenv(variable);
    const std::string text = options != nullptr ? options : "";
    const size_t at = text.find("log_path=");
    if (at == std::string::npos)
        return "";
    const size_t from = at + 9;
    return text.substr(from, text.find(':', from) - from);
}

void printTail(const std::string& title, const std::string& text, size_t lines) {
    size_t from = text.size();
    for (size_t seen = 0; from > 0 && seen <= lines;)
        if (text[--from] == '\n')
            ++seen;
    std::printf("--- %s ---\n%s\n", title.c_str(), text.substr(from).c_str());
}

}  // namespace

int Session::run() {
    if (options_.replay.empty())
        std::printf("panel_session: seed %llu, %d s\n", (unsigned long long)options_.seed,
                    options_.seconds);
    else
        std::printf("panel_session: replaying %s\n", options_.replay.c_str());
    std::fflush(stdout);
    if (!setUp() || !startPanel()) {
        report();
        return 2;
    }
    start_ = std::chrono::steady_clock::now();
    if (options_.replay.empty())
        randomActions();
    else
        replayActions();
    finish();
    report();
    return failure_.empty() ? 0 : 1;
}

bool Session::setUp() {
    if (!world_.ready())
        return fail("no temporary folder");
    logPath_ = options_.log.empty() ? world_.file("actions.log") : options_.log;
    if (!log_.open(logPath_))
        return fail("cannot write the action log " + logPath_);
    log_.note(0, "seed " + std::to_string(options_.seed));
    displayName_ = options_.display;
    if (displayName_.empty())
        displayName_ = display_.start(world_.environment(), world_.file("display.log"));
    if (displayName_.empty())
        return fail("no virtual X server (Xvfb) could be started");
    world_.setDisplay(displayName_);
    if (options_.display.empty() &&
        !display_.startWindowManager(displayName_, world_.environment(), world_.file("jwmrc"),
                                     world_.file("display.log")))
        log_.note(0, "no window manager (jwm): minimising is not tried");
    if (!window_.open(displayName_))
        return fail("cannot open the display " + displayName_ + " with the X test extension");
    bus_ = std::make_unique<BusControl>(options_.tvcbus, world_.environment(),
                                        world_.file("bus-tool.log"));
    if (!bus_->makeTwoUnits())
        return fail("the bus tool could not set up two units");
    remotePort_ = RemoteControl::freePort();
    if (remotePort_ == 0)
        return fail("no free port on 127.0.0.1 for the remote control");
    remote_ = std::make_unique<RemoteControl>(options_.lumoractl, remotePort_, world_.environment(),
                                              world_.file("remote.log"), world_.folder());
    runner_ = std::make_unique<ActionRunner>(
        window_, *bus_, *remote_, [this](const std::string& text) { log_.note(elapsed(), text); },
        world_.file("screen.ppm"));
    return true;
}

bool Session::startPanel() {
    log_.note(0, "remote control on port " + std::to_string(remotePort_));
    if (!panel_.start({options_.panel, "--osc-port", std::to_string(remotePort_)},
                      world_.environment(), world_.file("panel.log")))
        return fail("cannot start " + options_.panel);
    for (int waited = 0; waited < kWindowWaitMs; waited += 100) {
        if (!panel_.running())
            return fail("the panel ended at start with " + std::to_string(panel_.exitCode()));
        if (window_.find() && window_.height() > 0) {
            pause(ActionRunner::kSettleMs);
            return true;
        }
        pause(100);
    }
    return fail("the panel showed no window within 30 s");
}

void Session::randomActions() {
    ActionPicker picker(options_.seed);
    int nextHeal = kHealEverySeconds;
    while (failure_.empty() && elapsed() < options_.seconds) {
        if (elapsed() >= nextHeal) {
            nextHeal += kHealEverySeconds;
            if (!perform({"heal", {}}) || !perform({"check", {}}) || !perform({"readback", {}}))
                break;
        }
        if (!perform(picker.next()))
            break;
        pause(picker.pauseMs());
    }
}

void Session::replayActions() {
    std::vector<ActionLog::Entry> entries;
    std::string error;
    if (!ActionLog::read(options_.replay, entries, error)) {
        fail(error);
        return;
    }
    for (const ActionLog::Entry& entry : entries) {
        const double wait = entry.seconds - elapsed();
        if (wait > 0)
            pause(int(wait * 1000));
        if (!perform(entry.action))
            return;
    }
}

bool Session::perform(const Action& action) {
    log_.action(elapsed(), action);
    ++actions_;
    if (!runner_->run(action))
        return fail("at " + action.text() + ": " + log_.tail().back());
    if (!panel_.running())
        return fail("the panel ended with " + std::to_string(panel_.exitCode()) + " after " +
                    action.text());
    return true;
}

// The name typed last must be in the bus file after SIGTERM: a panel that
// loses its units' state on the way out fails here. That is checked only
// when a name typed just before reached the bus file, so a panel that cannot
// write names at all (noted and printed) is not taken for one that loses them
// at exit. The pauses let the panel (slow when sanitized) read the keys.
void Session::finish() {
    std::string shown;
    if (failure_.empty() && perform({"heal", {}}) && perform({"check", {}})) {
        if (window_.height() == kShadeHeight)
            perform({"title", {"WinShade"}});
        for (int waited = 0; waited < ActionRunner::kAnswerMs && window_.height() == kShadeHeight;
             waited += 50)
            pause(50);
        pause(500);
        perform({"rename", {"1", ":" + finalName('R'), "return"}});
        for (int waited = 0; waited < 2000 && !nameWritten_; waited += 50) {
            pause(50);
            nameWritten_ = busHasName(finalName('R'));
        }
        if (!nameWritten_)
            log_.note(elapsed(), "WARNING: a healthy unit 1 did not take the name " +
                                     finalName('R') + ": the name at exit is not checked");
        perform({"rename", {"1", ":" + finalName('S'), "return"}});
        pause(300);
        shown = remote_->output({"list"});
    }
    if (endPanel() && failure_.empty() && checkWorld())
        checkReadBack(shown);
}

// A fresh panel on the same bus reads the selected unit back: the unit must
// hold what the ended panel showed, up to the rounding of its encodings. A
// move shown but lost on its way to the unit fails here.
bool Session::checkReadBack(const std::string& shownText) {
    const ControlValues shown = ControlValues::parse(shownText);
    const std::optional<int> unit = shown.value("unit.select");
    if (!unit)
        return fail("the panel did not list its controls at the end");
    log_.note(elapsed(), "a fresh panel reads unit " + std::to_string(*unit) + " back");
    Subprocess fresh;
    if (!fresh.start({options_.panel, "--osc-port", std::to_string(remotePort_)},
                     world_.environment(), world_.file("readback-panel.log")))
        return fail("cannot start a fresh panel to read the unit back");
    const std::string text = readBackList(fresh, *unit);
    fresh.sendSignal(SIGTERM);
    if (!fresh.waitFor(kExitMs))
        fresh.kill();
    if (text.empty())
        return fail("the fresh panel did not list unit " + std::to_string(*unit));
    std::string lines;
    for (const std::string& line : ControlValues::differences(shown, ControlValues::parse(text)))
        lines += "\n  " + line;
    return lines.empty() || fail("the unit does not hold what the panel showed:" + lines);
}

// Chooses the unit in a fresh panel once it answers, and lists its controls.
std::string Session::readBackList(Subprocess& fresh, int unit) {
    for (int waited = 0; waited < kWindowWaitMs && fresh.running(); waited += 100) {
        if (remote_->run({"unit", std::to_string(unit)}) == 0) {
            pause(ActionRunner::kSettleMs);
            return remote_->output({"list"});
        }
        pause(100);
    }
    return "";
}

bool Session::endPanel() {
    if (!panel_.running())
        return fail("the panel is not running at the end");
    log_.note(elapsed(), "SIGTERM");
    panel_.sendSignal(SIGTERM);
    if (!panel_.waitFor(kExitMs)) {
        panel_.kill();
        return fail("the panel did not end within 5 s of SIGTERM");
    }
    if (panel_.exitCode() != 0)
        return fail("the panel ended with " + std::to_string(panel_.exitCode()) + " after SIGTERM");
    log_.note(elapsed(), "the panel ended with 0");
    const std::string found = sanitizerReport();
    return found.empty() || fail("sanitizer report: " + found);
}

bool Session::checkWorld() {
    const std::string problem = BusControl::checkFile(world_.busFile());
    if (!problem.empty())
        return fail(problem);
    if (nameWritten_ && !busHasName(finalName('S')))
        return fail("the name typed last (" + finalName('S') + ") is not in the bus file");
    return true;
}

bool Session::busHasName(const std::string& name) {
    return readFile(world_.busFile()).find("Name=" + name + "\n") != std::string::npos;
}

std::string Session::sanitizerReport() {
    for (const char* variable : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
        const std::string path = sanitizerLogPath(variable);
        std::string file = path + "." + std::to_string(panel_.pid());
        if (!path.empty() && std::filesystem::exists(file))
            return file;
    }
    const std::string output = readFile(world_.file("panel.log"));
    for (const char* mark : kSanitizerMarks)
        if (output.find(mark) != std::string::npos)
            return world_.file("panel.log");
    return "";
}

bool Session::fail(const std::string& reason) {
    if (failure_.empty())
        failure_ = reason;
    log_.note(world_.ready() ? elapsed() : 0, "FAILED: " + reason);
    return false;
}

void Session::report() {
    if (failure_.empty()) {
        if (!nameWritten_)
            std::printf("panel_session: WARNING: unit 1 took no name after the bus was healthy\n");
        std::printf("panel_session: passed, %d actions in %.0f s\n", actions_, elapsed());
        if (options_.keep)
            world_.keep();
        return;
    }
    world_.keep();
    std::string tail;
    for (const std::string& line : log_.tail())
        tail += line + "\n";
    printTail("the action log's end (" + logPath_ + ")", tail, 40);
    printTail("the panel's output (" + world_.file("panel.log") + ")",
              readFile(world_.file("panel.log")), 30);
    std::printf(
        "panel_session: FAILED: %s\nseed %llu; the session's folder: %s\n"
        "replay: panel_session --replay %s\n",
        failure_.c_str(), (unsigned long long)options_.seed, world_.folder().c_str(),
        logPath_.c_str());
}

double Session::elapsed() const {
    if (start_ == std::chrono::steady_clock::time_point())
        return 0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

// Six characters at most, as a unit name holds.
std::string Session::finalName(char first) const {
    return first + std::to_string(options_.seed % 100000);
}

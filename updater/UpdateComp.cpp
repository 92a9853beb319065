#include "UpdateComp.h"

#include "Question.h"
#include "UnitScan.h"

namespace {

// The three framed sections and the log row, in the content's coordinates.
const juce::Rectangle<int> kUnits(14, 60, 690, 128);
const juce::Rectangle<int> kFile(14, 200, 690, 210);
const juce::Rectangle<int> kUpdate(14, 422, 690, 170);
const juce::Rectangle<int> kLog(24, 602, 670, 24);

double Seconds() {
    return juce::Time::getMillisecondCounterHiRes() / 1000.0;
}

}  // namespace

UpdateComp::UpdateComp(FwdlApi& api) : api_(api), run_(api) {
    setSize(kWidth, kHeight);
    setTitle("Firmware update");
    units_.onChoice = [this] { check(); };
    units_.getList().setExplicitFocusOrder(1);
    firmware_.onFileChosen = [this](const juce::File& file) { setFile(file); };
    progress_.onUpdate = [this] { askToUpdate(); };
    progress_.onRestart = [this] { askToRestart(); };
    log_.onSwitch = [this](bool on, const juce::File& file) { switchLog(on, file); };
    for (juce::Component* child :
         std::initializer_list<juce::Component*>{&units_, &firmware_, &progress_, &log_})
        addAndMakeVisible(child);
    progress_.showReady("Choose a unit and a firmware file.");
    firmware_.showNoUnit();
    scan();
    startTimer(ScanTimer, kScanMs);
}

UpdateComp::~UpdateComp() {
    stopTimer(ScanTimer);
    stopTimer(PollTimer);
}

void UpdateComp::paint(juce::Graphics& g) {
    backdrop_.paint(g, getLocalBounds());
    Backdrop::section(g, kUnits, "UNITS");
    Backdrop::section(g, kFile, "FIRMWARE FILE");
    Backdrop::section(g, kUpdate, "UPDATE");
}

void UpdateComp::resized() {
    units_.setBounds(kUnits.reduced(10, 14));
    firmware_.setBounds(kFile.reduced(10, 14));
    progress_.setBounds(kUpdate.reduced(10, 14));
    log_.setBounds(kLog);
}

// The worker runs the work; the result comes back on the message thread,
// unless the window has gone meanwhile.
template <typename Result>
void UpdateComp::inBackground(std::function<Result()> work, std::function<void(Result)> then) {
    juce::Component::SafePointer<UpdateComp> self(this);
    jobs_.Post([self, work, then] {
        Result result = work();
        juce::MessageManager::callAsync([self, then, result] {
            if (self != nullptr)
                then(result);
        });
    });
}

void UpdateComp::timerCallback(int timerId) {
    if (timerId == PollTimer)
        poll();
    else if (!isUpdating() && jobs_.Pending() == 0)
        scan();
}

void UpdateComp::scan() {
    FwdlApi& api = api_;
    inBackground<std::vector<UnitSummary>>(
        [&api] {
            std::vector<UnitSummary> units;
            UnitScan::Read(api, units);
            return units;
        },
        [this](const std::vector<UnitSummary>& units) { scanned(units); });
}

void UpdateComp::scanned(const std::vector<UnitSummary>& units) {
    ++scans_;
    if (isUpdating())
        return;
    const UnitSummary* before = units_.chosen();
    const UnitSummary previous = before != nullptr ? *before : UnitSummary();
    const bool hadOne = before != nullptr;
    units_.setUnits(units);
    const UnitSummary* now = units_.chosen();
    // A chosen unit whose record changed (new firmware, another protocol) is checked again.
    if (hadOne && now != nullptr && now->guid == previous.guid && *now != previous)
        check();
    if (stage_ == Stage::Finished && !foundAgain_)
        showReadBack(units);
}

void UpdateComp::setFile(const juce::File& file) {
    if (isUpdating())
        return;
    file_ = file;
    firmware_.showFile(file);
    check();
}

void UpdateComp::check() {
    checked_ = false;
    refreshButtons();
    const UnitSummary* unit = units_.chosen();
    if (file_ == juce::File())
        return;
    if (unit == nullptr) {
        firmware_.showNoUnit();
        return;
    }
    firmware_.showChecking();
    const int serial = ++checkSerial_;
    FwdlApi& api = api_;
    const UnitSummary chosen = *unit;
    const std::string path = file_.getFullPathName().toStdString();
    inBackground<CheckResult>(
        [&api, chosen, path] {
            CheckResult result;
            result.facts = FirmwareCheck::Describe(api, path);
            result.verdict = result.facts.status == TVCFWDL_STATUS_SUCCESS
                                 ? FirmwareCheck::Check(api, chosen, path)
                                 : FirmwareCheck::Refusal(result.facts.status);
            return result;
        },
        [this, serial](const CheckResult& result) { checked(serial, result); });
}

void UpdateComp::checked(int serial, const CheckResult& result) {
    const UnitSummary* unit = units_.chosen();
    if (serial != checkSerial_ || unit == nullptr)
        return;
    facts_ = result.facts;
    verdict_ = result.verdict;
    checked_ = true;
    if (facts_.status == TVCFWDL_STATUS_SUCCESS)
        firmware_.showFacts(facts_);
    firmware_.showVerdict(verdict_, *unit);
    if (!isUpdating() && stage_ != Stage::Finished)
        progress_.showReady(verdict_.accepted ? "Ready: Update asks once before it starts."
                                              : "This file cannot be used for this unit.");
    refreshButtons();
}

void UpdateComp::askToUpdate() {
    const UnitSummary* unit = units_.chosen();
    if (!isFileAccepted() || isUpdating() || unit == nullptr)
        return;
    const juce::String message =
        "Unit: " + unit->Title() + "\nFirmware now: " + unit->FirmwareText() +
        "\nFirmware after the update: " + facts_.FirmwareText() +
        "\n\nThe unit restarts during the update, so its audio stops until the update has "
        "finished. Do not unplug the unit or switch it off, and leave this window open until it "
        "says that the update has finished.";
    Question::ask(*this, "Update the firmware?", message, {"Update", "Cancel", true},
                  [safe = juce::Component::SafePointer<UpdateComp>(this)](bool yes) {
                      if (yes && safe != nullptr)
                          safe->startUpdate();
                  });
}

void UpdateComp::startUpdate() {
    const UnitSummary* unit = units_.chosen();
    if (!isFileAccepted() || isUpdating() || unit == nullptr)
        return;
    updating_ = *unit;
    readBack_ = false;
    foundAgain_ = false;
    clock_ = TransferClock();
    setStage(Stage::Starting);
    progress_.showProgress(0, 1, clock_);
    UpdateRun& run = run_;
    const UnitSummary chosen = *unit;
    const std::string path = file_.getFullPathName().toStdString();
    inBackground<uint32_t>([&run, chosen, path] { return run.Start(chosen, path); },
                           [this](uint32_t status) { started(status); });
}

void UpdateComp::started(uint32_t status) {
    if (status != TVCFWDL_STATUS_SUCCESS) {
        finished(status);
        return;
    }
    setStage(Stage::Running);
    startTimer(PollTimer, kPollMs);
}

void UpdateComp::poll() {
    const UpdateRun::Progress progress = run_.Read();
    clock_.Note(progress.done, Seconds());
    if (progress.Running()) {
        progress_.showProgress(progress.done, progress.total, clock_);
        return;
    }
    stopTimer(PollTimer);
    finished(progress.status);
}

// Success is claimed only for the library's success; the unit is then read
// back and its firmware shown, also when it shows up only a scan or two later.
void UpdateComp::finished(uint32_t status) {
    endStatus_ = status;
    setStage(Stage::Finished);
    progress_.showEnd(StatusAdvice::For(status), "Reading the unit back...");
    scan();
}

void UpdateComp::showReadBack(const std::vector<UnitSummary>& units) {
    juce::String readBack = "The unit is not listed now.";
    for (const UnitSummary& unit : units)
        if (unit.guid == updating_.guid) {
            foundAgain_ = true;
            readBack = "The unit now reports firmware " + unit.FirmwareText() + " (was " +
                       updating_.FirmwareText() + ").";
        }
    if (readBack_ && !foundAgain_)
        return;
    readBack_ = true;
    progress_.showEnd(StatusAdvice::For(endStatus_), readBack);
}

void UpdateComp::askToRestart() {
    Question::ask(*this, "Restart the computer?",
                  "The unit works again once the computer has restarted. Save your work in other "
                  "programs first.",
                  {"Restart now", "Later", true},
                  [safe = juce::Component::SafePointer<UpdateComp>(this)](bool yes) {
                      if (!yes || safe == nullptr)
                          return;
                      UpdateRun& run = safe->run_;
                      safe->inBackground<uint32_t>(
                          [&run] { return run.RestartComputer(); },
                          [safe](uint32_t status) {
                              if (status != TVCFWDL_STATUS_SUCCESS && safe != nullptr)
                                  safe->progress_.showEnd(StatusAdvice::For(status), {});
                          });
                  });
}

void UpdateComp::switchLog(bool on, const juce::File& file) {
    if (on)
        file.getParentDirectory().createDirectory();
    FwdlApi& api = api_;
    const std::string path = file.getFullPathName().toStdString();
    inBackground<uint32_t>(
        [&api, on, path] { return api.EnableLogging(on ? path.c_str() : nullptr); },
        [this, on, file](uint32_t status) {
            const bool ok = status == TVCFWDL_STATUS_SUCCESS;
            log_.showState(on && ok, file, !ok);
        });
}

bool UpdateComp::isInterestedInFileDrag(const juce::StringArray& files) {
    return files.size() == 1 && !isUpdating();
}

void UpdateComp::filesDropped(const juce::StringArray& files, int, int) {
    setFile(juce::File(files[0]));
}

void UpdateComp::setStage(Stage stage) {
    stage_ = stage;
    const bool idle = !isUpdating();
    units_.setEnabled(idle);
    firmware_.getChooseButton().setEnabled(idle);
    log_.getSwitch().setEnabled(idle);
    refreshButtons();
}

void UpdateComp::refreshButtons() {
    progress_.setUpdateEnabled(isFileAccepted() && !isUpdating() && units_.chosen() != nullptr);
}

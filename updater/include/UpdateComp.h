#pragma once
#include "Backdrop.h"
#include "FirmwareCheck.h"
#include "FirmwarePanel.h"
#include "FwdlApi.h"
#include "JobQueue.h"
#include "LogSwitch.h"
#include "ProgressPanel.h"
#include "StatusAdvice.h"
#include "UnitTable.h"
#include "UpdateRun.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The updater's content: the units, the firmware file and the update, on the
// panel's brushed metal. Calls into the library that may wait for a unit run
// on a worker thread; the running download is polled by a timer.
class UpdateComp : public juce::Component,
                   public juce::FileDragAndDropTarget,
                   private juce::MultiTimer {
public:
    enum class Stage { Idle, Starting, Running, Finished };
    static constexpr int kWidth = Backdrop::kWidth;
    static constexpr int kHeight = 650;
    static constexpr int kScanMs = 1000;
    static constexpr int kPollMs = 100;

    explicit UpdateComp(FwdlApi& api);
    ~UpdateComp() override;

    void setFile(const juce::File& file);
    // Asks once, then updates the chosen unit with the chosen file.
    void askToUpdate();
    // Updates without asking: for the screenshots, which no one watches.
    void startUpdate();

    Stage getStage() const { return stage_; }
    bool isUpdating() const { return stage_ == Stage::Starting || stage_ == Stage::Running; }
    bool haveUnitsBeenRead() const { return scans_ > 0; }
    bool isFileChecked() const { return checked_; }
    bool isFileAccepted() const { return checked_ && verdict_.accepted; }
    // The end's status once the unit has been read back after it, else 36.
    uint32_t getEndStatus() const { return readBack_ ? endStatus_ : 36u; }

    UnitTable& getUnitTable() { return units_; }
    FirmwarePanel& getFirmwarePanel() { return firmware_; }
    ProgressPanel& getProgressPanel() { return progress_; }
    LogSwitch& getLogSwitch() { return log_; }

    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    void filesDropped(const juce::StringArray& files, int x, int y) override;
    void paint(juce::Graphics& g) override;
    void resized() override;

private:
    enum Timers { ScanTimer, PollTimer };
    struct CheckResult {
        FirmwareFacts facts;
        FirmwareVerdict verdict;
    };

    void timerCallback(int timerId) override;
    template <typename Result>
    void inBackground(std::function<Result()> work, std::function<void(Result)> then);
    void scan();
    void scanned(const std::vector<UnitSummary>& units);
    void check();
    void checked(int serial, const CheckResult& result);
    void started(uint32_t status);
    void poll();
    void finished(uint32_t status);
    void showReadBack(const std::vector<UnitSummary>& units);
    void askToRestart();
    void switchLog(bool on, const juce::File& file);
    void setStage(Stage stage);
    void refreshButtons();

    FwdlApi& api_;
    Backdrop backdrop_;
    UnitTable units_;
    FirmwarePanel firmware_;
    ProgressPanel progress_;
    LogSwitch log_;
    juce::File file_;
    FirmwareFacts facts_;
    FirmwareVerdict verdict_;
    bool checked_ = false;
    int checkSerial_ = 0;
    int scans_ = 0;
    Stage stage_ = Stage::Idle;
    UnitSummary updating_;
    TransferClock clock_;
    uint32_t endStatus_ = 0;
    bool readBack_ = false;    // the units were read after the end
    bool foundAgain_ = false;  // and the updated unit was among them
    UpdateRun run_;
    // Last, so that it is gone, with its worker, before anything a job reaches.
    JobQueue jobs_;
};

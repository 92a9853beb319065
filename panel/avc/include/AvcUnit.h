#pragma once
#include "AvcFrame.h"
#include "AvcTimeoutGate.h"
#include "DeviceModel.h"

#include <cstdint>
#include <string>
#include <vector>

// The panel's one unit command object: every builder fills an AV/C frame,
// sends it to the selected unit and, for a status command, decodes the value.
// A failed command changes nothing and returns false; a failed status command
// leaves its output as it was. It also holds the unit count and selection.
class AvcUnit {
public:
    explicit AvcUnit(CDeviceModel& model = TheDeviceModel()) : model_(model) {}
    virtual ~AvcUnit() = default;

    bool SetVolume(int n, int ch, int value);
    bool GetVolume(int n, int ch, int& value);
    bool SetBalance(int n, int ch, int value);
    bool GetBalance(int n, int ch, int& value);
    bool SetMute(int n, int ch, bool on);
    bool GetMute(int n, int ch, bool& on);
    bool SetOutputVolume(int n, int ch, int value);
    bool GetOutputVolume(int n, int ch, int& value);
    bool SetGain(int n, int ch, int value);
    bool GetGain(int n, int ch, int& value);

    bool SetMixBypass(bool on);
    bool GetMixBypass(bool& on);
    bool SetPhono(bool on);
    bool GetPhono(bool& on);
    bool SetPhantom(int channel, bool on);
    bool GetPhantom(int channel, bool& on);
    bool SetBoost(int channel, bool on);
    bool GetBoost(int channel, bool& on);
    bool SetLimiter(int channel, bool on);
    bool GetLimiter(int channel, bool& on);
    bool SetLink(int strip, bool on);
    bool GetLink(int strip, bool& on);
    bool VendorCommand4();
    bool VendorCommand7();

    // The name commands switch to the unit at the index and back; a unit
    // that cannot be selected gets no command and the result is false.
    bool SetUnitName(int unitIndex, const char* name);
    bool GetUnitName(int unitIndex, char* buffer);

    int GetUnitCount();
    // Moves still held back go to the unit they were made on before the switch.
    bool SelectUnit(int index);
    // The panel now shows this many units: the unit watch reports a change
    // whenever the count differs from it, also one that came and went while
    // the last change was being handled.
    void noteUnitsShown(int count) { model_.LastUnitCount = DWORD(count); }

    // Sends again the latest value of every control whose command failed, once
    // the unit they were meant for answers: a move made while it did not
    // answer is not lost. Also runs after any command that succeeds. Values a
    // read-back set on the controls are not moves and are not kept.
    void resendFailed();
    // True while a read-back runs.
    bool isReadingBack() const { return gate_.refreshing(); }
    // A read-back was incomplete and the unit may be asked again now.
    bool readBackDue() const { return readBackIncomplete_ && gate_.admits(GetTickCount()); }
    // Names the selected unit across selections: its device path.
    std::string selectedUnitPath() const;

    // A sender that may hold a move back (a knob's, a fader's, a switch's): a
    // read-back or another unit chosen has it send the move first. It is known
    // to the unit for as long as it lives; its own destructor sends what it holds.
    class Deferred {
    public:
        Deferred(const Deferred&) = delete;
        Deferred& operator=(const Deferred&) = delete;
        virtual void sendNow() = 0;

    protected:
        explicit Deferred(AvcUnit& unit);
        ~Deferred();

        AvcUnit& unit_;
    };

    // Brackets one read-back of controls from the unit: once a command of it
    // times out, its other commands fail at once and the controls take their
    // defaults. The next refresh tries the unit again.
    class Refresh {
    public:
        // Moves that have not reached the unit go first, so the read-back finds them.
        explicit Refresh(AvcUnit& unit) : gate_(unit.gate_) {
            unit.sendDeferred();
            if (!gate_.refreshing())
                unit.readBackIncomplete_ = false;
            gate_.beginRefresh();
            unit.resendFailed();
        }
        ~Refresh() { gate_.endRefresh(); }
        Refresh(const Refresh&) = delete;
        Refresh& operator=(const Refresh&) = delete;

    private:
        AvcTimeoutGate& gate_;
    };

    // Brackets a command that echoes a value a read-back set: its failure is not kept.
    class Echo {
    public:
        Echo(AvcUnit& unit, bool echo) : unit_(unit), was_(unit.echo_) { unit_.echo_ = echo; }
        ~Echo() { unit_.echo_ = was_; }
        Echo(const Echo&) = delete;
        Echo& operator=(const Echo&) = delete;

    private:
        AvcUnit& unit_;
        bool was_;
    };

protected:
    // Carries one request record to the selected unit and its response back.
    virtual DWORD transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response);

private:
    void sendDeferred();

    enum SubCommand : uint8_t {
        Phono = 0,
        Phantom = 1,
        Boost = 2,
        Limiter = 3,
        Command4 = 4,
        Link = 5,
        Command7 = 7
    };

    // A control command that failed, by the status frame of the same control.
    struct Failed {
        std::vector<uint8_t> key;
        std::vector<uint8_t> frame;
    };

    bool send(const std::vector<uint8_t>& frame, std::vector<uint8_t>* response = nullptr);
    // Sends a control's new value; a failure keeps it for resendFailed.
    bool sendControl(const std::vector<uint8_t>& frame, const std::vector<uint8_t>& key);
    void forgetFailed(const std::vector<uint8_t>& key);
    void rememberFailed(const std::vector<uint8_t>& key, const std::vector<uint8_t>& frame);

    bool setFeature(int block, int ch, AvcFrame::Selector selector,
                    const std::vector<uint8_t>& data);
    // The two value bytes of a feature control's status answer.
    bool readFeature(int block, int ch, AvcFrame::Selector selector, uint8_t value[2]);
    bool setSwitch(SubCommand command, int argument, bool on);
    bool getSwitch(SubCommand command, int argument, bool& on);
    // Selects the unit a name command is meant for; false when it cannot be.
    bool selectForName(int unitIndex, int previous, bool switching);

    CDeviceModel& model_;
    AvcTimeoutGate gate_;
    // Failed controls of one unit, oldest first; a failure on another unit replaces them.
    std::vector<Failed> failed_;
    std::vector<Deferred*> deferred_;
    std::string failedUnit_;
    bool resending_ = false;
    // The last command failed because the unit timed out (or was held back after that).
    bool unitSlow_ = false;
    bool echo_ = false;
    bool readBackIncomplete_ = false;
};

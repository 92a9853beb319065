#pragma once
#include "AvcFrame.h"
#include "AvcTimeoutGate.h"
#include "DeviceModel.h"

#include <cstdint>
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
    bool SelectUnit(int index);

    // Brackets one read-back of controls from the unit: once a command of it
    // times out, its other commands fail at once and the controls take their
    // defaults. The next refresh tries the unit again.
    class Refresh {
    public:
        explicit Refresh(AvcUnit& unit) : gate_(unit.gate_) { gate_.beginRefresh(); }
        ~Refresh() { gate_.endRefresh(); }
        Refresh(const Refresh&) = delete;
        Refresh& operator=(const Refresh&) = delete;

    private:
        AvcTimeoutGate& gate_;
    };

protected:
    // Carries one request record to the selected unit and its response back.
    virtual DWORD transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response);

private:
    enum SubCommand : uint8_t {
        Phono = 0,
        Phantom = 1,
        Boost = 2,
        Limiter = 3,
        Command4 = 4,
        Link = 5,
        Command7 = 7
    };

    bool send(const std::vector<uint8_t>& frame, std::vector<uint8_t>* response = nullptr);
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
};

// Answers every status command of the panel's unit command object with any
// bytes as the driver's response record, and checks what the panel takes
// from it: every control value stays on its 0 to 255 scale, and a name
// has six characters at most and ends inside its buffer.
#include "AvcUnit.h"
#include "FuzzScratch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The unit channel's place taken by the input: its first byte chooses the
// driver status, the rest is the response record.
class CannedUnit : public AvcUnit {
public:
    CannedUnit(CDeviceModel& model, const uint8_t* data, size_t size)
        : AvcUnit(model), data_(data), size_(size) {}

protected:
    DWORD transmit(PTVC_AVC_REQUEST, PTVC_AVC_RESPONSE response) override {
        if (size_ == 0 || data_[0] % 4 == 3)
            return 0xE0000050;
        size_t body = size_ - 1 < sizeof *response ? size_ - 1 : sizeof *response;
        std::memcpy(response, data_ + 1, body);
        return 0;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

void expectScale(bool ok, int value) {
    if (ok && (value < 0 || value > 255))
        std::abort();
}

void readLevels(AvcUnit& unit) {
    int value = 0;
    for (int n = 0; n < 4; ++n) {
        for (int ch = 0; ch < 3; ++ch) {
            expectScale(unit.GetVolume(n, ch, value), value);
            expectScale(unit.GetBalance(n, ch, value), value);
            expectScale(unit.GetOutputVolume(n, ch, value), value);
            expectScale(unit.GetGain(n, ch, value), value);
        }
    }
}

void readSwitches(AvcUnit& unit) {
    bool on = false;
    unit.GetMute(1, 1, on);
    unit.GetMixBypass(on);
    unit.GetPhono(on);
    for (int channel = 0; channel < 2; ++channel) {
        unit.GetPhantom(channel, on);
        unit.GetBoost(channel, on);
        unit.GetLimiter(channel, on);
        unit.GetLink(channel, on);
    }
}

// The name command goes out only to a unit that is there, so every answer
// that the canned driver gives must come back as a name.
void readName(AvcUnit& unit, bool answered) {
    char name[8];
    std::memset(name, 'x', sizeof name);
    bool read = unit.GetUnitName(0, name);
    if (read != answered || (read && (std::memchr(name, '\0', 7) == nullptr || name[7] != 'x')))
        std::abort();
}

// Connected once to the scratch bus's one unit, so the name command passes
// its unit check and meets the canned answer.
CDeviceModel& connectedModel() {
    static CDeviceModel model;
    static const bool connected = (model.ConnectAtStart(), true);
    (void)connected;
    return model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzScratch::folder();
    CannedUnit unit(connectedModel(), data, size);
    readLevels(unit);
    readSwitches(unit);
    readName(unit, size != 0 && data[0] % 4 != 3);
    return 0;
}

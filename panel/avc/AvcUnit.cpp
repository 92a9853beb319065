#include "AvcUnit.h"

#include "AvcEncoding.h"
#include "TvcStatus.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

using AvcEncoding::Bytes;

bool AvcUnit::send(const std::vector<uint8_t>& frame, std::vector<uint8_t>* response) {
    TVC_AVC_REQUEST request;
    TVC_AVC_RESPONSE reply;
    std::memset(&request, 0, sizeof request);
    std::memset(&reply, 0, sizeof reply);
    request.Constant = 2000;
    request.FrameLength = DWORD(frame.size());
    std::memcpy(request.Frame, frame.data(), frame.size());
    unitSlow_ = true;
    if (!gate_.admits(GetTickCount())) {
        readBackIncomplete_ = readBackIncomplete_ || gate_.refreshing();
        return false;
    }
    DWORD status = transmit(&request, &reply);
    gate_.record(status, GetTickCount());
    unitSlow_ = status == TVC_STATUS_TIMEOUT;
    if (status != 0) {
        readBackIncomplete_ = readBackIncomplete_ || gate_.refreshing();
        return false;
    }
    if (response != nullptr)
        response->assign(reply.Frame, reply.Frame + TVC_AVC_FRAME_SIZE);
    resendFailed();
    return true;
}

// The control's older failure is dropped first: what goes out now is newer.
// Only a unit that is there but slow gets the value later: one that is gone
// is read afresh when it comes back.
bool AvcUnit::sendControl(const std::vector<uint8_t>& frame, const std::vector<uint8_t>& key) {
    forgetFailed(key);
    if (send(frame))
        return true;
    if (unitSlow_ && !echo_ && !gate_.refreshing())
        rememberFailed(key, frame);
    return false;
}

void AvcUnit::forgetFailed(const std::vector<uint8_t>& key) {
    failed_.erase(std::remove_if(failed_.begin(), failed_.end(),
                                 [&](const Failed& failed) { return failed.key == key; }),
                  failed_.end());
}

void AvcUnit::rememberFailed(const std::vector<uint8_t>& key, const std::vector<uint8_t>& frame) {
    const std::string unit = selectedUnitPath();
    if (failed_.empty() || (!unit.empty() && unit != failedUnit_)) {
        failed_.clear();
        failedUnit_ = unit;
    }
    forgetFailed(key);
    failed_.push_back({key, frame});
}

AvcUnit::Deferred::Deferred(AvcUnit& unit) : unit_(unit) {
    unit_.deferred_.push_back(this);
}

AvcUnit::Deferred::~Deferred() {
    std::vector<Deferred*>& senders = unit_.deferred_;
    senders.erase(std::remove(senders.begin(), senders.end(), this), senders.end());
}

// A move made just before a read-back would otherwise wait in its sender while
// the read-back sets the control back to the unit's older value: it was lost.
// A switch sent may move knobs (Link pans the pair), whose senders then hold
// those moves: a second round sends them.
void AvcUnit::sendDeferred() {
    for (int round = 0; round < 2; ++round)
        for (size_t i = 0; i < deferred_.size(); ++i)
            deferred_[i]->sendNow();
}

// Only while the unit they were meant for is selected: the name commands
// select other units for a moment, and their answers must not carry these.
void AvcUnit::resendFailed() {
    if (failed_.empty() || resending_ || selectedUnitPath() != failedUnit_)
        return;
    resending_ = true;
    std::vector<Failed> pending;
    pending.swap(failed_);
    size_t sent = 0;
    while (sent < pending.size() && send(pending[sent].frame))
        ++sent;
    failed_.insert(failed_.begin(), pending.begin() + std::ptrdiff_t(sent), pending.end());
    resending_ = false;
}

std::string AvcUnit::selectedUnitPath() const {
    const char* path = model_.TvcCtrl.GetDevicePath();
    return path != nullptr ? path : "";
}

DWORD AvcUnit::transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response) {
    return model_.TvcCtrl.SendAvcCommand(request, response);
}

bool AvcUnit::setFeature(int block, int ch, AvcFrame::Selector selector,
                         const std::vector<uint8_t>& data) {
    return sendControl(
        AvcFrame::feature(AvcFrame::Control, uint8_t(block), uint8_t(ch), selector, data),
        AvcFrame::feature(AvcFrame::Status, uint8_t(block), uint8_t(ch), selector, data));
}

bool AvcUnit::readFeature(int block, int ch, AvcFrame::Selector selector, uint8_t value[2]) {
    std::vector<uint8_t> zeros(selector == AvcFrame::Mute ? 1 : 2, 0);
    std::vector<uint8_t> response;
    if (!send(AvcFrame::feature(AvcFrame::Status, uint8_t(block), uint8_t(ch), selector, zeros),
              &response))
        return false;
    value[0] = response[AvcFrame::kFeatureValue];
    value[1] = response[AvcFrame::kFeatureValue + 1];
    return true;
}

bool AvcUnit::SetVolume(int n, int ch, int value) {
    Bytes bytes = AvcEncoding::encodeLevel(value);
    return setFeature(n + 2, ch, AvcFrame::Volume, {bytes.high, bytes.low});
}

bool AvcUnit::GetVolume(int n, int ch, int& value) {
    uint8_t bytes[2];
    if (!readFeature(n + 2, ch, AvcFrame::Volume, bytes))
        return false;
    value = AvcEncoding::decodeLevel(bytes[0]);
    return true;
}

bool AvcUnit::SetBalance(int n, int ch, int value) {
    Bytes bytes = AvcEncoding::encodeBalance(value);
    return setFeature(n + 2, ch, AvcFrame::Balance, {bytes.high, bytes.low});
}

bool AvcUnit::GetBalance(int n, int ch, int& value) {
    uint8_t bytes[2];
    if (!readFeature(n + 2, ch, AvcFrame::Balance, bytes))
        return false;
    value = AvcEncoding::decodeBalance(bytes[0]);
    return true;
}

bool AvcUnit::SetMute(int n, int ch, bool on) {
    return setFeature(n + 2, ch, AvcFrame::Mute, {AvcEncoding::encodeMute(on)});
}

bool AvcUnit::GetMute(int n, int ch, bool& on) {
    uint8_t bytes[2];
    if (!readFeature(n + 2, ch, AvcFrame::Mute, bytes))
        return false;
    on = AvcEncoding::decodeMute(bytes[0]);
    return true;
}

bool AvcUnit::SetOutputVolume(int n, int ch, int value) {
    Bytes bytes = AvcEncoding::encodeLevel(value);
    return setFeature(n + 5, ch, AvcFrame::Volume, {bytes.high, bytes.low});
}

bool AvcUnit::GetOutputVolume(int n, int ch, int& value) {
    uint8_t bytes[2];
    if (!readFeature(n + 5, ch, AvcFrame::Volume, bytes))
        return false;
    value = AvcEncoding::decodeLevel(bytes[0]);
    return true;
}

bool AvcUnit::SetGain(int n, int ch, int value) {
    Bytes bytes = AvcEncoding::encodeGain(value);
    return setFeature(n, ch, AvcFrame::Volume, {bytes.high, bytes.low});
}

bool AvcUnit::GetGain(int n, int ch, int& value) {
    uint8_t bytes[2];
    if (!readFeature(n, ch, AvcFrame::Volume, bytes))
        return false;
    value = AvcEncoding::decodeGain(bytes[0], bytes[1]);
    return true;
}

bool AvcUnit::SetMixBypass(bool on) {
    return sendControl(AvcFrame::selector(AvcFrame::Control, on ? 1 : 0),
                       AvcFrame::selector(AvcFrame::Status, 0));
}

bool AvcUnit::GetMixBypass(bool& on) {
    std::vector<uint8_t> response;
    if (!send(AvcFrame::selector(AvcFrame::Status, 0), &response))
        return false;
    on = response[AvcFrame::kSelectorValue] != 0;
    return true;
}

bool AvcUnit::setSwitch(SubCommand command, int argument, bool on) {
    return sendControl(AvcFrame::vendor(AvcFrame::Control, command, uint8_t(argument), on ? 1 : 0),
                       AvcFrame::vendor(AvcFrame::Status, command, uint8_t(argument), 0));
}

bool AvcUnit::getSwitch(SubCommand command, int argument, bool& on) {
    std::vector<uint8_t> response;
    if (!send(AvcFrame::vendor(AvcFrame::Status, command, uint8_t(argument), 0), &response))
        return false;
    on = response[AvcFrame::kVendorValue] != 0;
    return true;
}

bool AvcUnit::SetPhono(bool on) {
    return setSwitch(Phono, 0, on);
}
bool AvcUnit::GetPhono(bool& on) {
    return getSwitch(Phono, 0, on);
}
bool AvcUnit::SetPhantom(int channel, bool on) {
    return setSwitch(Phantom, channel, on);
}
bool AvcUnit::GetPhantom(int channel, bool& on) {
    return getSwitch(Phantom, channel, on);
}
bool AvcUnit::SetBoost(int channel, bool on) {
    return setSwitch(Boost, channel, on);
}
bool AvcUnit::GetBoost(int channel, bool& on) {
    return getSwitch(Boost, channel, on);
}
bool AvcUnit::SetLimiter(int channel, bool on) {
    return setSwitch(Limiter, channel, on);
}
bool AvcUnit::GetLimiter(int channel, bool& on) {
    return getSwitch(Limiter, channel, on);
}
bool AvcUnit::SetLink(int strip, bool on) {
    return setSwitch(Link, strip, on);
}
bool AvcUnit::GetLink(int strip, bool& on) {
    return getSwitch(Link, strip, on);
}
bool AvcUnit::VendorCommand4() {
    return send(AvcFrame::vendor(AvcFrame::Control, Command4, 0, 0));
}
bool AvcUnit::VendorCommand7() {
    return send(AvcFrame::vendor(AvcFrame::Control, Command7, 0, 0));
}

// A unit past the count, or one whose channel does not open, gets nothing:
// the command would otherwise reach whichever unit happens to be selected.
bool AvcUnit::SetUnitName(int unitIndex, const char* name) {
    int previous = int(model_.SelectedUnit);
    bool switching = unitIndex != previous;
    if (!selectForName(unitIndex, previous, switching))
        return false;
    bool ok = send(AvcFrame::unitName(AvcFrame::Control, name));
    if (ok)
        VendorCommand7();
    if (switching)
        SelectUnit(previous);
    return ok;
}

bool AvcUnit::GetUnitName(int unitIndex, char* buffer) {
    int previous = int(model_.SelectedUnit);
    if (!selectForName(unitIndex, previous, true))
        return false;
    std::vector<uint8_t> response;
    bool ok = send(AvcFrame::unitName(AvcFrame::Status, nullptr), &response);
    SelectUnit(previous);
    if (ok) {
        std::memcpy(buffer, response.data() + AvcFrame::kNameValue, 6);
        buffer[6] = '\0';
    }
    return ok;
}

// A failed open closes the channel, so the previous unit is opened again.
bool AvcUnit::selectForName(int unitIndex, int previous, bool switching) {
    if (unitIndex < 0 || unitIndex >= GetUnitCount())
        return false;
    if (!switching || SelectUnit(unitIndex))
        return true;
    SelectUnit(previous);
    return false;
}

int AvcUnit::GetUnitCount() {
    return int(model_.GetUnitCount());
}

bool AvcUnit::SelectUnit(int index) {
    sendDeferred();
    return index >= 0 && model_.SelectUnit(DWORD(index));
}

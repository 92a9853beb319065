// Reads any bytes as a stream of remote-control messages, as the panel's OSC
// receiver hands them over, and follows them the whole way into the panel:
// the commands they make, the inbox under any flood, and the turns that
// carry them out on a panel that checks every request it gets.
#include "RemoteCommand.h"
#include "RemoteInbox.h"
#include "RemoteTarget.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    uint32_t word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | byte();
        return value;
    }
    std::string text() {
        std::string out;
        for (size_t n = byte(); n > 0 && !empty(); --n)
            out.push_back(char(byte()));
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

std::vector<std::string> knownAddresses() {
    std::vector<std::string> known{"/lumora/unit/select",
                                   "/lumora/mix/load",
                                   "/lumora/mix/save",
                                   "/lumora/snapshot/recall",
                                   "/lumora/subscribe",
                                   "/lumora/unsubscribe",
                                   "/lumora/meters/subscribe",
                                   "/lumora/meters/unsubscribe",
                                   "/lumora/dump",
                                   "/lumora/ping"};
    for (const RemoteControl& control : RemoteControls::all()) {
        known.push_back(control.address());
        known.push_back(control.address() + RemoteControls::kDecibelSuffix);
    }
    return known;
}

RemoteMessage message(Bytes& in, const std::vector<std::string>& known) {
    RemoteMessage out;
    const uint8_t pick = in.byte();
    out.address = pick < 0xF0 ? known[pick % known.size()] : in.text();
    for (int n = in.byte() % 4; n > 0; --n) {
        RemoteArg arg;
        arg.type = RemoteArg::Type(in.byte() % 3);
        if (arg.type == RemoteArg::Int) {
            arg.number = double(int32_t(in.word()));
        } else if (arg.type == RemoteArg::Float) {
            const uint32_t bits = in.word();
            float value;
            std::memcpy(&value, &bits, sizeof value);
            arg.number = double(value);
        } else {
            arg.text = in.text();
        }
        out.args.push_back(arg);
    }
    return out;
}

void checkCommand(const RemoteCommand& c) {
    using T = RemoteCommand::Type;
    switch (c.type) {
    case T::Set:
        check(c.control != nullptr && c.value >= 0 && c.value <= 255);
        check(c.control->kind != RemoteControl::Switch || c.value <= 1);
        break;
    case T::SelectUnit:
    case T::RecallSnapshot: check(c.value >= 1 && c.value <= 4); break;
    case T::LoadMix:
    case T::SaveMix: check(!c.path.empty() && c.path.find('\0') == std::string::npos); break;
    default: check(c.value >= 1 && c.value <= 65535); break;
    }
}

// A panel that takes everything and checks what it is asked.
class CheckingPanel : public RemoteTarget {
public:
    bool setControl(const RemoteControl& control, int value) override {
        check(value >= 0 && value <= 255);
        return control.kind != RemoteControl::Pan;
    }
    bool selectUnit(int unit) override { return unit == 1; }
    bool loadMix(const std::string& path) override { return !path.empty(); }
    bool saveMix(const std::string& path) override { return !path.empty(); }
    bool recallSnapshot(int slot) override { return slot <= 4; }
    void controlsSet() override { ++steps; }
    void subscribe(int port, bool, bool) override { check(port > 0 && port < 65536); }
    void dump(int port) override { check(port > 0 && port < 65536); }
    void ping(int port) override { check(port > 0 && port < 65536); }

    int steps = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<std::string> known = knownAddresses();
    Bytes in(data, size);
    RemoteInbox inbox;
    size_t commands = 0;
    while (!in.empty()) {
        if (const std::optional<RemoteCommand> command = RemoteCommand::parse(message(in, known))) {
            checkCommand(*command);
            commands += inbox.push(*command) ? 1 : 0;
        }
    }
    const std::vector<RemoteCommand> taken = inbox.take();
    check(taken.size() <= RemoteInbox::kLimit && taken.size() <= commands);
    std::deque<RemoteCommand> due(taken.begin(), taken.end());
    CheckingPanel panel;
    size_t turns = 0;
    while (!due.empty()) {
        const size_t before = due.size();
        const int refused = RemoteTarget::runTurn(due, panel);
        check(due.size() < before && refused >= 0 && size_t(refused) <= before - due.size());
        ++turns;
    }
    check(size_t(panel.steps) <= turns);
    return 0;
}

// The remote control's plain parts: the address table, values in decibels,
// the messages that make commands (and the many that make none), the inbox
// under a flood, and the turns in which commands are carried out.
#include "RemoteCommand.h"
#include "RemoteInbox.h"
#include "RemoteTarget.h"
#include "RemoteValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

namespace {

RemoteArg number(double value, RemoteArg::Type type = RemoteArg::Float) {
    RemoteArg arg;
    arg.type = type;
    arg.number = value;
    return arg;
}

RemoteArg text(const std::string& value) {
    RemoteArg arg;
    arg.type = RemoteArg::Text;
    arg.text = value;
    return arg;
}

std::optional<RemoteCommand> parse(const std::string& address, std::vector<RemoteArg> args) {
    return RemoteCommand::parse(RemoteMessage{address, std::move(args)});
}

const RemoteControl& control(const char* name) {
    return *RemoteControls::byName(name);
}

TEST(RemoteControls, EveryAddressOfTheInterfaceAndItsMixEntry) {
    std::vector<std::string> addresses;
    for (const RemoteControl& c : RemoteControls::all())
        addresses.push_back(c.address() + " " + c.mixKey);
    EXPECT_EQ(addresses, (std::vector<std::string>{
                             "/lumora/main/fader Mainfader",
                             "/lumora/main/mute MainMute",
                             "/lumora/playback/fader PBfader",
                             "/lumora/playback/mute PBmute",
                             "/lumora/mixbypass MixBypass",
                             "/lumora/strip/1/left/fader Leftfader1",
                             "/lumora/strip/1/left/pan LeftPan1",
                             "/lumora/strip/1/left/mute LeftMute1",
                             "/lumora/strip/1/right/fader Rightfader1",
                             "/lumora/strip/1/right/pan RightPan1",
                             "/lumora/strip/1/right/mute RightMute1",
                             "/lumora/strip/1/link Link1",
                             "/lumora/strip/2/left/fader Leftfader2",
                             "/lumora/strip/2/left/pan LeftPan2",
                             "/lumora/strip/2/left/mute LeftMute2",
                             "/lumora/strip/2/right/fader Rightfader2",
                             "/lumora/strip/2/right/pan RightPan2",
                             "/lumora/strip/2/right/mute RightMute2",
                             "/lumora/strip/2/link Link2",
                             "/lumora/input/1/gain PreampGain1",
                             "/lumora/input/1/phantom Phantom1",
                             "/lumora/input/1/boost Boost1",
                             "/lumora/input/1/limit Limiter1",
                             "/lumora/input/2/gain PreampGain2",
                             "/lumora/input/2/phantom Phantom2",
                             "/lumora/input/2/boost Boost2",
                             "/lumora/input/2/limit Limiter2",
                             "/lumora/line/left LeftLine",
                             "/lumora/line/right RightLine",
                             "/lumora/phono Phono",
                             "/lumora/headphones HeadPhones",
                         }));
    EXPECT_EQ(RemoteControls::byAddress("/lumora/strip/2/link"), &control("strip.2.link"));
    EXPECT_EQ(RemoteControls::byMixKey("HeadPhones"), &control("headphones"));
    EXPECT_EQ(RemoteControls::byName("strip.3.link"), nullptr);
}

TEST(RemoteValue, DecibelsInTheUnitsStepsAndNothingOutOfRange) {
    const RemoteControl& fader = control("main.fader");
    const RemoteControl& gain = control("input.1.gain");
    EXPECT_EQ(RemoteValue::fromDecibels(fader, 0.0), 255);
    EXPECT_EQ(RemoteValue::fromDecibels(fader, -6.0), 243);
    EXPECT_EQ(RemoteValue::fromDecibels(fader, -6.4), 243);
    EXPECT_EQ(RemoteValue::fromDecibels(fader, -127.0), 1);
    EXPECT_EQ(RemoteValue::fromDecibels(fader, -128.0), std::nullopt);
    EXPECT_EQ(RemoteValue::fromDecibels(fader, 1.0), std::nullopt);
    EXPECT_EQ(RemoteValue::fromDecibels(gain, 0.0), 119);
    EXPECT_EQ(RemoteValue::fromDecibels(gain, 12.5), 190);
    EXPECT_EQ(RemoteValue::fromDecibels(gain, -21.0), 0);
    EXPECT_EQ(RemoteValue::fromDecibels(gain, 24.0), 255);
    EXPECT_EQ(RemoteValue::fromDecibels(gain, 24.5), std::nullopt);
    EXPECT_EQ(RemoteValue::fromDecibels(control("strip.1.left.pan"), 0.0), std::nullopt);
    // Every value read back in decibels gives a value that reads the same.
    for (int v = 0; v <= 255; ++v) {
        for (const RemoteControl* c : {&fader, &gain}) {
            const double db = RemoteValue::toDecibels(*c, v);
            const std::optional<int> back = RemoteValue::fromDecibels(*c, db);
            ASSERT_TRUE(back) << c->name << " " << v;
            EXPECT_EQ(RemoteValue::toDecibels(*c, *back), db) << c->name << " " << v;
        }
    }
}

TEST(RemoteValue, TextAsAPersonTypesIt) {
    const RemoteControl& fader = control("main.fader");
    const RemoteControl& mute = control("main.mute");
    const RemoteControl& gain = control("line.left");
    EXPECT_EQ(RemoteValue::parse(fader, "-6dB"), 243);
    EXPECT_EQ(RemoteValue::parse(fader, "-6 dB"), 243);
    EXPECT_EQ(RemoteValue::parse(fader, "-6DB"), 243);
    EXPECT_EQ(RemoteValue::parse(fader, "200"), 200);
    EXPECT_EQ(RemoteValue::parse(fader, "127.6"), 128);
    EXPECT_EQ(RemoteValue::parse(gain, "+3.5dB"), 139);
    EXPECT_EQ(RemoteValue::parse(mute, "on"), 1);
    EXPECT_EQ(RemoteValue::parse(mute, "0"), 0);
    for (const char* bad : {"", "256", "-1", "abc", "6dBx", "nan", "inf", "1e400", "- 6dB", "0x10"})
        EXPECT_EQ(RemoteValue::parse(fader, bad), std::nullopt) << bad;
    for (const char* bad : {"2", "0.5", "-6dB", "yes"})
        EXPECT_EQ(RemoteValue::parse(mute, bad), std::nullopt) << bad;
    EXPECT_EQ(RemoteValue::describe(fader, 243), "-6 dB");
    EXPECT_EQ(RemoteValue::describe(gain, 190), "+12.5 dB");
    EXPECT_EQ(RemoteValue::describe(gain, 119), "0 dB");
    EXPECT_EQ(RemoteValue::describe(control("strip.1.left.pan"), 0), "100 % left");
    EXPECT_EQ(RemoteValue::describe(control("strip.1.left.pan"), 128), "centre");
    EXPECT_EQ(RemoteValue::describe(mute, 1), "on");
}

TEST(RemoteCommand, MessagesThatMakeCommandsAndTheManyThatMakeNone) {
    std::optional<RemoteCommand> set = parse("/lumora/strip/1/left/fader/db", {number(-6)});
    ASSERT_TRUE(set);
    EXPECT_EQ(set->type, RemoteCommand::Set);
    EXPECT_EQ(set->control, &control("strip.1.left.fader"));
    EXPECT_EQ(set->value, 243);
    EXPECT_EQ(parse("/lumora/main/mute", {number(1, RemoteArg::Int)})->value, 1);
    EXPECT_EQ(parse("/lumora/unit/select", {number(4, RemoteArg::Int)})->type,
              RemoteCommand::SelectUnit);
    EXPECT_EQ(parse("/lumora/snapshot/recall", {number(2)})->value, 2);
    EXPECT_EQ(parse("/lumora/mix/save", {text("/tmp/a.imx")})->path, "/tmp/a.imx");
    EXPECT_EQ(parse("/lumora/meters/subscribe", {number(9000, RemoteArg::Int)})->type,
              RemoteCommand::SubscribeMeters);

    const std::vector<std::pair<std::string, std::vector<RemoteArg>>> none{
        {"/lumora/main/fader", {}},
        {"/lumora/main/fader", {number(1), number(2)}},
        {"/lumora/main/fader", {text("200")}},
        {"/lumora/main/fader", {number(255.6)}},
        {"/lumora/main/fader/db", {number(0.6)}},
        {"/lumora/main/mute/db", {number(0)}},
        {"/lumora/main/mute", {number(0.5)}},
        {"/lumora/main", {number(1)}},
        {"/lumora/main/fader/", {number(1)}},
        {"/lumora/strip/3/link", {number(1)}},
        {"/LUMORA/main/mute", {number(1)}},
        {"/lumora/unit/select", {number(5)}},
        {"/lumora/unit/select", {number(1.5)}},
        {"/lumora/unit/select", {number(std::nan(""))}},
        {"/lumora/main/fader", {number(std::nan(""))}},
        {"/lumora/snapshot/recall", {number(0)}},
        {"/lumora/mix/load", {text("")}},
        {"/lumora/mix/load", {text(std::string("/tmp/a\0b", 8))}},
        {"/lumora/mix/load", {number(1)}},
        {"/lumora/subscribe", {number(0)}},
        {"/lumora/subscribe", {number(65536)}},
        {"/lumora/dump", {}},
    };
    for (const auto& [address, args] : none)
        EXPECT_FALSE(parse(address, args)) << address;
}

RemoteCommand setOf(const char* name, int value) {
    RemoteCommand command;
    command.control = &control(name);
    command.value = value;
    return command;
}

RemoteCommand requestOf(RemoteCommand::Type type, int value) {
    RemoteCommand command;
    command.type = type;
    command.value = value;
    return command;
}

TEST(RemoteInbox, AFloodLeavesTheLatestValueOfEachControlInOrderWithTheRest) {
    RemoteInbox inbox;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(inbox.push(setOf("main.fader", i % 256)));
        ASSERT_TRUE(inbox.push(setOf("strip.1.left.pan", (i * 7) % 256)));
    }
    inbox.push(requestOf(RemoteCommand::SelectUnit, 2));
    inbox.push(requestOf(RemoteCommand::SelectUnit, 2));
    inbox.push(setOf("main.fader", 3));
    inbox.push(setOf("main.fader", 4));
    const std::vector<RemoteCommand> taken = inbox.take();
    ASSERT_EQ(taken.size(), 4u);
    EXPECT_EQ(taken[0], setOf("main.fader", 99999 % 256));
    EXPECT_EQ(taken[1], setOf("strip.1.left.pan", (99999 * 7) % 256));
    EXPECT_EQ(taken[2], requestOf(RemoteCommand::SelectUnit, 2));
    EXPECT_EQ(taken[3], setOf("main.fader", 4)) << "not merged across the unit change";
    EXPECT_TRUE(inbox.empty());

    for (int port = 1; port <= 1000; ++port)
        inbox.push(requestOf(RemoteCommand::Dump, port));
    EXPECT_EQ(inbox.take().size(), RemoteInbox::kLimit);
}

// Records what the panel was asked, refusing the unit it does not have.
class Recorder : public RemoteTarget {
public:
    bool setControl(const RemoteControl& c, int value) override {
        log.push_back(std::string(c.name) + "=" + std::to_string(value));
        return c.kind != RemoteControl::Pan;
    }
    bool selectUnit(int unit) override { return note("unit " + std::to_string(unit), unit == 1); }
    bool loadMix(const std::string& path) override { return note("load " + path, true); }
    bool saveMix(const std::string& path) override { return note("save " + path, true); }
    bool recallSnapshot(int slot) override { return note("recall " + std::to_string(slot), true); }
    void controlsSet() override { log.push_back("step"); }
    void subscribe(int port, bool meters, bool on) override {
        note(std::string(on ? "+" : "-") + (meters ? "meters " : "changes ") + std::to_string(port),
             true);
    }
    void dump(int port) override { note("dump " + std::to_string(port), true); }
    void ping(int port) override { note("ping " + std::to_string(port), true); }

    std::vector<std::string> log;

private:
    bool note(const std::string& what, bool taken) {
        log.push_back(what);
        return taken;
    }
};

TEST(RemoteTarget, TurnsEndAfterASwitchAndBeforeAUnitSoEachStepIsOneUnits) {
    std::deque<RemoteCommand> due{setOf("main.fader", 10),
                                  setOf("strip.1.left.pan", 3),
                                  requestOf(RemoteCommand::Dump, 9),
                                  setOf("main.mute", 1),
                                  setOf("main.fader", 20),
                                  requestOf(RemoteCommand::SelectUnit, 2),
                                  requestOf(RemoteCommand::SelectUnit, 1),
                                  setOf("phono", 1)};
    Recorder panel;
    std::vector<int> refused;
    while (!due.empty())
        refused.push_back(RemoteTarget::runTurn(due, panel));
    EXPECT_EQ(panel.log, (std::vector<std::string>{"main.fader=10", "strip.1.left.pan=3", "dump 9",
                                                   "main.mute=1", "step", "main.fader=20", "step",
                                                   "unit 2", "unit 1", "phono=1", "step"}));
    EXPECT_EQ(refused, (std::vector<int>{1, 0, 1, 0, 0}));
}

}  // namespace

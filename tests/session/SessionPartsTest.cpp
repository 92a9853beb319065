// The parts of panel_session that decide what a seed or a log replays, and
// what counts as a whole bus file at the end.
#include "ActionLog.h"
#include "ActionPicker.h"
#include "BusControl.h"
#include "ControlValues.h"
#include "SessionOptions.h"
#include "SessionRandom.h"
#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(SessionRandomTest, ASeedGivesTheSameNumbersOnEveryMachine) {
    SessionRandom random(0);
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4ull);
    SessionRandom range(5);
    for (int i = 0; i < 1000; ++i) {
        const int value = range.between(-3, 3);
        EXPECT_GE(value, -3);
        EXPECT_LE(value, 3);
    }
}

TEST(ActionPickerTest, OneSeedOneSequenceOfActionsThatReadBackAsWritten) {
    ActionPicker first(7), second(7), other(8);
    const std::set<std::string> verbs{"click",  "menu",  "drag", "key",
                                      "rename", "title", "bus",  "remote"};
    std::set<std::string> seen;
    bool differs = false;
    for (int i = 0; i < 2000; ++i) {
        const Action action = first.next();
        const Action again = second.next();
        EXPECT_EQ(first.pauseMs(), second.pauseMs());
        ASSERT_EQ(action.text(), again.text());
        differs = differs || other.next().text() != action.text();
        other.pauseMs();
        seen.insert(action.verb);
        const std::optional<Action> read = Action::parse(action.text());
        ASSERT_TRUE(read);
        EXPECT_EQ(read->text(), action.text());
        if (action.verb == "click") {
            EXPECT_LT(action.number(0), 725);
            EXPECT_LT(action.number(1), 620);
        }
        if (action.verb == "rename") {
            ASSERT_EQ(action.word(1)[0], ':');
            EXPECT_LE(action.word(1).size(), 8u) << "at most seven characters typed";
        }
    }
    EXPECT_EQ(seen, verbs);
    EXPECT_TRUE(differs);
}

TEST(ActionLogTest, TheActionLinesOfALogReplayAndABrokenLineIsNamed) {
    TempDir dir;
    const std::string path = dir.file("actions.log");
    {
        ActionLog log;
        ASSERT_TRUE(log.open(path));
        log.note(0, "seed 42");
        log.action(0.25, {"click", {"10", "20", "1"}});
        log.action(1.5, {"rename", {"2", ":", "escape"}});
        log.note(2, "the window answers");
        log.action(12.3456, {"bus", {"set", "1", "IoDelayMs=300"}});
    }
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text,
              "# 0.000 seed 42\n"
              "0.250 click 10 20 1\n"
              "1.500 rename 2 : escape\n"
              "# 2.000 the window answers\n"
              "12.346 bus set 1 IoDelayMs=300\n");

    std::vector<ActionLog::Entry> entries;
    std::string error;
    ASSERT_TRUE(ActionLog::read(path, entries, error)) << error;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_DOUBLE_EQ(entries[1].seconds, 1.5);
    EXPECT_EQ(entries[1].action.text(), "rename 2 : escape");
    EXPECT_EQ(entries[2].action.number(1), 1);

    writeFile(path, "0.1 key Tab\nclick 1 2 1\n");
    entries.clear();
    EXPECT_FALSE(ActionLog::read(path, entries, error));
    EXPECT_EQ(error, path + ":2: no time");
    EXPECT_FALSE(ActionLog::read(dir.file("missing.log"), entries, error));
}

TEST(BusFileCheckTest, BothUnitsPluggedInWithTheirIdentityOrWhatIsWrong) {
    TempDir dir;
    const std::string path = dir.file("bus.ini");
    const std::string driver = "[Driver]\r\nPresent=0\r\n";
    const std::string unit1 = "[Unit1]\r\nPresent=1\r\nGuid=0x0013A20000100001\r\nName=S1\r\n";
    const std::string unit2 = "[Unit2]\r\nPresent=1\r\nGuid=0x0013A20000100002\r\n";
    writeFile(path, driver + unit1 + unit2);
    EXPECT_EQ(BusControl::checkFile(path), "");
    writeFile(path, driver + unit1);
    EXPECT_EQ(BusControl::checkFile(path), "the bus file has no [Unit2] section");
    writeFile(path, driver + unit1 + "[Unit2]\r\nPresent=0\r\nGuid=0x1\r\n");
    EXPECT_EQ(BusControl::checkFile(path), "[Unit2] is not plugged in");
    writeFile(path, driver + "[Unit1]\r\nPresent=1\r\n" + unit2);
    EXPECT_EQ(BusControl::checkFile(path), "[Unit1] has lost its identity");
    writeFile(path, unit1 + unit2);
    EXPECT_EQ(BusControl::checkFile(path), "the bus file has no [Driver] section");
    EXPECT_EQ(BusControl::checkFile(dir.file("none.ini")), "the bus file cannot be read");
}

TEST(ControlValuesTest, OnlyADifferenceBeyondTheUnitsRoundingIsALostMove) {
    const ControlValues shown = ControlValues::parse(
        "main.fader 200 (-27 dB)\nmain.mute 1 (on)\nstrip.1.left.pan 128 (centre)\n"
        "input.1.gain 119 (0 dB)\nline.left 40 (-14 dB)\nheadphones 0 (-127 dB)\n"
        "unit.select 2\n");
    EXPECT_EQ(shown.value("main.fader"), 200);
    EXPECT_EQ(shown.value("unit.select"), 2);
    EXPECT_FALSE(shown.value("phono"));

    // A level comes back one value off, a gain up to three: the same setting.
    const ControlValues rounded = ControlValues::parse(
        "main.fader 201\nmain.mute 1\nstrip.1.left.pan 128\ninput.1.gain 116\n"
        "line.left 43\nheadphones 1\nunit.select 2\n");
    EXPECT_TRUE(ControlValues::differences(shown, rounded).empty());

    const ControlValues lost = ControlValues::parse(
        "main.fader 202\nmain.mute 0\nstrip.1.left.pan 127\ninput.1.gain 115\n"
        "line.left 40\nunit.select 2\nphono 1\n");
    const std::vector<std::string> expected{"headphones: shown 0, not read back",
                                            "input.1.gain: shown 119, the unit holds 115",
                                            "main.fader: shown 200, the unit holds 202",
                                            "main.mute: shown 1, the unit holds 0",
                                            "strip.1.left.pan: shown 128, the unit holds 127",
                                            "phono: not shown, the unit holds 1"};
    EXPECT_EQ(ControlValues::differences(shown, lost), expected);
    EXPECT_TRUE(ControlValues::parse("lumoractl: no panel answering\n").empty());

    // A linked pair's pans go hard left and right when the unit is read.
    const ControlValues linked = ControlValues::parse(
        "strip.2.left.pan 25\nstrip.2.right.pan 200\nstrip.2.link 1\nstrip.1.left.pan 25\n");
    const ControlValues hard = ControlValues::parse(
        "strip.2.left.pan 0\nstrip.2.right.pan 255\nstrip.2.link 1\nstrip.1.left.pan 0\n");
    EXPECT_EQ(ControlValues::differences(linked, hard),
              std::vector<std::string>{"strip.1.left.pan: shown 25, the unit holds 0"});
}

TEST(SessionOptionsTest, LengthSeedAndFilesOrAMessage) {
    std::string error;
    SessionOptions options;
    const char* good[] = {"panel_session",        "--seconds", "20",      "--seed",
                          "18446744073709551615", "--replay",  "run.log", "--keep"};
    ASSERT_TRUE(options.parse(8, const_cast<char**>(good), error)) << error;
    EXPECT_EQ(options.seconds, 20);
    EXPECT_EQ(options.seed, 18446744073709551615ull);
    EXPECT_TRUE(options.seedGiven);
    EXPECT_EQ(options.replay, "run.log");
    EXPECT_TRUE(options.keep);

    const char* zero[] = {"panel_session", "--seconds", "0"};
    EXPECT_FALSE(SessionOptions().parse(3, const_cast<char**>(zero), error));
    const char* negative[] = {"panel_session", "--seed", "-1"};
    EXPECT_FALSE(SessionOptions().parse(3, const_cast<char**>(negative), error));
    const char* missing[] = {"panel_session", "--log"};
    EXPECT_FALSE(SessionOptions().parse(2, const_cast<char**>(missing), error));
    EXPECT_EQ(error, "--log needs a value");
}

}  // namespace

// Mix files byte for byte: a new file, an existing file saved over, the files
// that load nothing (foreign, empty, cut short, damaged) and saves that fail.
#include "MixFile.h"
#include "MixKeys.h"
#include "ScopedEnv.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The 31 entries of a new mix in their order, what they hold and their defaults.
const std::vector<MixKey> kEntries = {
    {"Phono", MixKey::Switch, 0},       {"HeadPhones", MixKey::Number, 0},
    {"PreampGain1", MixKey::Number, 0}, {"Phantom1", MixKey::Switch, 0},
    {"Limiter1", MixKey::Switch, 0},    {"Boost1", MixKey::Switch, 0},
    {"PreampGain2", MixKey::Number, 0}, {"Phantom2", MixKey::Switch, 0},
    {"Limiter2", MixKey::Switch, 0},    {"Boost2", MixKey::Switch, 0},
    {"LeftLine", MixKey::Number, 0},    {"RightLine", MixKey::Number, 0},
    {"Leftfader1", MixKey::Number, 0},  {"LeftPan1", MixKey::Number, 0},
    {"LeftMute1", MixKey::Switch, 0},   {"Rightfader1", MixKey::Number, 0},
    {"RightPan1", MixKey::Number, 0},   {"RightMute1", MixKey::Switch, 0},
    {"Link1", MixKey::Switch, 0},       {"Leftfader2", MixKey::Number, 0},
    {"LeftPan2", MixKey::Number, 0},    {"LeftMute2", MixKey::Switch, 0},
    {"Rightfader2", MixKey::Number, 0}, {"RightPan2", MixKey::Number, 0},
    {"RightMute2", MixKey::Switch, 0},  {"Link2", MixKey::Switch, 0},
    {"PBfader", MixKey::Number, 255},   {"PBmute", MixKey::Switch, 0},
    {"Mainfader", MixKey::Number, 255}, {"MainMute", MixKey::Switch, 0},
    {"MixBypass", MixKey::Switch, 0},
};

// The value of an entry as a section reads it: the default when it is missing.
double valueOf(const juce::PropertySet& mix, const MixKey& key) {
    if (key.kind == MixKey::Switch)
        return MixKeys::readSwitch(mix, key, 0) ? 1 : 0;
    return MixKeys::readNumber(mix, key, 0);
}

double number(const juce::PropertySet& mix, const char* name, double fallback = 0) {
    return MixKeys::readNumber(mix, {name, MixKey::Number, fallback}, 0);
}

bool on(const juce::PropertySet& mix, const char* name) {
    return MixKeys::readSwitch(mix, {name, MixKey::Switch, 0}, 0);
}

void setNumber(juce::PropertySet& mix, const char* name, double value) {
    MixKeys::write(mix, {name, MixKey::Number, 0}, 0, value);
}

void setSwitch(juce::PropertySet& mix, const char* name, bool value) {
    MixKeys::write(mix, {name, MixKey::Switch, 0}, 0, value);
}

template <size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// Every control of the main component set, in the order the panel saves them.
const std::string kNewMix = bytes(
    "PROP"
    "\x1f\0\0\0"
    "Phono\0"
    "1\0"
    "HeadPhones\0"
    "127.5\0"
    "PreampGain1\0"
    "200\0"
    "Phantom1\0"
    "1\0"
    "Limiter1\0"
    "0\0"
    "Boost1\0"
    "0\0"
    "PreampGain2\0"
    "0\0"
    "Phantom2\0"
    "0\0"
    "Limiter2\0"
    "1\0"
    "Boost2\0"
    "1\0"
    "LeftLine\0"
    "64\0"
    "RightLine\0"
    "191.25\0"
    "Leftfader1\0"
    "255\0"
    "LeftPan1\0"
    "128\0"
    "LeftMute1\0"
    "0\0"
    "Rightfader1\0"
    "0.333333333\0"
    "RightPan1\0"
    "0\0"
    "RightMute1\0"
    "1\0"
    "Link1\0"
    "1\0"
    "Leftfader2\0"
    "0\0"
    "LeftPan2\0"
    "0\0"
    "LeftMute2\0"
    "0\0"
    "Rightfader2\0"
    "0\0"
    "RightPan2\0"
    "0\0"
    "RightMute2\0"
    "0\0"
    "Link2\0"
    "0\0"
    "PBfader\0"
    "255\0"
    "PBmute\0"
    "0\0"
    "Mainfader\0"
    "254\0"
    "MainMute\0"
    "0\0"
    "MixBypass\0"
    "1\0");

class MixFileTest : public ::testing::Test {
protected:
    juce::File file(const std::string& name) { return juce::File(dir_.file(name)); }
    // An empty one too: replaceWithData deletes the file for no data.
    juce::File fileWith(const std::string& name, const std::string& content) {
        juce::File f = file(name);
        EXPECT_TRUE(f.deleteFile() && f.create());
        EXPECT_TRUE(content.empty() || f.replaceWithData(content.data(), content.size()));
        return f;
    }
    static std::string contentOf(const juce::File& f) {
        juce::MemoryBlock block;
        f.loadFileAsData(block);
        return std::string(static_cast<const char*>(block.getData()), block.getSize());
    }

    // The controls as they stand in kNewMix, set the way the sections set them.
    static juce::PropertySet newMix() {
        juce::PropertySet mix;
        const double numbers[] = {127.5, 200, 0, 64, 191.25, 255, 128, 1.0 / 3,
                                  0,     0,   0, 0,  0,      255, 254};
        const bool flags[] = {true, true, false, false, false, true,  true,  false,
                              true, true, false, false, false, false, false, true};
        int n = 0, f = 0;
        for (const MixKey& key : kEntries)
            MixKeys::write(mix, key, 0, key.kind == MixKey::Switch ? flags[f++] : numbers[n++]);
        return mix;
    }

    static void expectEveryDefault(juce::PropertySet mix) {
        EXPECT_TRUE(mix.getAllProperties().size() == 0);
        for (const MixKey& key : kEntries) {
            double expected =
                std::string(key.name) == "PBfader" || std::string(key.name) == "Mainfader" ? 255
                                                                                           : 0;
            EXPECT_EQ(valueOf(mix, key), expected) << key.name;
        }
    }

    TempDir dir_;
};

TEST_F(MixFileTest, ANewFileHoldsTheThirtyOneEntriesInOrderUnderTheMixExtension) {
    ASSERT_TRUE(MixFile::save(file("Mix.txt"), newMix()));
    EXPECT_FALSE(file("Mix.txt").exists());
    EXPECT_EQ(contentOf(file("Mix.imx")), kNewMix);
    EXPECT_EQ(juce::File(dir_.path()).getNumberOfChildFiles(juce::File::findFilesAndDirectories), 1)
        << "no temporary file is left";

    ASSERT_TRUE(MixFile::save(file("Plain"), newMix()));
    EXPECT_EQ(contentOf(file("Plain.imx")), kNewMix);
    EXPECT_EQ(MixFile::withMixExtension(file("a.b.mix")).getFileName(), "a.b.imx");
    EXPECT_EQ(MixFile::withMixExtension(file("Mix.imx")).getFileName(), "Mix.imx");
}

TEST_F(MixFileTest, AFileLoadsItsValuesAndMissingOnesTakeTheirDefaults) {
    juce::PropertySet mix;
    ASSERT_TRUE(MixFile::load(fileWith("a.imx", kNewMix), mix));
    EXPECT_EQ(mix.getAllProperties().getAllKeys()[0], "Phono");
    for (const MixKey& key : kEntries)
        EXPECT_EQ(valueOf(mix, key), valueOf(newMix(), key)) << key.name;
    EXPECT_EQ(number(mix, "HeadPhones", 0), 127.5);

    std::string sparse = bytes(
        "PROP"
        "\x07\0\0\0"
        "HeadPhones\0"
        "127.5\0"
        "Phono\0"
        "2\0"
        "MainMute\0"
        "yes\0"
        "\0"
        "ignored\0"
        "LeftPan1\0"
        "12\0"
        "LeftPan1\0"
        "13\0"
        "PBmute\0"
        "-1\0");
    ASSERT_TRUE(MixFile::load(fileWith("b.imx", sparse), mix));
    EXPECT_EQ(mix.getAllProperties().size(), 5) << "no empty key; the later LeftPan1 wins";
    EXPECT_EQ(number(mix, "HeadPhones", 0), 127.5);
    EXPECT_TRUE(on(mix, "Phono"));
    EXPECT_FALSE(on(mix, "MainMute")) << "not an integer";
    EXPECT_TRUE(on(mix, "PBmute"));
    EXPECT_EQ(number(mix, "LeftPan1", 0), 13);
    EXPECT_EQ(number(mix, "PBfader", 255), 255);
    EXPECT_EQ(number(mix, "LeftLine", 0), 0);

    std::string compressed = bytes(
        "CPRP"
        "\x78\x9c\x63\x62\x60\x60\xf0\x48\x4d\x4c\x09\xc8\xc8\xcf\x4b\x2d\x66\x30\x34\x32"
        "\xd7\x33\x65\x00\x71\xf2\x19\x0c\x19\x00\x66\xc2\x07\x14");
    ASSERT_TRUE(MixFile::load(fileWith("c.imx", compressed), mix));
    EXPECT_EQ(number(mix, "HeadPhones", 0), 127.5);
    EXPECT_TRUE(on(mix, "Phono"));
}

TEST_F(MixFileTest, SavingOverAFileKeepsItsOrderAndTheKeysOfOthers) {
    std::string existing = bytes(
        "PROP"
        "\x03\0\0\0"
        "Foreign \xe9t\xe9\0"
        "x\xffy\0"
        "MixBypass\0"
        "1\0"
        "Phono\0"
        "1\0");
    juce::File target = fileWith("Old.imx", existing);
    juce::PropertySet mix;
    setSwitch(mix, "Phono", false);
    setNumber(mix, "HeadPhones", 12);
    setSwitch(mix, "MixBypass", false);
    ASSERT_TRUE(MixFile::save(target, mix));
    EXPECT_EQ(contentOf(target), bytes("PROP"
                                       "\x04\0\0\0"
                                       "Foreign \xe9t\xe9\0"
                                       "x\xffy\0"
                                       "MixBypass\0"
                                       "0\0"
                                       "Phono\0"
                                       "0\0"
                                       "HeadPhones\0"
                                       "12\0"));

    juce::PropertySet loaded;
    ASSERT_TRUE(MixFile::load(target, loaded));
    ASSERT_TRUE(MixFile::save(target, loaded));
    EXPECT_EQ(contentOf(target).substr(4, 4), bytes("\x04\0\0\0"));
    EXPECT_EQ(contentOf(target).substr(8, 16), bytes("Foreign \xe9t\xe9\0"
                                                     "x\xffy\0"))
        << "one byte per character survives a load and a save";
}

TEST_F(MixFileTest, ForeignEmptyAndDamagedFilesLoadNoEntryAndSayWhy) {
    const std::string compressed = bytes(
        "CPRP"
        "\x78\x9c\x63\x62\x60\x60\xf0\x48\x4d\x4c\x09\xc8\xc8\xcf\x4b\x2d\x66\x30\x34\x32"
        "\xd7\x33\x65\x00\x71\xf2\x19\x0c\x19\x00\x66\xc2\x07\x14");
    const std::string oversized = bytes(
                                      "PROP"
                                      "\x01\0\0\0"
                                      "HeadPhones\0") +
                                  std::string(1 << 20, '1') + std::string(1, '\0');
    using S = MixFile::Status;
    const std::vector<std::tuple<std::string, std::string, S>> broken = {
        {"foreign", bytes("<?xml version=\"1.0\"?><PROPERTIES/>"), S::NotAMix},
        {"lower-case magic", "prop" + kNewMix.substr(4), S::NotAMix},
        {"shorter than the magic", "PRO", S::NotAMix},
        {"empty", "", S::Empty},
        {"magic only", "PROP", S::Damaged},
        {"count cut", bytes("PROP\x1f\0"), S::Damaged},
        {"negative count",
         bytes("PROP\xff\xff\xff\xff"
               "Phono\0"
               "1\0"),
         S::Damaged},
        {"cut in a key", kNewMix.substr(0, 300), S::Damaged},
        {"cut after a key", kNewMix.substr(0, kNewMix.find("MixBypass") + 10), S::Damaged},
        {"last zero missing", kNewMix.substr(0, kNewMix.size() - 1), S::Damaged},
        {"stray bytes after the last entry", kNewMix + "x", S::Damaged},
        {"a zero after the last entry", kNewMix + std::string(1, '\0'), S::Damaged},
        {"oversized", oversized, S::Damaged},
        {"compressed and broken", bytes("CPRP\x78\x9c\x63\x62\x60"), S::Damaged},
        {"compressed without its checksum", compressed.substr(0, compressed.size() - 4),
         S::Damaged},
        {"compressed with a wrong checksum", compressed.substr(0, compressed.size() - 1) + "\x15",
         S::Damaged},
        {"compressed with stray bytes after", compressed + "x", S::Damaged},
    };
    const juce::String reasons[] = {"", "", "empty", "not a mix file", "damaged"};
    for (const auto& [what, content, status] : broken) {
        juce::PropertySet mix;
        setNumber(mix, "HeadPhones", 99);
        const MixFile::Reading reading = MixFile::load(fileWith("broken.imx", content), mix);
        EXPECT_FALSE(reading) << what;
        EXPECT_EQ(reading.status, status) << what;
        EXPECT_EQ(reading.reason, reasons[int(status)]) << what;
        expectEveryDefault(mix);
    }
    juce::PropertySet mix;
    MixFile::Reading missing = MixFile::load(file("missing.imx"), mix);
    EXPECT_EQ(missing.status, S::Unreadable);
    EXPECT_EQ(missing.reason, "No such file or directory");
    expectEveryDefault(mix);
    ASSERT_TRUE(file("Folder.imx").createDirectory());
    EXPECT_EQ(MixFile::load(file("Folder.imx"), mix).reason, "it is a folder");

    juce::File cut = fileWith("Cut.imx", kNewMix.substr(0, 300));
    juce::PropertySet one;
    setSwitch(one, "MixBypass", true);
    ASSERT_TRUE(MixFile::save(cut, one));
    EXPECT_EQ(contentOf(cut), bytes("PROP"
                                    "\x01\0\0\0"
                                    "MixBypass\0"
                                    "1\0"));
}

TEST_F(MixFileTest, AFailedSaveSaysWhyAndLeavesTheTargetAndNoTemporaryFile) {
    ASSERT_TRUE(file("Busy.imx").getChildFile("inside").create());
    juce::Result saved = MixFile::save(file("Busy.txt"), newMix());
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.getErrorMessage(), "a folder of that name is in the way");
    EXPECT_TRUE(file("Busy.imx").isDirectory());
    EXPECT_EQ(juce::File(dir_.path()).getNumberOfChildFiles(juce::File::findFilesAndDirectories),
              1);

    ASSERT_TRUE(file("plain").replaceWithText("a file"));
    saved = MixFile::save(file("plain").getChildFile("Mix.imx"), newMix());
    EXPECT_EQ(saved.getErrorMessage(), "Not a directory");
    EXPECT_EQ(contentOf(file("plain")), "a file");
}

// A file-size limit stands in for a full disk: the write stops part-way.
TEST_F(MixFileTest, AWriteCutShortKeepsTheOldFile) {
    const std::string old = bytes(
        "PROP"
        "\x01\0\0\0"
        "Phono\0"
        "1\0");
    const juce::File target = fileWith("Full.imx", old);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const juce::Result saved = MixFile::save(target, newMix());
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(saved.getErrorMessage(), "File too large");
    EXPECT_EQ(contentOf(target), old);
    EXPECT_EQ(juce::File(dir_.path()).getNumberOfChildFiles(juce::File::findFilesAndDirectories),
              1);
}

TEST(MixKeys, NumbersAreWrittenWithNineSignificantDigitsAndSwitchesAsOneOrZero) {
    juce::PropertySet mix;
    setNumber(mix, "a", 128);
    setNumber(mix, "b", 127.5);
    setNumber(mix, "c", 2.0 / 3);
    setNumber(mix, "d", 123456789012.0);
    setSwitch(mix, "e", true);
    setSwitch(mix, "f", false);
    EXPECT_EQ(mix.getAllProperties().getAllValues().joinIntoString("|"),
              "128|127.5|0.666666667|1.23456789e+11|1|0");
}

TEST(MixFolder, LiesInTheUsersApplicationDataFolder) {
    TempDir dir;
    ScopedEnv config("XDG_CONFIG_HOME", dir.path());
    EXPECT_EQ(MixFile::mixFolder().getFullPathName(),
              juce::File(dir.path()).getChildFile("Lumora_1394").getFullPathName());
}

}  // namespace

#include "SimBusTest.h"
#include "TextFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

class BusToolTest : public SimBusTest {
protected:
    int tool(const std::string& args, std::string* output = nullptr) {
        return run(std::string(TVCBUS_PATH) + " " + args, output);
    }
};

TEST_F(BusToolTest, ShowsPlugsAndSetsKeys) {
    std::string out;
    ASSERT_EQ(tool("plug 3", &out), 0);
    EXPECT_EQ(out, "unit 3 plugged in\n");
    ASSERT_EQ(tool("set 3 Name=Studio FirmwareBuild=0x2A", &out), 0);
    ASSERT_EQ(tool("set driver SampleRate=96000", &out), 0);
    ASSERT_EQ(tool("show", &out), 0);
    EXPECT_NE(out.find("Driver: version 2.13, 96000 Hz, latency 4000 us / 4000 us, units running, "
                       "reset generation 2\n"),
              std::string::npos);
    EXPECT_NE(out.find("Unit 3: plugged in, GUID 0x0013A20000100003, name \"Studio\", protocol 3, "
                       "model 0x00010001, firmware 0x00010000 build 42\n"),
              std::string::npos);
    EXPECT_NE(out.find("Unit 2: unplugged"), std::string::npos);
    ASSERT_EQ(tool("unplug 1"), 0);
    EXPECT_EQ(unitKey(1, "Present"), "0");
    ASSERT_EQ(tool("reset"), 0);
    EXPECT_EQ(unitKey(3, "Present"), "0");
}

TEST_F(BusToolTest, ShowsMixerSettingsAsAPersonReadsThem) {
    ASSERT_EQ(tool("set 1 Volume3.1=0xF600 Balance3.2=0x8000 Volume1.2=0xEB80 Mute6.0=0x70 "
                   "Phantom2=1 Volume5.0=0x8100"),
              0);
    std::string out;
    ASSERT_EQ(tool("mixer 1", &out), 0);
    EXPECT_EQ(out,
              "Unit 1 mixer\n"
              "  Mic/Inst 1: gain +0.0 dB, 48 V off, boost off, limiter off\n"
              "  Mic/Inst 2: gain -20.5 dB, 48 V on, boost off, limiter off\n"
              "  Line in: gain left +0.0 dB, right +0.0 dB; phono off\n"
              "  Strip 1: link off\n"
              "    left   fader -10.0 dB, pan 128 (centre), mute off\n"
              "    right  fader +0.0 dB, pan 255 (right), mute off\n"
              "  Strip 2: link off\n"
              "    left   fader +0.0 dB, pan 128 (centre), mute off\n"
              "    right  fader +0.0 dB, pan 128 (centre), mute off\n"
              "  Playback: fader -inf dB, mute off\n"
              "  Main: fader +0.0 dB, mute on; mix bypass off\n"
              "  Headphones: +0.0 dB\n");
    EXPECT_EQ(tool("mixer 0", &out), 1);
}

TEST_F(BusToolTest, RefusesBadInputWithoutTouchingTheFile) {
    std::string before;
    ASSERT_TRUE(TextFile::read(dir_.file("bus.ini"), before));
    std::string out;
    EXPECT_EQ(tool("plug 5", &out), 1);
    EXPECT_EQ(out, "tvcbus: no unit \"5\": units are numbered 1 to 4\n");
    EXPECT_EQ(tool("set 2 Colour=red", &out), 1);
    EXPECT_EQ(out, "tvcbus: unknown key \"Colour\" for Unit2 (see tvcbus keys)\n");
    EXPECT_EQ(tool("set 2 Present=1 Guid=0x12", &out), 1) << "all keys are checked before writing";
    EXPECT_EQ(tool("set driver Version=two", &out), 1);
    EXPECT_EQ(tool("set 1 Name=TooLongName", &out), 1);
    EXPECT_EQ(tool("frobnicate", &out), 2);
    EXPECT_EQ(tool("set 1 \"$(printf 'Name=a\\n[U]')\"", &out), 1);
    EXPECT_EQ(out, "tvcbus: \"Name\": names and values take no control characters\n");
    EXPECT_EQ(tool("set 1 \"$(printf 'Magic=ab\\tc')\"", &out), 1);
    EXPECT_EQ(tool("set 1 ProtocolVersion=9", &out), 1);
    EXPECT_EQ(out, "tvcbus: bad value \"9\" for ProtocolVersion\n");
    std::string after;
    ASSERT_TRUE(TextFile::read(dir_.file("bus.ini"), after));
    EXPECT_EQ(before, after);
}

TEST_F(BusToolTest, ReportsAnUnreadableBusFile) {
    std::string folder = dir_.file("folder.ini");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    std::string out;
    EXPECT_EQ(run("TVC_SIM_BUS=" + folder + " " + TVCBUS_PATH + " show", &out), 1);
    EXPECT_EQ(out,
              "tvcbus: cannot read or create the bus file " + folder + ": not a regular file\n");
}

// What sits at the bus path is never replaced by something else: devices,
// FIFOs and folders are refused without blocking, links lead to their file,
// and a replaced file keeps its owner and mode.
TEST_F(BusToolTest, LeavesWhatIsNotARegularFileAloneAndKeepsOwnerAndMode) {
    std::string fifo = dir_.file("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::string out;
    EXPECT_EQ(run("TVC_SIM_BUS=" + fifo + " timeout 20 " + TVCBUS_PATH + " set 1 Name=X", &out), 1);
    EXPECT_EQ(out, "tvcbus: cannot write the bus file " + fifo + ": not a regular file\n");
    EXPECT_EQ(run("TVC_SIM_BUS=/dev/null timeout 20 " + std::string(TVCBUS_PATH) + " reset", &out),
              1);
    struct stat info;
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    std::string link = dir_.file("link.ini");
    ASSERT_EQ(::symlink("bus.ini", link.c_str()), 0);
    ASSERT_EQ(::chmod(dir_.file("bus.ini").c_str(), 0640), 0);
    bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir_.file("bus.ini").c_str(), 4321, 4322), 0);
    }
    ASSERT_EQ(run("TVC_SIM_BUS=" + link + " " + TVCBUS_PATH + " set 1 Name=Linked"), 0);
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(unitKey(1, "Name"), "Linked");
    ASSERT_EQ(::stat(dir_.file("bus.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4322u);
    }
}

TEST_F(BusToolTest, CreatesTheDefaultBusOnFirstUse) {
    std::string out;
    std::string state = dir_.file("state");
    ASSERT_EQ(run("env -u TVC_SIM_BUS XDG_STATE_HOME=" + state + " " + TVCBUS_PATH, &out), 0);
    EXPECT_TRUE(TextFile::exists(state + "/lumora/sim-bus.ini"));
    EXPECT_NE(out.find("Unit 1: plugged in"), std::string::npos);
    EXPECT_NE(out.find("name \"Unit #\""), std::string::npos);
}

}  // namespace

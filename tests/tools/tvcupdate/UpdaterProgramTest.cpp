// The updater as a person runs it, against the simulated unit.
#include "LibraryRun.h"
#include "LogCapture.h"

#include <chrono>
#include <thread>

namespace {

class UpdaterProgramTest : public LibraryRun {
protected:
    int Update(const std::string& arguments, std::string* output, const std::string& input = "") {
        std::string feed = input.empty() ? "" : "echo " + input + " | ";
        return run(feed + "TVC_SIM_TIME_SCALE=200 " TVCUPDATE_PROGRAM " --plain " + arguments,
                   output);
    }
};

TEST_F(UpdaterProgramTest, DownloadSessionLeavesTheUnitWithTheNewFirmware) {
    std::string file = File(Content(1));
    std::string output;
    EXPECT_EQ(0, Update("check 0 " + file, &output));
    EXPECT_NE(std::string::npos, output.find("none: the file fits the unit")) << output;
    EXPECT_EQ(0, Update("download 0 " + file, &output)) << output;
    EXPECT_NE(std::string::npos, output.find("preparing the unit")) << output;
    EXPECT_NE(std::string::npos, output.find("100.0% 3226/3226 bytes")) << output;
    EXPECT_NE(std::string::npos,
              output.find("download finished: TVCFWDL_STATUS_SUCCESS (0): success\n"));
    EXPECT_EQ(0, Update("describe " + file, &output));
    EXPECT_NE(std::string::npos, output.find("firmware 0x00020000 build 5 for model 0x00010001, "
                                             "vendor 0x13A200, 20250102 030405\n"))
        << output;
    EXPECT_EQ(0, Update("list", &output));
    EXPECT_NE(std::string::npos, output.find("unit 0: GUID 0x0013A20000100001, model 0x00010001, "
                                             "firmware 0x00020000 build 5, protocol 3\n"))
        << output;
}

TEST_F(UpdaterProgramTest, FailuresNameTheirStatusAndExitNonZero) {
    std::string file = File(Content(1));
    std::string output;
    setUnitKey(1, "FailStart", "1");
    EXPECT_EQ(3, Update("download 0 " + file, &output));
    EXPECT_NE(std::string::npos, output.find("the download failed: TVCFWDL_STATUS_DEVICE_ERROR "
                                             "(32): the unit answered with an error"))
        << output;
    EXPECT_EQ(3, Update("describe " + dir_.file("missing.tvd"), &output));
    EXPECT_NE(std::string::npos, output.find("TVCFWDL_STATUS_FILE_OPEN_FAILED (3)")) << output;
    EXPECT_EQ(3, Update("info 3", &output));
    EXPECT_NE(std::string::npos, output.find("TVCFWDL_STATUS_DEVICE_NOT_FOUND (14)")) << output;
    EXPECT_EQ(1, Update("download 0", &output));
    EXPECT_EQ(1, Update("check abc " + file, &output));
    EXPECT_NE(std::string::npos, output.find("tvcupdate: bad unit number abc\n")) << output;
    EXPECT_EQ(1, Update("download abc " + file, &output));
    EXPECT_EQ(2, Update("--library " + dir_.file("none.so") + " list", &output));
}

TEST_F(UpdaterProgramTest, ASecondUpdaterOnTheSameUnitIsRefused) {
    std::string file = File(Content(1));
    setUnitKey(1, "BlockSize", "256");
    setUnitKey(1, "ResponseDelayMs", "200");
    std::string first = dir_.file("first.out");
    std::string command = "TVC_SIM_TIME_SCALE=10 " TVCUPDATE_PROGRAM " --plain download 0 " + file +
                          " > " + first + " 2>&1; echo exit $? >> " + first;
    ASSERT_EQ(0, run("(" + command + ") > /dev/null 2>&1 &"));
    // The first run stops the driver's units once its download has started.
    for (int i = 0; i < 2000 && driverKey("Stopped") != "1"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_EQ("1", driverKey("Stopped"));
    std::string output;
    std::string log = dir_.file("second.log");
    EXPECT_EQ(3, Update("--log " + log + " download 0 " + file, &output));
    EXPECT_NE(std::string::npos,
              output.find("starting the download failed: TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS (35)"))
        << output;
    EXPECT_NE(std::string::npos,
              ReadWholeFile(log).find("StartDownload: unit 0x0013A20000100001 is held by a "
                                      "download of another process.\n"));
    std::string progress;
    for (int i = 0; i < 4000 && progress.find("exit ") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        progress = ReadWholeFile(first);
    }
    EXPECT_NE(std::string::npos, progress.find("exit 0")) << progress;
    EXPECT_EQ("0x00020000", unitKey(1, "FirmwareVersion"));
    // Once the first has finished, the unit is free again.
    EXPECT_EQ(
        0, run("TVC_SIM_TIME_SCALE=20 " TVCUPDATE_PROGRAM " --plain download 0 " + file, &output))
        << output;
}

TEST_F(UpdaterProgramTest, RestartsOnlyOnAnExplicitYes) {
    std::string file = File(Content(1));
    setUnitKey(1, "RebootRequired", "1");
    std::string output;
    EXPECT_EQ(4, Update("download 0 " + file, &output, "n"));
    EXPECT_NE(std::string::npos, output.find("Restart the computer now? [y/N] not restarting"))
        << output;
    EXPECT_EQ("0", driverKey("RestartRequested"));
    EXPECT_EQ(0, Update("download 0 " + file, &output, "y"));
    EXPECT_EQ("1", driverKey("RestartRequested"));
}

}  // namespace

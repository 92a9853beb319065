// The updater as a person runs it, against the simulated unit.
#include "LibraryRun.h"

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
    EXPECT_EQ(2, Update("--library " + dir_.file("none.so") + " list", &output));
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

// lumora_update as a whole process: the pictures of an unattended update,
// a refused file and a missing library.
#include "LibraryRun.h"
#include "TvdTestFiles.h"

#include <cstdlib>

namespace {

class UpdaterProcessTest : public LibraryRun {
protected:
    static bool haveDisplay() {
        const char* display = std::getenv("DISPLAY");
        return display != nullptr && *display != '\0';
    }
    int Update(const std::string& arguments, std::string* output) {
        // JUCE unloads the X libraries at exit, so Xlib's memory reads as a leak.
        return run("ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:detect_leaks=0\" TVC_SIM_TIME_SCALE=50 '" +
                       std::string(LUMORA_UPDATE) + "' " + arguments,
                   output);
    }
    // The PNG signature and the IHDR chunk of a 720 x 675 picture (the
    // 718-pixel content, the title bar and the window's edge).
    static void ExpectWindowPicture(const std::string& path) {
        const std::vector<uint8_t> bytes = ReadBytes(path);
        ASSERT_GT(bytes.size(), 24u) << path;
        const std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 24);
        EXPECT_EQ(head, (std::vector<uint8_t>{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A,
                                              0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
                                              0x00, 0x00, 0x02, 0xD0, 0x00, 0x00, 0x02, 0xA3}))
            << path;
    }
};

TEST_F(UpdaterProcessTest, ScreenshotsOfAnUnattendedUpdate) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    const std::string file = File(Content(1));
    const std::string shots = dir_.file("shots");
    std::string output;
    ASSERT_EQ(Update("--screenshots '" + shots + "' '" + file + "'", &output), 0) << output;
    EXPECT_EQ(output, shots + "/file.png\n" + shots + "/running.png\n" + shots + "/done.png\n");
    for (const char* name : {"file.png", "running.png", "done.png"})
        ExpectWindowPicture(shots + "/" + name);
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00020000");
    EXPECT_EQ(unitKey(1, "FirmwareBuild"), "5");
}

TEST_F(UpdaterProcessTest, ARefusedFileEndsTheScreenshotsWithFailure) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    const std::string file = File(Content(1));
    FlipByte(file, 30);
    const std::string shots = dir_.file("shots");
    std::string output;
    EXPECT_EQ(Update("--screenshots '" + shots + "' '" + file + "'", &output), 1) << output;
    EXPECT_EQ(output, shots + "/file.png\n");
    EXPECT_EQ(driverKey("Stopped"), "0");
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00010000");
}

// SIGTERM ends an idle updater cleanly, and while a unit is being written it
// asks, as the close button does, instead of cutting the update off.
TEST_F(UpdaterProcessTest, SigtermEndsAnIdleUpdaterButNotARunningUpdate) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    const std::string updater =
        "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}:detect_leaks=0\" '" + std::string(LUMORA_UPDATE) + "'";
    EXPECT_EQ(run(updater + " & p=$!; sleep 1; kill -TERM $p; wait $p"), 0);

    const std::string file = File(Content(1));
    const std::string shots = dir_.file("shots");
    std::string output;
    // Slow enough that half the transfer remains when the running picture is written.
    EXPECT_EQ(run("TVC_SIM_TIME_SCALE=5 " + updater + " --screenshots '" + shots + "' '" + file +
                      "' & p=$!; for i in $(seq 600); do [ -e '" + shots +
                      "/running.png' ] && break; sleep 0.05; done; kill -TERM $p; wait $p",
                  &output),
              0)
        << output;
    EXPECT_EQ(output, shots + "/file.png\n" + shots + "/running.png\n" + shots + "/done.png\n");
    EXPECT_EQ(unitKey(1, "FirmwareVersion"), "0x00020000");
}

TEST_F(UpdaterProcessTest, WithoutTheLibraryItSaysSoAndEnds) {
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server";
    std::string output;
    EXPECT_EQ(Update("--library '" + dir_.file("none.so") + "' --screenshots '" +
                         dir_.file("shots") + "'",
                     &output),
              2);
    EXPECT_EQ(
        output.rfind("lumora_update: cannot load the download library " + dir_.file("none.so"), 0),
        0u)
        << output;
}

}  // namespace

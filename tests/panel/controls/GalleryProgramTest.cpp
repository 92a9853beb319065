#include "ScopedEnv.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

// Runs the gallery program with the arguments, as a shell would; its exit code.
int gallery(const std::string& arguments) {
    const std::string command = std::string(GALLERY_PATH) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());  // NOLINT(cert-env33-c)
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

TEST(GalleryProgram, RendersEveryControlIntoOnePngWithoutTouchingAnyBus) {
    TempDir dir;
    const ScopedEnv bus("TVC_SIM_BUS", dir.file("bus.ini"));
    const ScopedEnv state("XDG_STATE_HOME", dir.file("state"));
    const std::string output = dir.file("docs/gallery.png");

    ASSERT_EQ(gallery(output), 0);
    const juce::Image sheet = juce::ImageFileFormat::loadFrom(juce::File(output));
    ASSERT_TRUE(sheet.isValid());
    EXPECT_GT(sheet.getWidth(), 1500) << "the widest row, the title bar, at twice the size";
    EXPECT_GT(sheet.getHeight(), 3000);
    EXPECT_FALSE(exists(dir.file("bus.ini"))) << "no bus file was made or read";
    EXPECT_FALSE(exists(dir.file("state")));

    ASSERT_EQ(gallery(output), 0) << "an existing picture is replaced";
    EXPECT_EQ(juce::ImageFileFormat::loadFrom(juce::File(output)).getBounds(), sheet.getBounds());
}

TEST(GalleryProgram, SaysHowToUseItAndFailsOnAnUnwritablePath) {
    TempDir dir;
    EXPECT_EQ(gallery(""), 2);
    EXPECT_EQ(gallery("a.png b.png"), 2);
    const std::string blocker = dir.file("file");
    ASSERT_TRUE(juce::File(blocker).replaceWithText("not a folder"));
    EXPECT_EQ(gallery(blocker + "/below.png"), 1) << "a file cannot hold a folder";
}

}  // namespace

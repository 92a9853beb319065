#include "SimBus.h"
#include "SimBusWatch.h"
#include "SimKeys.h"
#include "TempDir.h"
#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

// Another process's writes: straight to the file, past the bus's own locking.
void writeFile(const std::string& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

void replaceFile(const std::string& file, const std::string& text) {
    writeFile(file + ".new", text);
    std::filesystem::rename(file + ".new", file);
}

// The bus looks at the file at most once a millisecond.
std::string nameOfUnit1() {
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
    std::shared_ptr<const IniText> bus = SimBus::instance().snapshot();
    return bus ? SimBus::unitValue(*bus, 1, "Name") : "(no bus)";
}

std::string busWithName(const std::string& name) {
    return "[Unit1]\nName=" + name + "\n";
}

TEST(BusWatchTest, AnsweringWithoutALookNeedsALookAfterEveryChange) {
    TempDir dir;
    const std::string file = dir.file("bus.ini");
    writeFile(file, "a");
    SimBusWatch watch;
    EXPECT_FALSE(watch.unchanged(file)) << "nothing was looked at yet";
    watch.look(file);
    EXPECT_TRUE(watch.unchanged(file));
    EXPECT_TRUE(watch.unchanged(file));
    EXPECT_FALSE(watch.unchanged(dir.file("other.ini"))) << "another file was not looked at";

    writeFile(dir.file("neighbour"), "b");
    EXPECT_FALSE(watch.unchanged(file)) << "any change in the folder counts";
    EXPECT_FALSE(watch.unchanged(file)) << "until the file is looked at again";
    watch.look(file);
    EXPECT_TRUE(watch.unchanged(file));

    ::truncate(file.c_str(), 0);
    EXPECT_FALSE(watch.unchanged(file));
    watch.look(file);
    watch.forget();
    EXPECT_FALSE(watch.unchanged(file)) << "a look that did not count";

    watch.look("relative/bus.ini");
    EXPECT_FALSE(watch.unchanged("relative/bus.ini")) << "a relative path is always looked at";
}

TEST(BusWatchTest, TheFolderGoingAwayIsAChange) {
    TempDir dir;
    const std::string folder = dir.file("state");
    std::filesystem::create_directory(folder);
    const std::string file = folder + "/bus.ini";
    writeFile(file, "a");
    SimBusWatch watch;
    watch.look(file);
    std::filesystem::rename(folder, dir.file("old"));
    std::filesystem::create_directory(folder);
    writeFile(file, "b");
    EXPECT_FALSE(watch.unchanged(file));
    watch.look(file);
    EXPECT_TRUE(watch.unchanged(file)) << "the new folder is watched";
    writeFile(file, "c");
    EXPECT_FALSE(watch.unchanged(file));
}

// What the meters' poll relies on: every kind of change another process
// makes to the bus file shows in the next snapshot.
TEST(BusWatchTest, SnapshotsSeeEveryChangeAnotherProcessMakes) {
    TempDir dir;
    const std::string file = dir.file("bus.ini");
    writeFile(file, busWithName("first"));
    ScopedEnv bus("TVC_SIM_BUS", file);
    SimBus::instance().reset();
    writeFile(file, busWithName("first"));
    EXPECT_EQ(nameOfUnit1(), "first");
    EXPECT_EQ(nameOfUnit1(), "first");

    writeFile(file, busWithName("inplace"));
    EXPECT_EQ(nameOfUnit1(), "inplace");

    replaceFile(file, busWithName("replaced"));
    EXPECT_EQ(nameOfUnit1(), "replaced");

    std::filesystem::remove(file);
    writeFile(file, busWithName("recreated"));
    EXPECT_EQ(nameOfUnit1(), "recreated");

    const std::string target = dir.file("target.ini");
    writeFile(target, busWithName("linked"));
    const std::string link = dir.file("link.ini");
    std::filesystem::create_symlink(target, link);
    ScopedEnv linked("TVC_SIM_BUS", link);
    EXPECT_EQ(nameOfUnit1(), "linked");
    writeFile(target, busWithName("linked2"));
    EXPECT_EQ(nameOfUnit1(), "linked2") << "a link's target is looked at on every check";

    ScopedEnv back("TVC_SIM_BUS", file);
    EXPECT_EQ(nameOfUnit1(), "recreated");
    ASSERT_TRUE(SimBus::instance().update(
        [](IniText& text) { text.set(SimKeys::unitSection(1), "Name", "own"); }));
    EXPECT_EQ(SimBus::unitValue(*SimBus::instance().snapshot(), 1, "Name"), "own")
        << "this process's own change shows at once";
}

}  // namespace

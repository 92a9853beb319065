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
    const auto t0 = SimBusWatch::Clock::now();
    const auto later = [t0](int ms) { return t0 + std::chrono::milliseconds(ms); };
    EXPECT_FALSE(watch.unchanged(file, t0)) << "nothing was looked at yet";
    watch.look(file, t0);
    EXPECT_TRUE(watch.unchanged(file, later(1)));
    EXPECT_TRUE(watch.unchanged(file, later(999)));
    EXPECT_FALSE(watch.unchanged(file, later(1000))) << "a look at least once a second";
    EXPECT_FALSE(watch.unchanged(dir.file("other.ini"), t0)) << "another file was not looked at";

    watch.look(file, t0);
    writeFile(dir.file("neighbour"), "b");
    EXPECT_FALSE(watch.unchanged(file, later(1))) << "any change in the folder counts";
    EXPECT_FALSE(watch.unchanged(file, later(2))) << "until the file is looked at again";
    watch.look(file, later(2));
    EXPECT_TRUE(watch.unchanged(file, later(3)));

    ::truncate(file.c_str(), 0);
    EXPECT_FALSE(watch.unchanged(file, later(4)));
    watch.look(file, later(4));
    watch.forget();
    EXPECT_FALSE(watch.unchanged(file, later(5))) << "a look that did not count";

    watch.look("relative/bus.ini", t0);
    EXPECT_FALSE(watch.unchanged("relative/bus.ini", t0)) << "a relative path is always looked at";
}

TEST(BusWatchTest, TheFolderGoingAwayIsAChange) {
    TempDir dir;
    const std::string folder = dir.file("state");
    std::filesystem::create_directory(folder);
    const std::string file = folder + "/bus.ini";
    writeFile(file, "a");
    SimBusWatch watch;
    const auto now = SimBusWatch::Clock::now();
    watch.look(file, now);
    std::filesystem::rename(folder, dir.file("old"));
    std::filesystem::create_directory(folder);
    writeFile(file, "b");
    EXPECT_FALSE(watch.unchanged(file, now));
    watch.look(file, now);
    EXPECT_TRUE(watch.unchanged(file, now)) << "the new folder is watched";
    writeFile(file, "c");
    EXPECT_FALSE(watch.unchanged(file, now));
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

    // A write through a hard link in another folder raises no event here.
    std::filesystem::create_directory(dir.file("elsewhere"));
    const std::string hardLink = dir.file("elsewhere/bus.ini");
    std::filesystem::create_hard_link(file, hardLink);
    EXPECT_EQ(nameOfUnit1(), "recreated");
    writeFile(hardLink, busWithName("through a link"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_EQ(nameOfUnit1(), "through a link") << "looked at within a second all the same";

    const std::string target = dir.file("target.ini");
    writeFile(target, busWithName("linked"));
    const std::string link = dir.file("link.ini");
    std::filesystem::create_symlink(target, link);
    ScopedEnv linked("TVC_SIM_BUS", link);
    EXPECT_EQ(nameOfUnit1(), "linked");
    writeFile(target, busWithName("linked2"));
    EXPECT_EQ(nameOfUnit1(), "linked2") << "a link's target is looked at on every check";

    ScopedEnv back("TVC_SIM_BUS", file);
    EXPECT_EQ(nameOfUnit1(), "through a link");
    ASSERT_TRUE(SimBus::instance().update(
        [](IniText& text) { text.set(SimKeys::unitSection(1), "Name", "own"); }));
    EXPECT_EQ(SimBus::unitValue(*SimBus::instance().snapshot(), 1, "Name"), "own")
        << "this process's own change shows at once";
}

}  // namespace

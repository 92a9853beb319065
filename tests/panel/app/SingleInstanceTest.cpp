// Two panels of one user, played by a helper program in separate processes:
// a later start hands its command line to the first and ends, also after a
// first panel was killed and left its lock file and address behind.
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A helper process with its standard output on a pipe.
class Helper {
public:
    Helper(const std::string& folder, const std::string& commandLine) {
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::execl(SINGLE_INSTANCE_HELPER, SINGLE_INSTANCE_HELPER, folder.c_str(), "panel",
                    commandLine.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        out_ = out[0];
    }
    ~Helper() {
        if (pid_ > 0 && exitCode_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            ::close(out_);
    }

    // The next line of output, or "" when none came within the time.
    std::string line(int timeoutMs = 10000) {
        std::string text;
        char c = 0;
        while (true) {
            pollfd ready{out_, POLLIN, 0};
            if (::poll(&ready, 1, timeoutMs) <= 0 || ::read(out_, &c, 1) != 1)
                return text;
            if (c == '\n')
                return text;
            text.push_back(c);
        }
    }
    int wait() {
        int status = 0;
        if (::waitpid(pid_, &status, 0) == pid_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return exitCode_;
    }
    void kill() {
        ::kill(pid_, SIGKILL);
        wait();
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int exitCode_ = -1;
};

constexpr int kHandedOver = 3;

TEST(SingleInstance, ALaterStartHandsItsCommandLineToTheFirstAndEnds) {
    TempDir dir;
    Helper first(dir.path(), "");
    ASSERT_EQ(first.line(), "first");

    Helper second(dir.path(), "--open mix.imx");
    EXPECT_EQ(second.line(), "handed over");
    EXPECT_EQ(second.wait(), kHandedOver);
    EXPECT_EQ(first.line(), "another: --open mix.imx") << "the first comes to the front";

    Helper third(dir.path(), "");
    EXPECT_EQ(third.wait(), kHandedOver);
    EXPECT_EQ(first.line(), "another: ");

    Helper quit(dir.path(), "quit");
    EXPECT_EQ(quit.wait(), kHandedOver);
    EXPECT_EQ(first.line(), "another: quit");
    EXPECT_EQ(first.wait(), 0);

    Helper next(dir.path(), "");
    EXPECT_EQ(next.line(), "first") << "a panel that ended leaves the place free";
    Helper end(dir.path(), "quit");
    EXPECT_EQ(end.wait(), kHandedOver);
    EXPECT_EQ(next.wait(), 0);
}

TEST(SingleInstance, AKilledPanelLeavesNothingThatStopsTheNextStart) {
    TempDir dir;
    {
        Helper killed(dir.path(), "");
        ASSERT_EQ(killed.line(), "first");
        killed.kill();
    }
    ASSERT_TRUE(::access((dir.path() + "/panel.lock").c_str(), F_OK) == 0);
    ASSERT_TRUE(::access((dir.path() + "/panel.port").c_str(), F_OK) == 0);

    Helper first(dir.path(), "");
    ASSERT_EQ(first.line(), "first");
    Helper second(dir.path(), "hello");
    EXPECT_EQ(second.wait(), kHandedOver);
    EXPECT_EQ(first.line(), "another: hello");
    Helper quit(dir.path(), "quit");
    EXPECT_EQ(quit.wait(), kHandedOver);
    EXPECT_EQ(first.wait(), 0);
}

TEST(SingleInstance, PanelsOfOtherFoldersDoNotMeet) {
    TempDir mine, theirs;
    Helper first(mine.path(), "");
    ASSERT_EQ(first.line(), "first");
    Helper other(theirs.path(), "");
    EXPECT_EQ(other.line(), "first");
    Helper quitOther(theirs.path(), "quit");
    EXPECT_EQ(quitOther.wait(), kHandedOver);
    EXPECT_EQ(other.wait(), 0);
    Helper quit(mine.path(), "quit");
    EXPECT_EQ(quit.wait(), kHandedOver);
    EXPECT_EQ(first.wait(), 0);
}

}  // namespace

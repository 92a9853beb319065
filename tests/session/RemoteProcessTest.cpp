// The remote control of a running panel as scripts meet it: lumora_panel with
// --osc-port on a private display and bus, driven by lumoractl and by raw OSC
// packets; what the unit holds is read back from the bus file and what the
// window shows from its pixels, and a subscriber hears a user's clicks.
// Google Test first: the X headers define None.
#include <gtest/gtest.h>

#include "BusControl.h"
#include "PanelWindow.h"
#include "SessionWorld.h"
#include "Subprocess.h"
#include "VirtualDisplay.h"

#include "IniText.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

namespace {

void pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool within(int milliseconds, const std::function<bool()>& condition) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition())
            return true;
        pause(50);
    }
    return condition();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A UDP socket on 127.0.0.1 with a port of its own.
class Udp {
public:
    Udp() {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
        timeval wait{0, 200000};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    }
    ~Udp() { close(fd_); }
    int port() const { return port_; }
    void send(int port, const std::string& packet) {
        sockaddr_in to = loopback(port);
        sendto(fd_, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    // The next packet, empty when none came within 200 ms.
    std::string receive() {
        char buffer[1024];
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        return n > 0 ? std::string(buffer, size_t(n)) : std::string();
    }

private:
    static sockaddr_in loopback(int port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(uint16_t(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }
    int fd_ = -1;
    int port_ = 0;
};

// OSC packets spelled out byte by byte: address and type tags padded to four.
const std::string kMainFaderMinus6dB("/lumora/main/fader/db\0\0\0,f\0\0\xC0\xC0\x00\x00", 32);
std::string subscribe(int port) {
    std::string packet("/lumora/subscribe\0\0\0,i\0\0", 24);
    for (int shift = 24; shift >= 0; shift -= 8)
        packet.push_back(char((port >> shift) & 0xFF));
    return packet;
}
const std::string kMainMuteOn("/lumora/main/mute\0\0\0,f\0\0\x3F\x80\x00\x00", 28);

class RemoteProcessTest : public ::testing::Test {
protected:
    // The main mute's place in the window: under the title bar, in the mixer.
    static constexpr int kMuteX = 600;
    static constexpr int kMuteY = 23 + 190 + 176;

    void SetUp() override {
        ASSERT_TRUE(world_.ready());
        const std::string name = display_.start(world_.environment(), world_.file("display.log"));
        ASSERT_FALSE(name.empty()) << "no Xvfb";
        world_.setDisplay(name);
        display_.startWindowManager(name, world_.environment(), world_.file("jwmrc"),
                                    world_.file("display.log"));
        ASSERT_TRUE(window_.open(name));
        BusControl bus(LUMORA_TVCBUS, world_.environment(), world_.file("bus.log"));
        ASSERT_TRUE(bus.makeTwoUnits());
        ASSERT_TRUE(panel_.start({LUMORA_PANEL, "--osc-port", std::to_string(port_)},
                                 world_.environment(), world_.file("panel.log")));
        ASSERT_TRUE(within(30000, [&] { return window_.find() && window_.height() > 0; }));
        ASSERT_TRUE(within(10000, [&] {
            return ctl({"get", "main.mute"}) == 0;
        })) << readFile(world_.file("panel.log"));
    }
    void TearDown() override { panel_.stop(); }

    int ctl(std::vector<std::string> args) {
        args.insert(args.begin(), {LUMORA_LUMORACTL, "--port", std::to_string(port_)});
        last_ = world_.file("ctl-" + std::to_string(++runs_) + ".out");
        return Subprocess::run(args, world_.environment(), last_, 10000);
    }
    // What the last run of lumoractl printed.
    std::string output() { return readFile(last_); }
    std::string unitKey(int slot, const std::string& key) {
        return IniText::parse(readFile(world_.busFile()))
            .get("Unit" + std::to_string(slot), key, "");
    }
    std::vector<unsigned long> mute() { return window_.pixels(kMuteX, kMuteY, 60, 20); }

    SessionWorld world_;
    VirtualDisplay display_;
    PanelWindow window_;
    Subprocess panel_;
    Udp udp_;
    // A port that was free a moment ago.
    int port_ = Udp().port();
    int runs_ = 0;
    std::string last_;
};

TEST_F(RemoteProcessTest, LumoractlSetsTheUnitAndTheWindowShowsIt) {
    const std::vector<unsigned long> unmuted = mute();
    ASSERT_FALSE(unmuted.empty());
    EXPECT_EQ(ctl({"set", "main.mute", "1"}), 0) << output();
    EXPECT_TRUE(within(3000, [&] { return unitKey(1, "Mute6.0") == "0x0070"; }));
    EXPECT_TRUE(within(3000, [&] { return mute() != unmuted; })) << "the mute lights up";
    EXPECT_EQ(ctl({"get", "main.mute"}), 0);
    EXPECT_EQ(output(), "1\n");

    EXPECT_EQ(ctl({"set", "strip.1.left.fader", "-6dB"}), 0);
    EXPECT_TRUE(within(3000, [&] { return unitKey(1, "Volume3.1") == "0xFA00"; }));
    EXPECT_EQ(ctl({"set", "main.fadr", "1"}), 1);
    EXPECT_NE(output().find("no control is named \"main.fadr\""), std::string::npos);
    EXPECT_EQ(ctl({"set", "main.fader", "-200dB"}), 1);
    EXPECT_EQ(ctl({"set", "main.fader"}), 2);
    EXPECT_EQ(ctl({"list"}), 0);
    EXPECT_NE(output().find("strip.1.left.fader 243 (-6 dB)\n"), std::string::npos) << output();

    EXPECT_EQ(ctl({"unit", "2"}), 0);
    EXPECT_EQ(ctl({"set", "main.mute", "1"}), 0);
    EXPECT_TRUE(within(3000, [&] { return unitKey(2, "Mute6.0") == "0x0070"; }));
    EXPECT_EQ(ctl({"unit", "4"}), 1) << "unit 4 is not plugged in";
    EXPECT_EQ(ctl({"set", "main.mute", "0"}), 0);
    EXPECT_TRUE(within(3000, [&] { return unitKey(2, "Mute6.0") == "0x0060"; }));
    EXPECT_EQ(unitKey(1, "Mute6.0"), "0x0070") << "the first unit keeps its mute";

    panel_.stop();
    EXPECT_EQ(ctl({"list"}), 3) << "no panel answers";
}

TEST_F(RemoteProcessTest, RawPacketsSetTheUnitAndSubscribersHearClicks) {
    udp_.send(port_, kMainFaderMinus6dB);
    EXPECT_TRUE(within(3000, [&] { return unitKey(1, "Volume6.0") == "0xFA00"; }));

    udp_.send(port_, subscribe(udp_.port()));
    pause(300);
    const std::vector<unsigned long> before = mute();
    window_.click(kMuteX + 30, kMuteY + 10, 1);
    std::string heard;
    for (int i = 0; i < 10 && heard.find("/lumora/main/mute") != 0; ++i)
        heard = udp_.receive();
    EXPECT_EQ(heard, kMainMuteOn) << "the click is heard as the control's value";
    EXPECT_TRUE(within(3000, [&] { return unitKey(1, "Mute6.0") == "0x0070"; }));
    // The button's new look reaches the screen a frame or two after the unit
    // has the mute, not when something else happens to flush the connection.
    EXPECT_TRUE(within(100, [&] { return mute() != before; }));
}

}  // namespace

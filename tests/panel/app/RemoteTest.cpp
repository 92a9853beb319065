// The panel's OSC remote control inside one process: real UDP packets on
// 127.0.0.1 reach the controls as a user's moves, the unit gets the commands,
// the moves are undoable, subscribers hear every change, and floods and
// malformed packets cost nothing.
#include "MainWindow.h"
#include "MixFile.h"
#include "MixKeys.h"
#include "MixMod.h"
#include "PanelTest.h"
#include "RemoteHost.h"
#include "RemotePanel.h"
#include "RemoteServer.h"

#include <juce_osc/juce_osc.h>

#include <memory>

namespace {

// A client of the panel: sends from its own socket, hears replies on another.
class Client : private juce::OSCReceiver::Listener<juce::OSCReceiver::MessageLoopCallback> {
public:
    explicit Client(int panelPort) : panelPort_(panelPort) {
        socket_.bindToPort(0, "127.0.0.1");
        receiver_.addListener(this);
        receiver_.connectToSocket(socket_);
        sender_.connect("127.0.0.1", panelPort_);
    }
    ~Client() override { receiver_.removeListener(this); }

    int port() const { return socket_.getBoundPort(); }
    void send(const juce::OSCMessage& message) { sender_.send(message); }
    void sendRaw(const void* data, int size) {
        juce::DatagramSocket raw;
        raw.write("127.0.0.1", panelPort_, data, size);
    }
    // The messages heard for one address, as "address value".
    juce::StringArray heard(const juce::String& address) const {
        juce::StringArray matching;
        for (const juce::String& line : heard_)
            if (line.upToFirstOccurrenceOf(" ", false, false) == address)
                matching.add(line);
        return matching;
    }
    juce::Array<juce::OSCMessage> meters;
    juce::StringArray heard_;

private:
    void oscMessageReceived(const juce::OSCMessage& message) override {
        const juce::String address = message.getAddressPattern().toString();
        if (address == "/lumora/meters") {
            meters.add(message);
            return;
        }
        juce::String line = address;
        for (const juce::OSCArgument& arg : message)
            line << " "
                 << (arg.isString() ? arg.getString()
                                    : juce::String(arg.isInt32() ? double(arg.getInt32())
                                                                 : double(arg.getFloat32())));
        heard_.add(line);
    }

    int panelPort_;
    juce::DatagramSocket socket_{false};
    juce::OSCReceiver receiver_;
    juce::OSCSender sender_;
};

class RemoteTest : public PanelTest {
protected:
    ~RemoteTest() override {
        server_.reset();
        panel_.reset();
        window_.reset();
    }

    MainComp& open() {
        window_ = std::make_unique<MainWindow>(model_, false);
        EXPECT_TRUE(pumpUntil([&] { return main().getUnitSelect().getButton(0).isEnabled(); }));
        pump(100);
        panel_ = std::make_unique<RemotePanel>(main());
        server_ = std::make_unique<RemoteServer>(*panel_);
        for (int port = 17770; port < 17870 && server_->getPort() == 0; ++port)
            server_->listen(port);
        EXPECT_NE(server_->getPort(), 0);
        client_ = std::make_unique<Client>(server_->getPort());
        pump(100);
        sentFrames();
        return main();
    }
    MainComp& main() { return window_->getMainComp(); }

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<RemotePanel> panel_;
    std::unique_ptr<RemoteServer> server_;
    std::unique_ptr<Client> client_;
};

TEST_F(RemoteTest, AMessageMovesTheControlAsAUserDoesAndIsOneStepToUndo) {
    MainComp& comp = open();
    client_->send(juce::OSCMessage("/lumora/main/mute", 1.0f));
    ASSERT_TRUE(pumpUntil([&] { return comp.getMixer().getMain().isMuted(); }));
    pump(100);
    EXPECT_EQ(
        sentFrames(),
        (std::vector<Frame>{{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70}}));
    EXPECT_TRUE(pumpUntil([&] { return unitKey(1, "Mute6.0") == "0x0070"; }));

    // Linked, the right side follows the left; decibels in the unit's steps.
    client_->send(juce::OSCMessage("/lumora/strip/1/link", 1));
    client_->send(juce::OSCMessage("/lumora/strip/1/left/fader/db", -6.0f));
    stChannel& strip = comp.getMixer().getStrip(1);
    ASSERT_TRUE(pumpUntil([&] { return strip.getRight().getFader() == 243.0; }));
    EXPECT_EQ(strip.getLeft().getFader(), 243.0);
    pump(100);
    EXPECT_EQ(sentFrames(),
              (std::vector<Frame>{
                  {0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x01, 0x01},
                  {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x03, 0x02, 0x7F, 0xFE},
                  {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x03, 0x02, 0x80, 0x00},
                  {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x02, 0x02, 0xFA, 0x00},
                  {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x02, 0x02, 0xFA, 0x00}}));
    EXPECT_TRUE(pumpUntil([&] { return unitKey(1, "Volume3.2") == "0xFA00"; }));
    EXPECT_EQ(comp.getHistory().undoName(), "Strip 1 left fader");
    comp.getHistory().undo();
    EXPECT_EQ(strip.getLeft().getFader(), 255.0);
    EXPECT_TRUE(strip.getLinkButton().getToggleState()) << "the switch was a step of its own";

    // Gains, knobs and switches of every section.
    client_->send(juce::OSCMessage("/lumora/input/2/gain/db", 12.5f));
    client_->send(juce::OSCMessage("/lumora/input/2/phantom", 1));
    client_->send(juce::OSCMessage("/lumora/line/right", 200.0f));
    client_->send(juce::OSCMessage("/lumora/headphones", 100.0f));
    client_->send(juce::OSCMessage("/lumora/phono", 1.0f));
    ASSERT_TRUE(pumpUntil([&] { return comp.getPhonoButton().getToggleState(); }));
    EXPECT_EQ(comp.getInput(2).getKnob().getValue(), 190.0);
    EXPECT_TRUE(comp.getInput(2).getPhantomButton().getToggleState());
    EXPECT_EQ(comp.getLineKnobs().getOuterKnob().getValue(), 200.0);
    EXPECT_EQ(comp.getLineKnobs().getInnerKnob().getValue(), 119.0) << "one knob, as with Alt";
    EXPECT_EQ(comp.getHeadphoneKnob().getValue(), 100.0);
}

// The commands set the main component, off screen under the strip: the strip
// shows what they set at once, not only when it is made again.
TEST_F(RemoteTest, TheShadeStripShowsWhatRemoteCommandsSet) {
    open();
    server_->onTurn = [this] { window_->showRemoteChanges(); };
    panel_->overlay = [this](juce::PropertySet& mix) { window_->addShadeValues(mix); };
    window_->getShadeButton().setToggleState(true);
    pump(100);
    WinShadeComp* strip = window_->getWinShade();
    ASSERT_NE(strip, nullptr);
    client_->send(juce::OSCMessage("/lumora/main/mute", 1));
    client_->send(juce::OSCMessage("/lumora/main/fader", 90.0f));
    client_->send(juce::OSCMessage("/lumora/input/1/gain", 200.0f));
    client_->send(juce::OSCMessage("/lumora/input/2/boost", 1));
    client_->send(juce::OSCMessage("/lumora/line/left", 60.0f));
    client_->send(juce::OSCMessage("/lumora/headphones", 30.0f));
    client_->send(juce::OSCMessage("/lumora/phono", 1));
    ASSERT_TRUE(pumpUntil([&] { return strip->getPhonoButton().getToggleState(); }));
    EXPECT_TRUE(strip->getMainMuteButton().getToggleState());
    EXPECT_EQ(strip->getMainKnob().getValue(), 90.0);
    EXPECT_EQ(strip->getInput(1).getKnob().getValue(), 200.0);
    EXPECT_TRUE(strip->getInput(2).getBoostButton().getToggleState());
    EXPECT_EQ(strip->getLineKnobs().getInnerKnob().getValue(), 60.0);
    EXPECT_EQ(strip->getHeadphoneKnob().getValue(), 30.0);
    EXPECT_TRUE(pumpUntil([&] { return unitKey(1, "Mute6.0") == "0x0070"; }));

    // A knob moved in the strip keeps its place when a command sets another control.
    strip->getMainKnob().setValue(150.0);
    client_->send(juce::OSCMessage("/lumora/headphones", 40.0f));
    ASSERT_TRUE(pumpUntil([&] { return strip->getHeadphoneKnob().getValue() == 40.0; }));
    pump(100);
    EXPECT_EQ(strip->getMainKnob().getValue(), 150.0);
    EXPECT_EQ(strip->getInput(1).getKnob().getValue(), 200.0);
    // And clients are told where the strip's knob stands.
    client_->send(juce::OSCMessage("/lumora/dump", client_->port()));
    ASSERT_TRUE(pumpUntil([&] { return client_->heard("/lumora/dump/end").size() == 1; }));
    EXPECT_EQ(client_->heard("/lumora/main/fader"), juce::StringArray({"/lumora/main/fader 150"}));

    // Leaving the strip reads the unit back: what the commands set stays (in the unit's steps).
    window_->getShadeButton().setToggleState(false);
    pump(100);
    EXPECT_TRUE(window_->getMainComp().getMixer().getMain().isMuted());
    EXPECT_NEAR(window_->getMainComp().getMixer().getMain().getFader(), 150.0, 1.0);
    EXPECT_NEAR(window_->getMainComp().getHeadphoneKnob().getValue(), 40.0, 1.0);
}

// The strip talks to the unit directly; remote commands start from what it
// shows. They used to start from the main component's older values: a mix
// saved lacked the strip's moves, and a control set back to where the main
// component had it never moved.
TEST_F(RemoteTest, RemoteCommandsStartFromWhatTheStripShows) {
    open();
    server_->onTurnStart = [this] { window_->takeShadeMoves(); };
    server_->onTurn = [this] { window_->showRemoteChanges(); };
    window_->getShadeButton().setToggleState(true);
    pump(100);
    WinShadeComp* strip = window_->getWinShade();
    ASSERT_NE(strip, nullptr);
    strip->getMainMuteButton().setToggleState(true);
    strip->getMainKnob().setValue(150.0);
    ASSERT_TRUE(pumpUntil([&] { return unitKey(1, "Mute6.0") == "0x0070"; }));

    client_->send(juce::OSCMessage("/lumora/main/mute", 0));
    EXPECT_TRUE(pumpUntil([&] { return unitKey(1, "Mute6.0") != "0x0070"; }));
    EXPECT_FALSE(strip->getMainMuteButton().getToggleState());

    const juce::File saved(dir_.file("strip.imx"));
    client_->send(juce::OSCMessage("/lumora/mix/save", juce::String(saved.getFullPathName())));
    ASSERT_TRUE(pumpUntil([&] { return saved.existsAsFile(); }));
    juce::PropertySet mix;
    ASSERT_TRUE(MixFile::load(saved, mix));
    EXPECT_EQ(MixKeys::readNumber(mix, MixMod::kMixKeys[MixMod::MainFader], 0), 150.0);
    EXPECT_FALSE(MixKeys::readSwitch(mix, MixMod::kMixKeys[MixMod::MainMute], 0));
    EXPECT_EQ(strip->getMainKnob().getValue(), 150.0) << "the strip keeps its knob";
}

// Another unit chosen remotely under the strip: the strip reads that unit.
TEST_F(RemoteTest, TheShadeStripFollowsAUnitChosenRemotely) {
    setUnitKey(2, "Present", "1");
    setUnitKey(2, "Mute6.0", "0x0070");
    open();
    server_->onTurn = [this] { window_->showRemoteChanges(); };
    window_->getShadeButton().setToggleState(true);
    pump(100);
    WinShadeComp* strip = window_->getWinShade();
    ASSERT_NE(strip, nullptr);
    EXPECT_FALSE(strip->getMainMuteButton().getToggleState());
    client_->send(juce::OSCMessage("/lumora/unit/select", 2));
    ASSERT_TRUE(pumpUntil([&] { return model_.SelectedUnit == 1u; }));
    EXPECT_TRUE(pumpUntil([&] { return strip->getMainMuteButton().getToggleState(); }));
    pump(200);
    EXPECT_TRUE(strip->getMainMuteButton().getToggleState()) << "and stays as the unit has it";
    EXPECT_EQ(unitKey(2, "Mute6.0"), "0x0070");
}

TEST_F(RemoteTest, WhatAUserCannotMoveIsRefusedToSubscribers) {
    MainComp& comp = open();
    client_->send(juce::OSCMessage("/lumora/subscribe", client_->port()));
    client_->send(juce::OSCMessage("/lumora/mixbypass", 1));
    client_->send(juce::OSCMessage("/lumora/strip/2/left/fader", 10.0f));
    client_->send(juce::OSCMessage("/lumora/unit/select", 3));
    client_->send(juce::OSCMessage("/lumora/mix/load", juce::String("/no/such/file.imx")));
    client_->send(juce::OSCMessage("/lumora/ping", client_->port()));
    ASSERT_TRUE(pumpUntil([&] { return client_->heard("/lumora/pong").size() == 1; }));
    EXPECT_EQ(comp.getMixer().getStrip(2).getLeft().getFader(), 255.0);
    EXPECT_EQ(client_->heard("/lumora/refused"),
              juce::StringArray({"/lumora/refused /lumora/strip/2/left/fader",
                                 "/lumora/refused /lumora/unit/select",
                                 "/lumora/refused /lumora/mix/load"}));
}

TEST_F(RemoteTest, SubscribersHearEveryChangeWhoeverMadeItAndTheLevels) {
    MainComp& comp = open();
    client_->send(juce::OSCMessage("/lumora/dump", client_->port()));
    ASSERT_TRUE(pumpUntil([&] { return client_->heard("/lumora/dump/end").size() == 1; }));
    EXPECT_EQ(client_->heard("/lumora/main/fader"), juce::StringArray({"/lumora/main/fader 255"}));
    EXPECT_EQ(client_->heard("/lumora/input/1/gain/db"),
              juce::StringArray({"/lumora/input/1/gain/db 0"}));
    EXPECT_EQ(client_->heard("/lumora/unit/select"), juce::StringArray({"/lumora/unit/select 1"}));
    EXPECT_EQ(client_->heard_.size(), 31 + 11 + 2) << "every control, the decibels, unit, end";

    client_->heard_.clear();
    client_->send(juce::OSCMessage("/lumora/subscribe", client_->port()));
    client_->send(juce::OSCMessage("/lumora/meters/subscribe", client_->port()));
    pump(100);
    comp.getMixer().getPlayback().getMuteButton().getButton().getButton().triggerClick();
    comp.getMixer().getMain().setFader(201.0);
    ASSERT_TRUE(pumpUntil([&] { return client_->heard("/lumora/main/fader/db").size() == 1; }));
    ASSERT_TRUE(pumpUntil([&] { return client_->heard("/lumora/playback/mute").size() == 1; }));
    EXPECT_EQ(client_->heard("/lumora/playback/mute"),
              juce::StringArray({"/lumora/playback/mute 1"}));
    EXPECT_EQ(client_->heard("/lumora/main/fader/db"),
              juce::StringArray({"/lumora/main/fader/db -27"}));
    ASSERT_TRUE(pumpUntil([&] { return client_->meters.size() >= 3; }));
    EXPECT_EQ(client_->meters.getReference(0).size(), 8);

    client_->send(juce::OSCMessage("/lumora/unsubscribe", client_->port()));
    client_->send(juce::OSCMessage("/lumora/meters/unsubscribe", client_->port()));
    pump(200);
    client_->heard_.clear();
    client_->meters.clear();
    comp.getMixer().getMain().setFader(100.0);
    pump(300);
    EXPECT_TRUE(client_->heard_.isEmpty());
    EXPECT_TRUE(client_->meters.isEmpty());
}

TEST_F(RemoteTest, AFloodLeavesTheLatestValuesAndMalformedPacketsNothing) {
    MainComp& comp = open();
    for (int i = 0; i < 100000; ++i)
        client_->send(juce::OSCMessage("/lumora/main/fader", float(i % 256)));
    // What the socket could not hold is lost, as UDP loses it; what follows the flood counts.
    pump(200);
    client_->send(juce::OSCMessage("/lumora/main/fader", 77.0f));
    ASSERT_TRUE(pumpUntil([&] { return comp.getMixer().getMain().getFader() == 77.0; }));
    pump(200);
    EXPECT_LT(sentFrames().size(), 2000u) << "the moves were taken in batches";
    EXPECT_TRUE(pumpUntil([&] { return unitKey(1, "Volume6.0") == "0xA700"; }));

    const unsigned char truncated[] = {'/', 'l', 'u', 'm', 'o', 'r', 'a', '/', 'p', 'h', 'o'};
    const unsigned char noTags[] = "/lumora/phono\0\0\0";
    // "/lumora/phono" ",f" with the float cut off, and with a blob.
    const unsigned char shortFloat[] = {'/', 'l', 'u', 'm', 'o', 'r', 'a', '/', 'p', 'h',  'o',
                                        'n', 'o', 0,   0,   0,   ',', 'f', 0,   0,   0x3F, 0x80};
    const unsigned char blob[] = {'/', 'l', 'u', 'm', 'o', 'r', 'a', '/', 'p', 'h',
                                  'o', 'n', 'o', 0,   0,   0,   ',', 'b', 0,   0,
                                  0,   0,   0,   1,   1,   0,   0,   0};
    client_->sendRaw(truncated, sizeof truncated);
    client_->sendRaw(noTags, sizeof noTags - 1);
    client_->sendRaw(shortFloat, sizeof shortFloat);
    client_->sendRaw(blob, sizeof blob);
    client_->send(juce::OSCMessage("/lumora/phono", 0.5f));
    client_->send(juce::OSCMessage("/lumora/phono", juce::String("1")));
    client_->send(juce::OSCMessage("/lumora/phono/db", 1.0f));
    client_->send(juce::OSCMessage("/lumora/main/fader", 256.0f));
    client_->send(juce::OSCMessage("/lumora/ping", client_->port()));
    ASSERT_TRUE(pumpUntil([&] { return client_->heard("/lumora/pong").size() == 1; }));
    EXPECT_FALSE(comp.getPhonoButton().getToggleState());
    EXPECT_EQ(comp.getMixer().getMain().getFader(), 77.0);
    EXPECT_TRUE(sentFrames().empty());
}

}  // namespace

namespace {

juce::AlertWindow* openDialog() {
    return dynamic_cast<juce::AlertWindow*>(
        juce::ModalComponentManager::getInstance()->getModalComponent(0));
}

TEST_F(RemoteTest, TheDialogListensOnThePortAndTheChoiceIsRemembered) {
    MainComp& comp = open();
    server_.reset();
    RemoteHost host(comp);
    host.listenAsRemembered();
    EXPECT_EQ(host.getPort(), 0) << "off until it is turned on";

    host.showDialog();
    pump(100);
    juce::AlertWindow* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    if (const char* shots = std::getenv("LUMORA_SHOTS"))
        juce::PNGImageFormat().writeImageToStream(
            dialog->createComponentSnapshot(dialog->getLocalBounds()),
            *juce::File(shots).getChildFile("remote-dialog.png").createOutputStream());
    EXPECT_EQ(dialog->getTextEditorContents("port"), "7770");
    dialog->getTextEditor("port")->setText("17999");
    dialog->exitModalState(1);
    pump(100);
    EXPECT_EQ(host.getPort(), 17999);
    EXPECT_EQ(RemoteSettings::read().on, true);
    EXPECT_EQ(RemoteSettings::read().port, 17999);

    RemoteHost next(comp);
    host.showDialog();
    pump(100);
    openDialog()->exitModalState(2);
    pump(100);
    EXPECT_EQ(host.getPort(), 0) << "Stop";
    next.listenAsRemembered();
    EXPECT_EQ(next.getPort(), 0) << "stopped is remembered too";
    EXPECT_EQ(RemoteSettings::read().port, 17999) << "the port is kept for the next time";
}

}  // namespace

namespace {

TEST_F(RemoteTest, APortInUseIsRefused) {
    MainComp& comp = open();
    RemotePanel panel(comp);
    RemoteServer second(panel);
    EXPECT_FALSE(second.listen(server_->getPort()));
    EXPECT_FALSE(second.listen(0));
    EXPECT_FALSE(second.listen(65536));
}

}  // namespace

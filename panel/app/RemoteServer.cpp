#include "RemoteServer.h"

#include "RemotePanel.h"
#include "RemoteValue.h"

namespace {

const char kLoopback[] = "127.0.0.1";
const char kUnitAddress[] = "/lumora/unit/select";

// Arguments other than numbers and strings make no command: the message is dropped.
bool toRemote(const juce::OSCMessage& in, RemoteMessage& out) {
    out.address = in.getAddressPattern().toString().toStdString();
    for (const juce::OSCArgument& arg : in) {
        RemoteArg converted;
        if (arg.isInt32()) {
            converted.type = RemoteArg::Int;
            converted.number = arg.getInt32();
        } else if (arg.isFloat32()) {
            converted.type = RemoteArg::Float;
            converted.number = double(arg.getFloat32());
        } else if (arg.isString()) {
            converted.type = RemoteArg::Text;
            converted.text = arg.getString().toStdString();
        } else {
            return false;
        }
        out.args.push_back(std::move(converted));
    }
    return true;
}

}  // namespace

RemoteServer::RemoteServer(RemotePanel& panel) : panel_(panel) {
    receiver_.addListener(this);
}

RemoteServer::~RemoteServer() {
    stop();
    receiver_.removeListener(this);
    cancelPendingUpdate();
}

bool RemoteServer::listen(int port) {
    stop();
    if (port < 1 || port > 65535)
        return false;
    auto socket = std::make_unique<juce::DatagramSocket>(false);
    // JUCE makes its sockets reusable; a second panel on the same port would
    // then share it unnoticed instead of being told that it is taken.
    socket->setEnablePortReuse(false);
    if (!socket->bindToPort(port, kLoopback) || !sender_.connect(kLoopback, port))
        return false;
    socket_ = std::move(socket);
    receiver_.connectToSocket(*socket_);
    port_ = port;
    return true;
}

void RemoteServer::stop() {
    stopTimer();
    receiver_.disconnect();
    sender_.disconnect();
    socket_.reset();
    clients_.clear();
    meterClients_.clear();
    inbox_.take();
    due_.clear();
    port_ = 0;
}

// The network thread: nothing here touches a component.
void RemoteServer::oscMessageReceived(const juce::OSCMessage& message) {
    RemoteMessage remote;
    if (!toRemote(message, remote))
        return;
    if (const std::optional<RemoteCommand> command = RemoteCommand::parse(remote))
        if (inbox_.push(*command))
            triggerAsyncUpdate();
}

void RemoteServer::oscBundleReceived(const juce::OSCBundle& bundle) {
    for (const juce::OSCBundle::Element& element : bundle)
        if (element.isMessage())
            oscMessageReceived(element.getMessage());
}

// The inbox is emptied only when the last batch is done, so that a flood keeps
// being merged there while the panel works through a batch.
void RemoteServer::handleAsyncUpdate() {
    if (due_.empty())
        for (const RemoteCommand& command : inbox_.take())
            due_.push_back(command);
    if (onTurnStart)
        onTurnStart();
    RemoteTarget::runTurn(due_, *this);
    if (onTurn)
        onTurn();
    if (!due_.empty() || !inbox_.empty())
        triggerAsyncUpdate();
}

bool RemoteServer::setControl(const RemoteControl& control, int value) {
    if (panel_.setControl(control, value))
        return true;
    refuse(control.address());
    return false;
}

bool RemoteServer::selectUnit(int unit) {
    if (panel_.selectUnit(unit))
        return true;
    refuse(kUnitAddress);
    return false;
}

bool RemoteServer::loadMix(const std::string& path) {
    if (juce::File::isAbsolutePath(path) && panel_.loadMix(juce::File(path)))
        return true;
    refuse("/lumora/mix/load");
    return false;
}

bool RemoteServer::saveMix(const std::string& path) {
    if (juce::File::isAbsolutePath(path) && panel_.saveMix(juce::File(path)))
        return true;
    refuse("/lumora/mix/save");
    return false;
}

bool RemoteServer::recallSnapshot(int slot) {
    if (panel_.recallSnapshot(slot))
        return true;
    refuse("/lumora/snapshot/recall");
    return false;
}

void RemoteServer::controlsSet() {
    panel_.recordStep();
}

// A client subscribes with the port it listens on; the values it already
// knows from a dump are not sent again.
void RemoteServer::subscribe(int port, bool meters, bool on) {
    std::set<int>& clients = meters ? meterClients_ : clients_;
    if (!on)
        clients.erase(port);
    else if (clients.size() < kMaxClients)
        clients.insert(port);
    if (!clients_.empty() && sent_.empty())
        sent_ = panel_.values();
    if (clients_.empty())
        sent_.clear();
    if (clients_.empty() && meterClients_.empty())
        stopTimer();
    else if (!isTimerRunning())
        startTimer(kFeedbackMilliseconds);
}

void RemoteServer::dump(int port) {
    for (const auto& [name, value] : panel_.values())
        sendValue(port, name, value);
    send(port, juce::OSCMessage("/lumora/dump/end"));
}

void RemoteServer::ping(int port) {
    send(port, juce::OSCMessage("/lumora/pong"));
}

void RemoteServer::timerCallback() {
    if (!clients_.empty())
        sendChanges();
    if (!meterClients_.empty())
        sendLevels();
}

void RemoteServer::sendChanges() {
    const std::map<std::string, int> now = panel_.values();
    for (const auto& [name, value] : now) {
        if (sent_[name] == value)
            continue;
        sent_[name] = value;
        for (int port : clients_)
            sendValue(port, name, value);
    }
}

void RemoteServer::sendLevels() {
    juce::OSCMessage message("/lumora/meters");
    for (double level : panel_.levels())
        message.addFloat32(float(level));
    for (int port : meterClients_)
        send(port, message);
}

// Faders and gains are reported twice: on their own scale and in decibels.
void RemoteServer::sendValue(int port, const std::string& name, int value) {
    const RemoteControl* control = RemoteControls::byName(name);
    if (control == nullptr) {
        send(port, juce::OSCMessage(kUnitAddress, value));
        return;
    }
    const juce::String address(control->address());
    send(port, juce::OSCMessage(address, float(value)));
    if (control->hasDecibels())
        send(port, juce::OSCMessage(address + RemoteControls::kDecibelSuffix,
                                    float(RemoteValue::toDecibels(*control, value))));
}

void RemoteServer::send(int port, const juce::OSCMessage& message) {
    sender_.sendToIPAddress(kLoopback, port, message);
}

void RemoteServer::refuse(const std::string& address) {
    for (int port : clients_)
        send(port, juce::OSCMessage("/lumora/refused", juce::String(address)));
}

#include "CtlClient.h"

namespace {

const char kLoopback[] = "127.0.0.1";

}  // namespace

CtlClient::CtlClient(int panelPort) : panelPort_(panelPort) {
    receiver_.addListener(this);
}

CtlClient::~CtlClient() {
    receiver_.removeListener(this);
    receiver_.disconnect();
}

bool CtlClient::open() {
    socket_ = std::make_unique<juce::DatagramSocket>(false);
    if (!socket_->bindToPort(0, kLoopback) || !receiver_.connectToSocket(*socket_))
        return false;
    return sender_.connect(kLoopback, panelPort_);
}

bool CtlClient::send(const juce::OSCMessage& message) {
    return sender_.send(message);
}

std::optional<juce::OSCMessage> CtlClient::next(int milliseconds) {
    const juce::uint32 deadline = juce::Time::getMillisecondCounter() + juce::uint32(milliseconds);
    for (;;) {
        {
            const juce::ScopedLock hold(lock_);
            if (!replies_.empty()) {
                juce::OSCMessage reply = replies_.front();
                replies_.pop_front();
                return reply;
            }
        }
        const juce::uint32 now = juce::Time::getMillisecondCounter();
        if (now >= deadline || !arrived_.wait(int(deadline - now)))
            return std::nullopt;
    }
}

void CtlClient::oscMessageReceived(const juce::OSCMessage& message) {
    {
        const juce::ScopedLock hold(lock_);
        replies_.push_back(message);
    }
    arrived_.signal();
}

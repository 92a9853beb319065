#include "SwitchSender.h"

SwitchSender::SwitchSender(AvcUnit& unit, std::function<bool()> state,
                           std::function<void(bool)> send)
    : Deferred(unit), state_(std::move(state)), send_(std::move(send)) {}

SwitchSender::~SwitchSender() {
    sendNow();
}

void SwitchSender::send() {
    sent_ = state_();
    send_(sent_);
}

void SwitchSender::sendNow() {
    if (state_() != sent_)
        send();
}

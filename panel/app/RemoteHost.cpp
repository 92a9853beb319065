#include "RemoteHost.h"

#include "MainComp.h"

#include <cstdio>

namespace {

enum Button { Cancel, Listen, Stop };

const char kTitle[] = "Remote Control";

}  // namespace

RemoteHost::RemoteHost(MainComp& main) : main_(main), panel_(main), server_(panel_) {}

void RemoteHost::listenAsRemembered() {
    const RemoteSettings::State state = RemoteSettings::read();
    if (state.on && !listen(state.port))
        std::fprintf(stderr, "lumora_panel: cannot listen for remote control on port %d\n",
                     state.port);
}

bool RemoteHost::listen(int port) {
    return server_.listen(port);
}

void RemoteHost::showDialog() {
    const RemoteSettings::State state = RemoteSettings::read();
    const int port = server_.getPort() != 0 ? server_.getPort() : state.port;
    const juce::String now = server_.getPort() != 0
                                 ? "The panel answers OSC on 127.0.0.1, port " + juce::String(port)
                                 : juce::String("The panel does not listen for remote control.");
    auto* window = new juce::AlertWindow(kTitle,
                                         now +
                                             "\nlumoractl and OSC clients on this "
                                             "computer can set every control.",
                                         juce::MessageBoxIconType::NoIcon, &main_);
    window->addTextEditor("port", juce::String(port), "Port (1-65535):");
    window->getTextEditor("port")->setInputRestrictions(5, "0123456789");
    window->addButton("Listen", Listen, juce::KeyPress(juce::KeyPress::returnKey));
    window->addButton("Stop", Stop);
    window->addButton("Cancel", Cancel, juce::KeyPress(juce::KeyPress::escapeKey));
    juce::Component::SafePointer<juce::AlertWindow> safe(window);
    window->enterModalState(true, juce::ModalCallbackFunction::create([this, safe](int button) {
                                if (safe != nullptr && button != Cancel)
                                    chosen(button, safe->getTextEditorContents("port"));
                            }),
                            true);
}

void RemoteHost::chosen(int button, const juce::String& port) {
    if (button == Cancel)
        return;
    RemoteSettings::State state = RemoteSettings::read();
    state.on = button == Listen;
    if (button == Stop) {
        server_.stop();
    } else {
        const int number = port.getIntValue();
        if (!listen(number)) {
            tell("Port " + port + " cannot be used: another program may listen on it.");
            return;
        }
        state.port = number;
    }
    RemoteSettings::store(state);
}

void RemoteHost::tell(const juce::String& text) {
    juce::AlertWindow::showAsync(juce::MessageBoxOptions()
                                     .withIconType(juce::MessageBoxIconType::WarningIcon)
                                     .withTitle(kTitle)
                                     .withMessage(text)
                                     .withButton("OK")
                                     .withAssociatedComponent(&main_),
                                 nullptr);
}

#include "CtlSession.h"

#include "RemoteControls.h"
#include "RemoteValue.h"

#include <cmath>

namespace {

const char kUnitName[] = "unit.select";
const char kUnitAddress[] = "/lumora/unit/select";
const char kRefused[] = "/lumora/refused";

// "/lumora/main/fader" gives "main.fader"; none for the decibel twins and
// for what is no control.
std::string nameOf(const juce::OSCMessage& message) {
    const std::string address = message.getAddressPattern().toString().toStdString();
    if (address == kUnitAddress)
        return kUnitName;
    const RemoteControl* control = RemoteControls::byAddress(address);
    return control != nullptr ? control->name : std::string();
}

int valueOf(const juce::OSCMessage& message) {
    if (message.isEmpty())
        return 0;
    const juce::OSCArgument& arg = message[0];
    return arg.isInt32()     ? arg.getInt32()
           : arg.isFloat32() ? int(std::lround(arg.getFloat32()))
                             : 0;
}

juce::OSCMessage withPort(const char* address, int port) {
    return juce::OSCMessage(address, port);
}

// Unit 1 to 4, snapshot 1 to 4.
bool isSlot(const std::string& text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '4';
}

}  // namespace

CtlSession::CtlSession(const CtlOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err), client_(options.port) {}

CtlSession::Exit CtlSession::run(const std::atomic<bool>& interrupted) {
    if (!client_.open()) {
        err_ << "lumoractl: cannot open a local port for the panel's replies\n";
        return NoPanel;
    }
    const std::string& command = options_.command;
    const std::vector<std::string>& args = options_.arguments;
    if (command == "get")
        return get();
    if (command == "list")
        return list();
    if (command == "set")
        return set();
    if (command == "watch")
        return watch(interrupted);
    if (command == "unit" || command == "recall") {
        if (!isSlot(args[0]))
            return refuse("\"" + args[0] + "\" is no " + command + " number (1-4)");
        const char* address = command == "unit" ? kUnitAddress : "/lumora/snapshot/recall";
        return request(juce::OSCMessage(address, std::stoi(args[0])), address,
                       command + " " + args[0]);
    }
    const juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile(args[0]);
    if (command == "load" && !file.existsAsFile())
        return refuse("there is no file " + file.getFullPathName().toStdString());
    const std::string address = "/lumora/mix/" + command;
    return request(juce::OSCMessage(juce::String(address), file.getFullPathName()), address,
                   command + " " + file.getFullPathName().toStdString());
}

bool CtlSession::dump(std::map<std::string, int>& values, std::string* refused) {
    client_.send(withPort("/lumora/dump", client_.replyPort()));
    while (const std::optional<juce::OSCMessage> reply = client_.next(kAnswerMilliseconds)) {
        const juce::String address = reply->getAddressPattern().toString();
        if (address == "/lumora/dump/end")
            return true;
        if (address == kRefused && refused != nullptr && !reply->isEmpty() &&
            (*reply)[0].isString())
            *refused = (*reply)[0].getString().toStdString();
        const std::string name = nameOf(*reply);
        if (!name.empty())
            values[name] = valueOf(*reply);
    }
    return false;
}

CtlSession::Exit CtlSession::get() {
    const std::string& name = options_.arguments[0];
    if (name != kUnitName && RemoteControls::byName(name) == nullptr)
        return refuse("no control is named \"" + name + "\" (lumoractl --help lists them)");
    std::map<std::string, int> values;
    if (!dump(values))
        return noPanel();
    out_ << values[name] << "\n";
    return Done;
}

CtlSession::Exit CtlSession::list() {
    std::map<std::string, int> values;
    if (!dump(values))
        return noPanel();
    for (const RemoteControl& control : RemoteControls::all())
        print(control.name, values[control.name]);
    print(kUnitName, values[kUnitName]);
    return Done;
}

CtlSession::Exit CtlSession::set() {
    const std::string& name = options_.arguments[0];
    const std::string& text = options_.arguments[1];
    const RemoteControl* control = RemoteControls::byName(name);
    if (control == nullptr)
        return refuse("no control is named \"" + name + "\" (lumoractl --help lists them)");
    const std::optional<int> value = RemoteValue::parse(*control, text);
    if (!value)
        return refuse("\"" + text + "\" is no value for " + name);
    const juce::OSCMessage message(juce::String(control->address()), float(*value));
    return request(message, control->address(), name + " " + text);
}

// The panel reports a refusal to subscribers only, so the request goes out
// between a subscription and a dump that shows whether it was carried out.
CtlSession::Exit CtlSession::request(const juce::OSCMessage& message, const std::string& address,
                                     const std::string& what) {
    const int port = client_.replyPort();
    client_.send(withPort("/lumora/subscribe", port));
    client_.send(message);
    std::map<std::string, int> values;
    std::string refused;
    const bool answered = dump(values, &refused);
    client_.send(withPort("/lumora/unsubscribe", port));
    if (!answered)
        return noPanel();
    if (refused == address)
        return refuse("the panel refused " + what +
                      " (no unit, a control that is greyed out, or a file it cannot use)");
    return Done;
}

CtlSession::Exit CtlSession::watch(const std::atomic<bool>& interrupted) {
    const int port = client_.replyPort();
    std::map<std::string, int> values;
    if (!dump(values))
        return noPanel();
    client_.send(withPort("/lumora/subscribe", port));
    while (!interrupted.load()) {
        const std::optional<juce::OSCMessage> reply = client_.next(100);
        if (!reply)
            continue;
        const std::string name = nameOf(*reply);
        if (!name.empty())
            print(name, valueOf(*reply));
    }
    client_.send(withPort("/lumora/unsubscribe", port));
    return Done;
}

void CtlSession::print(const std::string& name, int value) {
    out_ << name << " " << value;
    if (const RemoteControl* control = RemoteControls::byName(name))
        out_ << " (" << RemoteValue::describe(*control, value) << ")";
    out_ << std::endl;
}

CtlSession::Exit CtlSession::refuse(const std::string& text) {
    err_ << "lumoractl: " << text << "\n";
    return Refused;
}

CtlSession::Exit CtlSession::noPanel() {
    err_ << "lumoractl: no panel answers on port " << options_.port
         << " (start lumora_panel --osc-port " << options_.port << ")\n";
    return NoPanel;
}

#include "RemoteCommand.h"

#include "RemoteValue.h"

#include <cstring>

namespace {

using Type = RemoteCommand::Type;

struct Request {
    const char* address;
    Type type;
};

// The requests whose one argument is a port number.
const Request kPortRequests[] = {
    {"/lumora/subscribe", Type::Subscribe},
    {"/lumora/unsubscribe", Type::Unsubscribe},
    {"/lumora/meters/subscribe", Type::SubscribeMeters},
    {"/lumora/meters/unsubscribe", Type::UnsubscribeMeters},
    {"/lumora/dump", Type::Dump},
    {"/lumora/ping", Type::Ping},
};

std::optional<double> onlyNumber(const RemoteMessage& message) {
    if (message.args.size() != 1 || message.args[0].type == RemoteArg::Text)
        return std::nullopt;
    return message.args[0].number;
}

std::optional<int> wholeIn(const RemoteMessage& message, int low, int high) {
    const std::optional<double> number = onlyNumber(message);
    // Written so that NaN fails before it could be cast.
    if (!number || !(*number >= low && *number <= high) || *number != int(*number))
        return std::nullopt;
    return int(*number);
}

std::optional<RemoteCommand> make(Type type, std::optional<int> value) {
    if (!value)
        return std::nullopt;
    RemoteCommand command;
    command.type = type;
    command.value = *value;
    return command;
}

std::optional<RemoteCommand> mixFile(Type type, const RemoteMessage& message) {
    if (message.args.size() != 1 || message.args[0].type != RemoteArg::Text)
        return std::nullopt;
    const std::string& path = message.args[0].text;
    if (path.empty() || path.find('\0') != std::string::npos)
        return std::nullopt;
    RemoteCommand command;
    command.type = type;
    command.path = path;
    return command;
}

bool endsWith(const std::string& text, const char* suffix) {
    const size_t n = std::strlen(suffix);
    return text.size() > n && text.compare(text.size() - n, n, suffix) == 0;
}

std::optional<RemoteCommand> setControl(const RemoteMessage& message) {
    const bool decibels = endsWith(message.address, RemoteControls::kDecibelSuffix);
    const std::string address =
        decibels ? message.address.substr(
                       0, message.address.size() - std::strlen(RemoteControls::kDecibelSuffix))
                 : message.address;
    const RemoteControl* control = RemoteControls::byAddress(address);
    const std::optional<double> number = onlyNumber(message);
    if (control == nullptr || !number || (decibels && !control->hasDecibels()))
        return std::nullopt;
    const std::optional<int> value = decibels ? RemoteValue::fromDecibels(*control, *number)
                                              : RemoteValue::fromRaw(*control, *number);
    std::optional<RemoteCommand> command = make(Type::Set, value);
    if (command)
        command->control = control;
    return command;
}

}  // namespace

std::optional<RemoteCommand> RemoteCommand::parse(const RemoteMessage& message) {
    const std::string& address = message.address;
    for (const Request& request : kPortRequests)
        if (address == request.address)
            return make(request.type, wholeIn(message, 1, 65535));
    if (address == "/lumora/unit/select")
        return make(Type::SelectUnit, wholeIn(message, 1, kUnits));
    if (address == "/lumora/snapshot/recall")
        return make(Type::RecallSnapshot, wholeIn(message, 1, kSnapshots));
    if (address == "/lumora/mix/load")
        return mixFile(Type::LoadMix, message);
    if (address == "/lumora/mix/save")
        return mixFile(Type::SaveMix, message);
    return setControl(message);
}

bool RemoteCommand::operator==(const RemoteCommand& other) const {
    return type == other.type && control == other.control && value == other.value &&
           path == other.path;
}

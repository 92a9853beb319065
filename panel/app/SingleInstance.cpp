#include "SingleInstance.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

constexpr juce::uint32 kMagic = 0x4C4D5031;  // "LMP1"
constexpr int kConnectMs = 500;
constexpr int kAnswerMs = 1000;
constexpr int kStartLimitMs = 3000;
const char kLocalHost[] = "127.0.0.1";
const char kAnswer[] = "ok";

juce::MemoryBlock textBlock(const juce::String& text) {
    return juce::MemoryBlock(text.toRawUTF8(), text.getNumBytesAsUTF8());
}

juce::String blockText(const juce::MemoryBlock& block) {
    return juce::String::fromUTF8(static_cast<const char*>(block.getData()), int(block.getSize()));
}

// One later start talking to the first: it sends the key and the command
// line, and is answered once the key matched.
class SingleInstanceConnection : public juce::InterprocessConnection {
public:
    using Handler = std::function<void(const juce::String&)>;

    SingleInstanceConnection(juce::String key, Handler handler)
        : InterprocessConnection(false, kMagic),
          key_(std::move(key)),
          handler_(std::move(handler)) {}
    ~SingleInstanceConnection() override { disconnect(); }

    void connectionMade() override {}
    void connectionLost() override {}
    void messageReceived(const juce::MemoryBlock& message) override {
        juce::String text = blockText(message);
        if (text.upToFirstOccurrenceOf("\n", false, false) != key_)
            return;
        sendMessage(textBlock(kAnswer));
        handler_(text.fromFirstOccurrenceOf("\n", false, false));
    }

private:
    juce::String key_;
    Handler handler_;
};

}  // namespace

class SingleInstance::Server : public juce::InterprocessConnectionServer {
public:
    Server(juce::String key, SingleInstanceConnection::Handler handler)
        : key_(std::move(key)), handler_(std::move(handler)) {}
    ~Server() override {
        stop();
        std::lock_guard<std::mutex> hold(lock_);
        connections_.clear();
    }

protected:
    // Runs on the server's thread; connections that ended go here too.
    juce::InterprocessConnection* createConnectionObject() override {
        std::lock_guard<std::mutex> hold(lock_);
        connections_.erase(std::remove_if(connections_.begin(), connections_.end(),
                                          [](const auto& c) { return !c->isConnected(); }),
                           connections_.end());
        connections_.push_back(std::make_unique<SingleInstanceConnection>(key_, handler_));
        return connections_.back().get();
    }

private:
    juce::String key_;
    SingleInstanceConnection::Handler handler_;
    std::mutex lock_;
    std::vector<std::unique_ptr<SingleInstanceConnection>> connections_;
};

// A later start's side: true once the first instance answered.
class SingleInstance::Client : public juce::InterprocessConnection {
public:
    Client() : InterprocessConnection(false, kMagic) {}
    ~Client() override { disconnect(); }

    bool send(int port, const juce::String& key, const juce::String& commandLine) {
        if (!connectToSocket(kLocalHost, port, kConnectMs) ||
            !sendMessage(textBlock(key + "\n" + commandLine)))
            return false;
        return answered_.wait(kAnswerMs);
    }

    void connectionMade() override {}
    void connectionLost() override {}
    void messageReceived(const juce::MemoryBlock& message) override {
        if (blockText(message) == kAnswer)
            answered_.signal();
    }

private:
    juce::WaitableEvent answered_;
};

SingleInstance::SingleInstance(juce::File folder, juce::String name)
    : folder_(std::move(folder)),
      name_(std::move(name)),
      self_(std::make_shared<SingleInstance*>(this)) {}

SingleInstance::~SingleInstance() {
    server_.reset();
    lock_.reset();
}

juce::File SingleInstance::userRuntimeFolder() {
    juce::String runtime = juce::SystemStats::getEnvironmentVariable("XDG_RUNTIME_DIR", {});
    if (runtime.isNotEmpty() && juce::File::isAbsolutePath(runtime) &&
        juce::File(runtime).isDirectory())
        return juce::File(runtime);
    return juce::File::getSpecialLocation(juce::File::tempDirectory)
        .getChildFile("lumora-" + juce::SystemStats::getLogonName());
}

SingleInstance::Start SingleInstance::start(const juce::String& commandLine) {
    folder_.createDirectory();
    auto limit = juce::Time::getMillisecondCounter() + juce::uint32(kStartLimitMs);
    while (juce::Time::getMillisecondCounter() < limit) {
        if (becomeFirst())
            return Start::First;
        if (handOver(commandLine))
            return Start::HandedOver;
        juce::Thread::sleep(50);
    }
    return Start::NoAnswer;
}

// Without a socket this still is the panel, only unreachable for later starts.
bool SingleInstance::becomeFirst() {
    auto lock = std::make_unique<juce::InterProcessLock>(
        folder_.getChildFile(name_ + ".lock").getFullPathName());
    if (!lock->enter(0))
        return false;
    lock_ = std::move(lock);
    juce::Random random;
    random.setSeedRandomly();
    juce::String key = juce::String::toHexString(random.nextInt64());
    std::weak_ptr<SingleInstance*> self = self_;
    auto server = std::make_unique<Server>(key, [self](const juce::String& commandLine) {
        juce::MessageManager::callAsync([self, commandLine] {
            if (auto alive = self.lock())
                (*alive)->announce(commandLine);
        });
    });
    if (server->beginWaitingForSocket(0, kLocalHost) &&
        folder_.getChildFile(name_ + ".port")
            .replaceWithText(juce::String(server->getBoundPort()) + " " + key))
        server_ = std::move(server);
    return true;
}

bool SingleInstance::handOver(const juce::String& commandLine) {
    juce::StringArray fields = juce::StringArray::fromTokens(
        folder_.getChildFile(name_ + ".port").loadFileAsString(), " \t\r\n", "");
    fields.removeEmptyStrings();
    if (fields.size() != 2 || fields[0].getIntValue() <= 0)
        return false;
    Client client;
    return client.send(fields[0].getIntValue(), fields[1], commandLine);
}

void SingleInstance::announce(const juce::String& commandLine) {
    if (anotherInstanceStarted)
        anotherInstanceStarted(commandLine);
}

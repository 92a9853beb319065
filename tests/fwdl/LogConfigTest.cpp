#include "LogCapture.h"
#include "LogConfig.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string Key(const std::string& cfg, const char* section, const char* key) {
    char value[300];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, cfg.c_str());
    return value;
}

std::string SectionNames(const std::string& cfg) {
    char names[2000];
    DWORD length = GetPrivateProfileStringA(nullptr, nullptr, "", names, sizeof names, cfg.c_str());
    std::string joined;
    for (DWORD i = 0; i < length; ++i)
        joined += names[i] == '\0' ? ',' : names[i];
    return joined;
}

std::string ThreadPrefix() {
    char text[32];
    std::snprintf(text, sizeof text, "[T0x%x] ", unsigned(GetCurrentThreadId()));
    return text;
}

TEST(LogConfig, WithoutConfigurationFileLogsErrorWarningInfoNowhere) {
    TempDir dir;
    LogConfig config;
    config.ConfigureFrom(dir.file("missing.cfg"));
    EXPECT_TRUE(config.IsEnabled(LogType::Error));
    EXPECT_TRUE(config.IsEnabled(LogType::Warning));
    EXPECT_TRUE(config.IsEnabled(LogType::Info));
    EXPECT_FALSE(config.IsEnabled(LogType::Data));
    testing::internal::CaptureStderr();
    config.Log(LogType::Error, "nowhere\n");
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(LogConfig, EmptyConfigurationFileIsFilledWithDefaults) {
    TempDir dir;
    std::string cfg = dir.file("libtvc_fwdl.cfg");
    WriteWholeFile(cfg, "");
    LogConfig config;
    config.ConfigureFrom(cfg);

    std::string sections = "Common,";
    for (int n = 1; n <= 32; ++n)
        sections += "LogType" + std::to_string(n) + ",";
    EXPECT_EQ(sections + "TraceView,LogFile,", SectionNames(cfg));
    EXPECT_EQ("TVCFWDL", Key(cfg, "Common", "ModuleToken"));
    const char* names[] = {"ERROR", "WARNING", "INFO", "DATA", "", ""};
    const char* enabled[] = {"1", "1", "1", "0", "0", "0"};
    for (int n = 1; n <= 6; ++n) {
        std::string section = "LogType" + std::to_string(n);
        EXPECT_EQ(names[n - 1], Key(cfg, section.c_str(), "Name")) << section;
        EXPECT_EQ(enabled[n - 1], Key(cfg, section.c_str(), "Enabled")) << section;
    }
    EXPECT_EQ("", Key(cfg, "LogType32", "Name"));
    EXPECT_EQ("0", Key(cfg, "LogType32", "Enabled"));
    const char* prefixKeys[] = {"ThreadIdExtension", "ModuleTokenExtension", "TypeExtension",
                                "TimeExtension"};
    const char* traceView[] = {"1", "1", "1", "0"};
    const char* logFile[] = {"1", "0", "1", "1"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(traceView[i], Key(cfg, "TraceView", prefixKeys[i])) << prefixKeys[i];
        EXPECT_EQ(logFile[i], Key(cfg, "LogFile", prefixKeys[i])) << prefixKeys[i];
    }
    EXPECT_EQ("0", Key(cfg, "TraceView", "Enabled"));
    EXPECT_EQ("", Key(cfg, "LogFile", "PathAndName"));
    EXPECT_EQ("5000000", Key(cfg, "LogFile", "MaxSize"));
    EXPECT_EQ("0", Key(cfg, "LogFile", "CheckSizeAfterEachEntry"));

    LogConfig reader;
    reader.ConfigureFrom(cfg);
    EXPECT_TRUE(reader.IsEnabled(LogType::Info));
    EXPECT_FALSE(reader.IsEnabled(LogType::Data));
}

TEST(LogConfig, OnlyPathAndNameEnablesNoType) {
    TempDir dir;
    WriteWholeFile(dir.file("a.cfg"), "[LogFile]\nPathAndName=" + dir.file("log.txt") + "\n");
    LogConfig config;
    config.ConfigureFrom(dir.file("a.cfg"));
    for (int bit = 0; bit < 32; ++bit)
        EXPECT_FALSE(config.IsEnabled(DWORD(1) << bit));
    config.Log(LogType::Error, "dropped\n");
    EXPECT_TRUE(std::filesystem::exists(dir.file("log.txt")));
    EXPECT_EQ("", ReadWholeFile(dir.file("log.txt")));
}

TEST(LogConfig, FileLinesCarryTheConfiguredPrefixesAndNames) {
    LogCapture capture(
        "ThreadIdExtension=1\nModuleTokenExtension=1\nTypeExtension=1\n"
        "[Common]\nModuleToken=TOK\n[LogType4]\nName=BUS\nEnabled=1\n");
    FwdlLog(LogType::Error, "one %d\n", 1);
    FwdlLog(LogType::Data, "read %s\n", "block");
    FwdlLog(LogType::Error | LogType::Info, "no exact mask\n");
    std::string prefix = ThreadPrefix() + "TOK: ";
    EXPECT_EQ(prefix + "ERROR: one 1\n" + prefix + "BUS: read block\n" + prefix +
                  "ERROR: no exact mask\n",
              capture.Text());
}

TEST(LogConfig, MessageIsCutTo1023CharactersBeforePrefixes) {
    LogCapture capture;
    FwdlLog(LogType::Warning, "%s", std::string(1500, 'm').c_str());
    EXPECT_EQ("WARNING: " + std::string(1023, 'm'), capture.Text());
}

TEST(LogConfig, FaultyFormatIsLoggedAsSuch) {
    LogCapture capture;
    FwdlLog(LogType::Error, "bad %ls\n", L"\x20AC");
    EXPECT_EQ("ERROR: _____FAULTY_LOG_ENTRY: bad %ls\n", capture.Text());
}

TEST(LogConfig, EntryPastMaxSizeMovesTheFileToOneBackup) {
    LogCapture capture("TypeExtension=1\nMaxSize=100\nCheckSizeAfterEachEntry=1\n");
    // Each entry is 48 bytes: the third takes the file past 100 bytes.
    auto entry = [](int n) {
        return "ERROR: entry " + std::to_string(n) + std::string(32, '.') + "\n";
    };
    for (int n = 1; n <= 4; ++n)
        FwdlLog(LogType::Error, "entry %d%s\n", n, std::string(32, '.').c_str());
    std::string backup = capture.Dir().file("log.bak");
    EXPECT_EQ(entry(1) + entry(2) + entry(3), ReadWholeFile(backup));
    EXPECT_EQ(entry(4), capture.Text());
    for (int n = 5; n <= 7; ++n)
        FwdlLog(LogType::Error, "entry %d%s\n", n, std::string(32, '.').c_str());
    EXPECT_EQ(entry(4) + entry(5) + entry(6), ReadWholeFile(backup));
    EXPECT_EQ(entry(7), capture.Text());
    size_t files = 0;
    for (const auto& item : std::filesystem::directory_iterator(capture.Dir().path()))
        files += item.path().extension() == ".bak" ? 1 : 0;
    EXPECT_EQ(1u, files);
}

TEST(LogConfig, EnableLoggingOpensClosesAndRecordsTheFile) {
    TempDir dir;
    std::string cfg = dir.file("lib.cfg");
    WriteWholeFile(cfg, "[LogType1]\nName=ERROR\nEnabled=1\n[LogFile]\nTypeExtension=1\n");
    LogConfig config;
    config.ConfigureFrom(cfg);
    std::string log = dir.file("enabled.log");
    EXPECT_TRUE(config.EnableLogging(log.c_str()));
    config.Log(LogType::Error, "kept\n");
    EXPECT_EQ(log, Key(cfg, "LogFile", "PathAndName"));
    EXPECT_EQ("5000000", Key(cfg, "LogFile", "MaxSize"));
    EXPECT_EQ("0", Key(cfg, "LogFile", "CheckSizeAfterEachEntry"));
    EXPECT_TRUE(config.EnableLogging(nullptr));
    config.Log(LogType::Error, "not kept\n");
    EXPECT_EQ("ERROR: kept\n", ReadWholeFile(log));
    EXPECT_EQ("", Key(cfg, "LogFile", "PathAndName"));
}

TEST(LogConfig, LogFileFailuresGoToTheDebuggerOutput) {
    TempDir dir;
    WriteWholeFile(dir.file("t.cfg"),
                   "[LogType1]\nName=ERROR\nEnabled=1\n[LogType3]\nName=INFO\nEnabled=1\n"
                   "[TraceView]\nEnabled=1\nTypeExtension=1\n[LogFile]\nTypeExtension=1\n");
    LogConfig config;
    config.ConfigureFrom(dir.file("t.cfg"));
    std::string path = dir.file("no/such/folder.log");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(config.EnableLogging(path.c_str()));
    EXPECT_EQ("INFO: Open log file \"" + path +
                  "\" ...\n"
                  "ERROR: Open log file: couldn\xB4t open the log file \"" +
                  path + "\".\n",
              testing::internal::GetCapturedStderr());

    ASSERT_TRUE(config.EnableLogging("/dev/full"));
    testing::internal::CaptureStderr();
    config.Log(LogType::Error, "lost\n");
    EXPECT_EQ(
        "ERROR: lost\n"
        "ERROR: WriteEntry: flushing \"ERROR: lost\n\" in the log file failed\n"
        "ERROR: Logging to the logfile failed.\n",
        testing::internal::GetCapturedStderr());
    config.EnableLogging(nullptr);
}

TEST(LogConfig, ConfigurationFileIsNamedAfterTheModule) {
    LogConfig config;
    EXPECT_EQ(0u, config.SetCfgFile(reinterpret_cast<HMODULE>(&SectionNames)));
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(program.replace_extension("cfg").string(), config.CfgFile());
}

}  // namespace

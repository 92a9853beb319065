#include "TempDir.h"
#include "TvdFile.h"
#include "TvdTestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
    int exitCode;
    std::string output;
};

Outcome RunTvdbuild(const std::string& arguments) {
    std::string command = std::string(TVDBUILD_PROGRAM) + " " + arguments + " 2>&1";
    Outcome outcome{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");  // NOLINT(cert-env33-c)
    if (pipe == nullptr)
        return outcome;
    char buffer[512];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        outcome.output.append(buffer, count);
    int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

class TvdbuildProgram : public testing::Test {
protected:
    std::string MakeInputs() {
        WriteBytes(dir_.file("app.bin"), std::vector<uint8_t>(300, 0x5A));
        WriteBytes(dir_.file("cne.bin"), {1, 2, 3, 4});
        return "--image " + dir_.file("app.bin") + " --address 0x10000 --cne " +
               dir_.file("cne.bin") +
               " --info 'Release 2.1' --firmware-version 0x00020001 --firmware-build 9"
               " --hardware 3 --vendor 0xA0DE --date 20240131 --time 120000";
    }
    TempDir dir_;
};

TEST_F(TvdbuildProgram, MadeFilesAreAcceptedAndDescribed) {
    std::string inputs = MakeInputs();
    for (const char* version : {"0", "1"}) {
        std::string out = dir_.file(std::string("fw") + version + ".tvd");
        Outcome made = RunTvdbuild("make -o " + out + " --file-version " + version + " " + inputs);
        ASSERT_EQ(0, made.exitCode) << made.output;
        TvdFile file;
        EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file.Open(out.c_str()));
        EXPECT_EQ("Release 2.1", file.InfoText());
        Outcome described = RunTvdbuild("describe " + out);
        EXPECT_EQ(0, described.exitCode) << described.output;
        const char* lines[] = {"Header CRC: ",
                               "Firmware:   version 0x00020001, build 9\n",
                               "Hardware:   0x00000003\n",
                               "Vendor:     0x00A0DE\n",
                               "Date:       \"20240131\"\n",
                               "Time:       \"120000\"\n",
                               "    | Release 2.1\n",
                               "address 0x00010000, CRC ",
                               "(valid)\n",
                               "Library:    accepted\n"};
        for (const char* line : lines)
            EXPECT_NE(std::string::npos, described.output.find(line)) << line << "\n"
                                                                      << described.output;
    }
}

TEST_F(TvdbuildProgram, DamagedFileIsDescribedWithExitCodeOne) {
    std::string out = dir_.file("fw.tvd");
    ASSERT_EQ(0, RunTvdbuild("make -o " + out + " " + MakeInputs()).exitCode);
    FlipByte(out, 96 + 11 + 5);
    Outcome described = RunTvdbuild("describe " + out);
    EXPECT_EQ(1, described.exitCode);
    EXPECT_NE(std::string::npos, described.output.find("(INVALID, computed 0x"));
    EXPECT_NE(std::string::npos, described.output.find("Library:    refused with status 7\n"));

    // A version 1 file goes to the unit whole: the library refuses damaged parts too.
    std::string v1 = dir_.file("fw1.tvd");
    ASSERT_EQ(0, RunTvdbuild("make -o " + v1 + " --file-version 1 " + MakeInputs()).exitCode);
    std::vector<uint8_t> bytes = ReadBytes(v1);
    FlipByte(v1, bytes.size() - 1);
    described = RunTvdbuild("describe " + v1);
    EXPECT_EQ(1, described.exitCode);
    EXPECT_NE(std::string::npos, described.output.find("Library:    refused with status 8\n"))
        << described.output;
    WriteBytes(v1, std::vector<uint8_t>(bytes.begin(), bytes.begin() + 200));
    described = RunTvdbuild("describe " + v1);
    EXPECT_EQ(1, described.exitCode);
    EXPECT_NE(std::string::npos, described.output.find("Library:    refused with status 4\n"))
        << described.output;
}

TEST_F(TvdbuildProgram, BadInputGivesExitCodeTwo) {
    std::string inputs = MakeInputs();
    EXPECT_EQ(2, RunTvdbuild("").exitCode);
    EXPECT_EQ(2, RunTvdbuild("frobnicate").exitCode);
    EXPECT_EQ(2, RunTvdbuild("make --image " + dir_.file("app.bin") + " --address 0").exitCode);
    EXPECT_EQ(
        2, RunTvdbuild("make -o " + dir_.file("x") + " --image " + dir_.file("app.bin")).exitCode);
    EXPECT_EQ(2, RunTvdbuild("make -o " + dir_.file("x") + " --vendor 12x").exitCode);
    EXPECT_EQ(2, RunTvdbuild("make -o " + dir_.file("x") + " --image " + dir_.file("none") +
                             " --address 0")
                     .exitCode);
    Outcome missing = RunTvdbuild("describe " + dir_.file("none"));
    EXPECT_EQ(2, missing.exitCode);
    EXPECT_EQ("tvdbuild: cannot read '" + dir_.file("none") + "': No such file or directory\n",
              missing.output);
    // Folders and devices give a clear error, not an exception or an endless read.
    for (const std::string& bad : {dir_.path(), std::string("/dev/zero")}) {
        Outcome described = RunTvdbuild("describe " + bad);
        EXPECT_EQ(2, described.exitCode);
        EXPECT_EQ("tvdbuild: cannot read '" + bad + "': not a regular file\n", described.output);
        std::string make = "make -o " + dir_.file("x") + " --address 0 ";
        EXPECT_EQ(2, RunTvdbuild(make + "--image " + bad).exitCode);
        EXPECT_EQ(2, RunTvdbuild(make + "--info-file " + bad).exitCode);
    }
    std::string make = "make -o " + dir_.file("x") + " ";
    Outcome date = RunTvdbuild(make + "--date 20241399");
    EXPECT_EQ(2, date.exitCode);
    EXPECT_EQ("tvdbuild: option '--date': '20241399' is not a date YYYYMMDD\n", date.output);
    EXPECT_EQ(2, RunTvdbuild(make + "--date 20230229").exitCode);
    EXPECT_EQ(0, RunTvdbuild(make + "--date 20240229 --time 235959").exitCode);
    Outcome time = RunTvdbuild(make + "--time 256199");
    EXPECT_EQ(2, time.exitCode);
    EXPECT_EQ("tvdbuild: option '--time': '256199' is not a time HHMMSS\n", time.output);
    Outcome unknown = RunTvdbuild(make + "--bogus");
    EXPECT_EQ(2, unknown.exitCode);
    EXPECT_EQ("tvdbuild: unknown option '--bogus' (try --help)\n", unknown.output);
    Outcome help = RunTvdbuild("--help");
    EXPECT_EQ(0, help.exitCode);
    EXPECT_EQ(0u, help.output.find("usage: tvdbuild make"));
}

}  // namespace

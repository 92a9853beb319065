#include "LogCapture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>

namespace {

TEST(LogConfigModule, SharedLibraryReadsTheConfigurationBesideItself) {
    TempDir dir;
    std::string library = dir.file("libtvc_fwdl.so");
    std::filesystem::copy_file(LOG_PROBE_MODULE, library);
    WriteWholeFile(dir.file("libtvc_fwdl.cfg"), "");
    void* module = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(nullptr, module) << dlerror();
    auto configure = reinterpret_cast<const char* (*)()>(dlsym(module, "ProbeConfigure"));
    ASSERT_NE(nullptr, configure);
    EXPECT_EQ(dir.file("libtvc_fwdl.cfg"), configure());
    char token[32];
    GetPrivateProfileStringA("Common", "ModuleToken", "", token, sizeof token,
                             dir.file("libtvc_fwdl.cfg").c_str());
    EXPECT_STREQ("TVCFWDL", token);
    dlclose(module);
}

}  // namespace

// The hardening the program turns on before its first window, turned on here
// the same way, and what it does to the library search of the process. The
// setting holds for the whole process, so one test observes the search
// before and after it.
#include "WinTestSupport.h"

#include "base/ScopeExit.h"
#include "ui/app/ProcessHardening_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// Whether a library is found (by bare name or path): it is loaded and
// released again. On failure the last error says why.
bool Loads(const std::string& name) {
    HMODULE module = LoadLibraryA(name.c_str());
    if (!module) return false;
    FreeLibrary(module);
    return true;
}

// A folder of its own under the temporary folder.
std::string FreshFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "VelmoraHardening" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

TEST(ProcessHardeningTest, LibrariesBesideTheProgramAndInTheCurrentDirectoryAreNoLongerFoundByName) {
    // The probe lies beside the suite; a copy under another name lies in
    // a folder that is made the current directory.
    const std::string besideProgram = VELMORA_PROBE_LIBRARY;
    const std::string inCurrentDirectory = "VelmoraProbeCurrentDirectory.dll";
    ASSERT_NE(GetFileAttributesA((wintest::SuiteFolder() + besideProgram).c_str()), INVALID_FILE_ATTRIBUTES);
    const std::string folder = FreshFolder();
    const std::string copy = folder + inCurrentDirectory;
    ASSERT_TRUE(CopyFileA((wintest::SuiteFolder() + besideProgram).c_str(), copy.c_str(), FALSE));
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ScopeExit cleanUp([&] {
        SetCurrentDirectoryA(previous);
        DeleteFileA(copy.c_str());
        RemoveDirectoryA(folder.c_str());
    });
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));

    // Unhardened, the search finds both: the test can see the difference.
    ASSERT_TRUE(Loads(besideProgram)) << "error " << GetLastError();
    ASSERT_TRUE(Loads(inCurrentDirectory)) << "error " << GetLastError();

    HardenProcess();

    EXPECT_FALSE(Loads(besideProgram)) << "found beside the program";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_FALSE(Loads(inCurrentDirectory)) << "found in the current directory";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    // Windows' own libraries are still found by name, and a library named
    // by its full path still loads.
    EXPECT_TRUE(Loads("winmm.dll")) << "error " << GetLastError();
    EXPECT_TRUE(Loads(copy)) << "error " << GetLastError();
}

}  // namespace
}  // namespace velmora

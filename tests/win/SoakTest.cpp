// Soak: many refreshes at the fastest pace while children start and end and
// boxes and dialogs open and close; afterwards the program holds no more GDI
// objects, USER objects, kernel handles or private memory than before.
// VELMORA_SOAK_REFRESHES sets the count (default 1,000).
#include "ModalScript.h"
#include "WinTestSupport.h"

#include "base/Handles_win.h"
#include "process/WindowsSystem.h"
#include "ui/about/Info_win.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

namespace velmora {
namespace {

using wintest::ChildProcess;

struct Resources {
    unsigned long long gdi;
    unsigned long long user;
    unsigned long long handles;
    unsigned long long privateBytes;
};

// Wine answers GetGuiResources and GetProcessHandleCount with 0; then the
// handles are counted by probing the handle table, and the USER objects by
// counting this thread's windows. Private bytes are summed from the address
// space, which works everywhere.
unsigned long long CountHandles() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) return count;
    DWORD flags = 0;
    for (ULONG_PTR value = 4; value < 4 * 65536; value += 4) {
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    ++*reinterpret_cast<unsigned long long*>(param);
    EnumChildWindows(window, CountWindow, param);
    return TRUE;
}

unsigned long long CountUserObjects() {
    DWORD objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (objects > 0) return objects;
    unsigned long long windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

unsigned long long PrivateBytes() {
    unsigned long long total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (char* address = nullptr; VirtualQuery(address, &info, sizeof(info)) == sizeof(info);
         address = static_cast<char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        if (info.RegionSize == 0) break;
    }
    return total;
}

Resources Measure() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), CountUserObjects(), CountHandles(), PrivateBytes()};
}

int SoakRefreshes() {
    const char* value = std::getenv("VELMORA_SOAK_REFRESHES");
    int count = value ? std::atoi(value) : 0;
    return count > 0 ? count : 1000;
}

// One stretch of use: refreshes with children coming and going, a real
// confirmation box answered Yes that ends one of them, the dialogs opened
// and closed through the main window.
void Use(TForm1& form, int refreshes, std::deque<std::unique_ptr<ChildProcess>>& children) {
    HWND view = wintest::Child(form.Handle(), TForm1::kProcessViewId);
    for (int i = 0; i < refreshes; ++i) {
        if (i % 50 == 0) children.push_back(std::make_unique<ChildProcess>(120));
        if (i % 50 == 25 && children.size() > 3) children.pop_front();
        if (i % 200 == 100 && !children.empty()) {
            DWORD pid = children.back()->Pid();
            form.UpdateProcessList();
            ListView_SetItemState(view, -1, 0, LVIS_SELECTED);
            for (int row = 0; row < ListView_GetItemCount(view); ++row) {
                if (wintest::ItemText(view, row, 1) == std::to_string(pid))
                    ListView_SetItemState(view, row, LVIS_SELECTED, LVIS_SELECTED);
            }
            wintest::BoxAnswerer yes(IDYES);
            form.FinalizeProcessBtnClick();
            children.back()->WaitExit(5000);
        }
        if (i % 250 == 125) {
            form.ExecuteBtnClick();
            form.HelpInfoItemClick();
        }
        form.UpdateProcessList();
        if (i % 10 == 0) wintest::Pump(0);
    }
}

TEST(SoakTest, ResourcesReturnToTheirStartValuesAfterManyRefreshes) {
    const int refreshes = SoakRefreshes();
    ApplicationObject& app = Application();
    auto form = std::make_unique<TForm1>(WindowsSystem(), app.MessageBoxes());
    form->Create();
    TInfoForm info(app.Shell());
    info.Create();
    TExecuteForm execute(
        app.Shell(), app.MessageBoxes(), [&form] { return form->MinimizeAfterExecuting(); }, ShowOpenDialog);
    execute.Create();
    // The dialogs are closed by a timer as soon as they are shown.
    form->ShowInfoForm = [&info] {
        wintest::Closer closer("the about dialog", wintest::CloseWhenShown(info));
        info.ShowModal();
    };
    form->ShowExecuteForm = [&execute] {
        wintest::Closer closer("the run dialog", wintest::CloseWhenShown(execute));
        execute.ShowModal();
    };
    form->ViewUpdateTimeClick(1);  // fastest timer pace as well

    std::deque<std::unique_ptr<ChildProcess>> children;
    Use(*form, 300, children);  // warm up: every path has run once
    children.clear();
    form->UpdateProcessList();
    wintest::Pump(100);
    const Resources before = Measure();
    const DWORD start = GetTickCount();

    Use(*form, refreshes, children);
    children.clear();
    form->UpdateProcessList();
    wintest::Pump(100);
    const Resources after = Measure();

    std::printf(
        "soak: %d refreshes in %lu ms; GDI %llu -> %llu, USER %llu -> %llu, "
        "handles %llu -> %llu, private bytes %llu -> %llu\n",
        refreshes, static_cast<unsigned long>(GetTickCount() - start), before.gdi, after.gdi, before.user, after.user,
        before.handles, after.handles, before.privateBytes, after.privateBytes);
    // The system's GDI count (Wine answers 0) also sees objects that Windows
    // and the common controls create for us.
    EXPECT_LE(after.gdi, before.gdi + 2);
    EXPECT_LE(after.user, before.user + 2);
    EXPECT_LE(after.handles, before.handles + 2);
    EXPECT_LT(after.privateBytes, before.privateBytes + 1024 * 1024);
}

}  // namespace
}  // namespace velmora

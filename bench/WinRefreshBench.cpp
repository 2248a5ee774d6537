// Under Wine (or Windows): the cost of a steady-state refresh of the
// machine's processes in the real list view, against one bare snapshot
// enumeration of the same processes, and against the naive refresh (a
// snapshot per process, a linear search per record). Prints the figures and
// the ratios.
#include "NaiveRefresh.h"

#include "process/SystemExt.h"
#include "process/WindowsSystem.h"
#include "ui/app/Application_win.h"
#include "ui/main/ProcessView_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename F>
double MicrosecondsPerCall(int iterations, F call) {
    double start = Now();
    for (int i = 0; i < iterations; ++i) call();
    return (Now() - start) * 1e6 / iterations;
}

// Starts `count` copies of this program that only wait, so the process
// table holds more than Wine's handful of services; returns their handles.
std::vector<velmora::KernelHandle> StartSleepers(int count) {
    std::vector<velmora::KernelHandle> sleepers;
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    for (int i = 0; i < count; ++i) {
        std::wstring commandLine = std::wstring(L"\"") + path + L"\" --sleep";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                           &startup, &info)) {
            velmora::KernelHandle thread(info.hThread);
            sleepers.emplace_back(info.hProcess);
        }
    }
    return sleepers;
}

}  // namespace

// bench [ITERATIONS [EXTRA_PROCESSES]]
int main(int argc, char** argv) {
    using namespace velmora;
    if (argc > 1 && std::string(argv[1]) == "--sleep") {
        Sleep(10 * 60 * 1000);
        return 0;
    }
    int iterations = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::vector<KernelHandle> sleepers = StartSleepers(argc > 2 ? std::atoi(argv[2]) : 0);
    Sleep(500);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    Application().Initialize(GetModuleHandleW(nullptr));
    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    form.ViewUpdateTimeClick(4);  // no timer refreshes while measuring

    ISystem& system = WindowsSystem();
    int processes = TProcessList(system).Count();
    // Warm up both paths once.
    form.UpdateProcessList();
    double bare = MicrosecondsPerCall(iterations, [&] { TProcessList list(system); });
    double refresh = MicrosecondsPerCall(iterations, [&] { form.UpdateProcessList(); });
    // The naive refresh fills a list view of its own, of the main window's
    // kind, so that it starts from no rows as it always did.
    HWND naiveList = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 417, 386,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_WIDTH | LVCF_SUBITEM;
        header.cx = 75;
        header.iSubItem = column;
        SendMessageW(naiveList, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
    }
    ProcessView naiveRows;
    naiveRows.Attach(naiveList);
    double naive = MicrosecondsPerCall(iterations / 100 + 1, [&] { bench::NaiveRefresh(system, naiveRows); });
    DestroyWindow(naiveList);
    std::printf("processes                         %d\n", processes);
    std::printf("bare snapshot enumeration         %.1f us\n", bare);
    std::printf("steady-state refresh (list view)  %.1f us  (%.2f x enumeration)\n", refresh, refresh / bare);
    std::printf("naive refresh (list view)         %.1f us  (%.2f x enumeration)\n", naive, naive / bare);
    for (const KernelHandle& sleeper : sleepers) TerminateProcess(sleeper.Get(), 0);
    return 0;
}

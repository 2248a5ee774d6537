#include "WinTestSupport.h"

#include "base/Wide_win.h"
#include "ui/app/Application_win.h"

#include <commctrl.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <stdexcept>

namespace velmora::wintest {

namespace {
// Every child of a test belongs to one job that ends them when the test
// process ends, however it ends: a test that fails hard leaves nothing behind
// that would hold its output pipe open.
HANDLE ChildJob() {
    static HANDLE job = [] {
        HANDLE created = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
        return created;
    }();
    return job;
}
}  // namespace

std::string SuiteFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    dir.resize(dir.find_last_of("\\/") + 1);
    return dir;
}

ChildProcess::ChildProcess(int seconds) {
    std::string commandLine = "\"" + SuiteFolder() + VELMORA_TEST_CHILD + "\" " + std::to_string(seconds);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    // Wine may refuse a start for a moment while many processes come up at
    // once; a few tries keep a busy test machine from failing the test.
    DWORD error = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                           &startup, &info_)) {
            error = 0;
            break;
        }
        error = GetLastError();
        Sleep(200);
    }
    if (error) {
        throw std::runtime_error("cannot start the test child (error " + std::to_string(error) + "): " + commandLine);
    }
    AdoptChild(info_.hProcess);
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
}

void AdoptChild(HANDLE process) {
    AssignProcessToJobObject(ChildJob(), process);
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
}

bool ChildProcess::Running() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

long ChildProcess::WaitExit(DWORD ms) const {
    if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        // Through the application, so that shortcuts are translated.
        Application().ProcessMessages();
        if (ms) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

namespace {
std::map<UINT_PTR, Closer*>& Closers() {
    static std::map<UINT_PTR, Closer*> closers;
    return closers;
}
}  // namespace

Closer::Closer(std::string what, std::function<void()> tryClose, DWORD deadlineMs)
    : what_(std::move(what)),
      tryClose_(std::move(tryClose)),
      deadline_(GetTickCount() + deadlineMs),
      timer_(SetTimer(nullptr, 0, 20, Tick)) {
    Closers()[timer_] = this;
}

Closer::~Closer() {
    KillTimer(nullptr, timer_);
    Closers().erase(timer_);
}

void CALLBACK Closer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = Closers().find(id);
    if (found == Closers().end()) return;
    Closer& self = *found->second;
    if (static_cast<LONG>(GetTickCount() - self.deadline_) >= 0) {
        // The modal loop would never return: report and end the test here.
        std::fprintf(stderr, "FAILED: %s was still open at the test's deadline\n", self.what_.c_str());
        std::fflush(stderr);
        std::fflush(stdout);
        ExitProcess(1);
    }
    self.tryClose_();
}

void CloseOpenMenu() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && info.hwndMenuOwner) EndMenu();
}

RECT RectInParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string ItemText(HWND listView, int row, int column) {
    wchar_t text[600] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return Narrow(text);
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void TypeChars(HWND window, const std::string& text) {
    for (wchar_t unit : Wide(text)) PostMessageW(window, WM_CHAR, unit, 1);
}

namespace {
struct ControlSearch {
    int id;
    HWND found;
};
BOOL CALLBACK MatchId(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(window) != search.id) return TRUE;
    search.found = window;
    return FALSE;
}
}  // namespace

HWND Child(HWND window, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace velmora::wintest

namespace velmora::wintest {

namespace {
BoxAnswerer* activeAnswerer = nullptr;

BOOL CALLBACK LongestStatic(HWND child, LPARAM param) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Static") == 0) {
        std::string text = WindowText(child);
        auto* longest = reinterpret_cast<std::string*>(param);
        if (text.size() > longest->size()) *longest = text;
    }
    return TRUE;
}
}  // namespace

BoxAnswerer::BoxAnswerer(int button) : button_(button) {
    activeAnswerer = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    activeAnswerer = nullptr;
}

LRESULT CALLBACK BoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeAnswerer) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(box, className, sizeof(className));
        if (std::string(className) == "#32770") {
            Box seen{WindowText(box), "", GetDlgItem(box, IDYES) != nullptr, GetDlgItem(box, IDNO) != nullptr,
                     false,           0};
            EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&seen.text));
            activeAnswerer->boxes.push_back(seen);
            if (activeAnswerer->button_ == kPressEnter) {
                PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
            } else {
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(activeAnswerer->button_, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, activeAnswerer->button_)));
            }
        }
    }
    // The stacking and the default button a box had while it was open,
    // read as it goes.
    if (code == HCBT_DESTROYWND && activeAnswerer && !activeAnswerer->boxes.empty()) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(box, className, sizeof(className));
        if (std::string(className) == "#32770") {
            Box& seen = activeAnswerer->boxes.back();
            seen.topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            // The default button: no press has moved it (answers are posted
            // commands, which leave the focus alone).
            for (int id : {IDYES, IDNO, IDOK, IDCANCEL}) {
                HWND button = GetDlgItem(box, id);
                if (button && (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                    seen.defaultButton = id;
                }
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace velmora::wintest

#include "ChildCopies.h"

#include "ProgramText.h"
#include "WinTestSupport.h"

#include <tlhelp32.h>

#include <algorithm>
#include <utility>

namespace velmora::wintest {

ChildCopies::ChildCopies() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"velmora-copies-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    if (CreateDirectoryW(folder_.c_str(), nullptr)) folders_.push_back(folder_);
}

ChildCopies::~ChildCopies() {
    for (const Running& running : processes_) {
        TerminateProcess(running.process.Get(), 1);
        WaitForSingleObject(running.process.Get(), 5000);
    }
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    // Innermost first: they were made outermost first.
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) RemoveDirectoryW(folder->c_str());
}

std::wstring ChildCopies::Copy(const std::wstring& relativePath) {
    std::wstring path = folder_;
    std::size_t start = 0;
    for (std::size_t slash; (slash = relativePath.find(L'\\', start)) != std::wstring::npos; start = slash + 1) {
        path += relativePath.substr(start, slash - start) + L"\\";
        if (CreateDirectoryW(path.c_str(), nullptr)) folders_.push_back(path);
    }
    path += relativePath.substr(start);
    const std::wstring child = Wide(SuiteFolder() + VELMORA_TEST_CHILD);
    if (!CopyFileW(child.c_str(), path.c_str(), TRUE)) return L"";
    files_.push_back(path);
    return path;
}

DWORD ChildCopies::Start(const std::wstring& path, int seconds) {
    std::wstring commandLine = L"\"" + path + L"\" " + std::to_wstring(seconds);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &startup, &info)) {
        return 0;
    }
    KernelHandle thread(info.hThread);
    AdoptChild(info.hProcess);
    processes_.push_back({info.dwProcessId, KernelHandle(info.hProcess)});
    return info.dwProcessId;
}

bool ChildCopies::Own(DWORD pid) {
    KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (!process) return false;
    processes_.push_back({pid, std::move(process)});
    return true;
}

bool ChildCopies::End(DWORD pid) {
    auto running = std::find_if(processes_.begin(), processes_.end(), [pid](const Running& r) { return r.pid == pid; });
    if (running == processes_.end()) return false;
    const HANDLE process = running->process.Get();
    const bool ended = TerminateProcess(process, 1) && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    processes_.erase(running);
    return ended;
}

std::vector<DWORD> ProcessesNamed(const std::wstring& fileName, DWORD parent) {
    std::vector<DWORD> pids;
    const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return pids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID == parent && fileName == entry.szExeFile) pids.push_back(entry.th32ProcessID);
    }
    return pids;
}

}  // namespace velmora::wintest

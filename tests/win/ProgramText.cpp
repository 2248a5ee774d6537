#include "ProgramText.h"

#include "WinTestSupport.h"

#include "base/Handles_win.h"
#include "base/ProcAddress_win.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace velmora::wintest {

namespace {
std::string Units(const std::wstring& text) {
    std::string units;
    for (wchar_t unit : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%s%04X", units.empty() ? "" : " ", static_cast<unsigned>(unit));
        units += hex;
    }
    return units;
}
}  // namespace

testing::AssertionResult SameText(const std::wstring& shown, const std::wstring& expected) {
    if (shown == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "shows \"" << Narrow(shown) << "\" [" << Units(shown) << "]\n   expected \""
                                       << Narrow(expected) << "\" [" << Units(expected) << "]";
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[1024] = {};
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(window, text, 1024)));
}

std::wstring TextOf(HWND control) {
    const auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(SendMessageW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

namespace {
BOOL CALLBACK LongestStaticText(HWND child, LPARAM param) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") == 0) {
        std::wstring text = TextOf(child);
        auto* longest = reinterpret_cast<std::wstring*>(param);
        if (text.size() > longest->size()) *longest = text;
    }
    return TRUE;
}
}  // namespace

std::wstring MessageOf(HWND box) {
    std::wstring message;
    EnumChildWindows(box, LongestStaticText, reinterpret_cast<LPARAM>(&message));
    return message;
}

std::wstring ComboEntry(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return L"<no entry>";
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

bool ProgramMemoryReachable() {
    return std::getenv("VELMORA_PROGRAM_EMULATED") == nullptr;
}

namespace {

// A buffer inside the process that owns a window, freed with this object.
class ProgramBuffer {
public:
    ProgramBuffer(HWND window, std::size_t size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = KernelHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
        if (process_) {
            address_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~ProgramBuffer() {
        if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
    }
    ProgramBuffer(const ProgramBuffer&) = delete;
    ProgramBuffer& operator=(const ProgramBuffer&) = delete;

    char* Address() const { return static_cast<char*>(address_); }
    bool Write(const void* at, const void* data, std::size_t size) const {
        return address_ && WriteProcessMemory(process_.Get(), const_cast<void*>(at), data, size, nullptr);
    }
    bool Read(const void* at, void* data, std::size_t size) const {
        return address_ && ReadProcessMemory(process_.Get(), at, data, size, nullptr);
    }

private:
    KernelHandle process_;
    void* address_ = nullptr;
};

constexpr int kTextCapacity = 1024;

// Sends `message` with an item structure (LVITEMW, LVCOLUMNW, TCITEMW) whose
// text buffer lies beside it in the window's process, and reads the text
// back from wherever the control left pszText pointing.
template <class Item>
std::wstring TextThroughItem(HWND control, UINT message, WPARAM index, Item item) {
    ProgramBuffer buffer(control, sizeof(Item) + kTextCapacity * sizeof(wchar_t));
    if (!buffer.Address()) return L"<no memory in the program>";
    auto* remoteText = reinterpret_cast<wchar_t*>(buffer.Address() + sizeof(Item));
    item.pszText = remoteText;
    item.cchTextMax = kTextCapacity;
    wchar_t nothing = 0;
    if (!buffer.Write(buffer.Address(), &item, sizeof item) || !buffer.Write(remoteText, &nothing, sizeof nothing)) {
        return L"<cannot write into the program>";
    }
    SendMessageW(control, message, index, reinterpret_cast<LPARAM>(buffer.Address()));
    Item answered{};
    buffer.Read(buffer.Address(), &answered, sizeof answered);
    wchar_t text[kTextCapacity] = {};
    if (!buffer.Read(answered.pszText, text, sizeof text - sizeof(wchar_t))) {
        // A pointer of the control's own, near the end of its memory: read
        // what can be read, unit by unit.
        for (int i = 0;
             i < kTextCapacity - 1 && buffer.Read(answered.pszText + i, &text[i], sizeof(wchar_t)) && text[i]; ++i) {
        }
    }
    text[kTextCapacity - 1] = 0;
    return text;
}

}  // namespace

std::wstring CellText(HWND listView, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    return TextThroughItem(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item);
}

std::wstring ColumnText(HWND listView, int column) {
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT;
    return TextThroughItem(listView, LVM_GETCOLUMNW, static_cast<WPARAM>(column), item);
}

std::wstring TabText(HWND tabControl, int index) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    return TextThroughItem(tabControl, TCM_GETITEMW, static_cast<WPARAM>(index), item);
}

bool SelectOnlyRow(HWND listView, int row) {
    ProgramBuffer buffer(listView, sizeof(LVITEMW));
    if (!buffer.Address()) return false;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    if (!buffer.Write(buffer.Address(), &item, sizeof item)) return false;
    SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.Address()));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (!buffer.Write(buffer.Address(), &item, sizeof item)) return false;
    return SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(buffer.Address())) != FALSE;
}

namespace {

const wchar_t kReceiverClass[] = L"VelmoraMenuDumpReceiver";

LRESULT CALLBACK ReceiveDump(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* dump = reinterpret_cast<std::wstring*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (dump && data->cbData >= sizeof(wchar_t)) {
            dump->assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t) - 1);
        }
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

std::vector<ShownMenuItem> MenuOf(HWND window) {
    std::vector<ShownMenuItem> items;
    const std::wstring library = Wide(SuiteFolder() + VELMORA_MENU_READER);
    HMODULE reader = LoadLibraryW(library.c_str());
    if (!reader) {
        ADD_FAILURE() << "cannot load " << Narrow(library) << " (error " << GetLastError() << ")";
        return items;
    }
    const auto hook = LookupProc<HOOKPROC>(reader, "MenuReaderHook");
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HHOOK installed = hook ? SetWindowsHookExW(WH_GETMESSAGE, hook, reader, thread) : nullptr;
    if (!installed) {
        ADD_FAILURE() << "cannot hook the program's thread (error " << GetLastError() << ")";
        FreeLibrary(reader);
        return items;
    }

    WNDCLASSW type{};
    type.lpfnWndProc = ReceiveDump;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = kReceiverClass;
    RegisterClassW(&type);  // fails harmlessly when a test before registered it
    HWND receiver = CreateWindowExW(0, kReceiverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    std::wstring dump;
    SetWindowLongPtrW(receiver, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&dump));
    PostMessageW(window, RegisterWindowMessageW(L"VelmoraMenuReader"), reinterpret_cast<WPARAM>(receiver), 0);
    const bool answered = PumpUntil([&] { return !dump.empty(); }, 30000);
    DestroyWindow(receiver);
    UnhookWindowsHookEx(installed);
    FreeLibrary(reader);
    if (!answered) {
        ADD_FAILURE() << "the program's thread did not answer the menu reader";
        return items;
    }

    std::size_t start = 0;
    for (std::size_t end; (end = dump.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
        std::size_t depth = start;
        while (depth < end && dump[depth] == L'>') ++depth;
        items.push_back({static_cast<int>(depth - start), dump.substr(depth, end - depth)});
    }
    return items;
}

}  // namespace velmora::wintest

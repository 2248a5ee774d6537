// A library that reads a window's menus inside the window's own process,
// where alone they can be read (Wine keeps menus in the memory of the
// process that made them). The tests set MenuReaderHook as a message hook
// on the program's thread, which loads this library there, and post the
// registered message "VelmoraMenuReader" to the window with their receiver
// window as wParam. The hook answers with WM_COPYDATA: one line per item in
// menu order, each ">" repeated by its depth below the menu bar, then its
// text as the menu holds it ("-" for a separator), each line ended by "\n".
#include <windows.h>

namespace {

constexpr int kCapacity = 32768;
WCHAR dump[kCapacity];
int used = 0;

void Append(const WCHAR* text) {
    while (*text && used < kCapacity - 1) dump[used++] = *text++;
}

void Walk(HMENU menu, int depth) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        WCHAR text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 511;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        for (int d = 0; d < depth; ++d) Append(L">");
        Append((info.fType & MFT_SEPARATOR) ? L"-" : text);
        Append(L"\n");
        if (info.hSubMenu) Walk(info.hSubMenu, depth + 1);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuReaderHook(int code, WPARAM wParam, LPARAM lParam) {
    const UINT request = RegisterWindowMessageW(L"VelmoraMenuReader");
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == request) {
        used = 0;
        if (HMENU bar = GetMenu(msg->hwnd)) Walk(bar, 0);
        dump[used] = 0;
        COPYDATASTRUCT data{request, static_cast<DWORD>((used + 1) * sizeof(WCHAR)), dump};
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(reinterpret_cast<HWND>(msg->wParam), WM_COPYDATA, reinterpret_cast<WPARAM>(msg->hwnd),
                            reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &ignored);
        msg->message = WM_NULL;  // the window itself never sees the request
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

#include "ui/run/Execute_win.h"

#include "base/Utf8.h"
#include "base/Wide_win.h"
#include "resources/ResourceIds.h"
#include "ui/app/Application_win.h"
#include "ui/run/SystemCase_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

namespace velmora {

namespace {

// Two entries, programs and all files; the literal's own NUL ends the list.
const wchar_t kOpenFilter[] = L"Programme\0*.exe; *.bat; *.com\0Alle Dateien\0*.*\0";

}  // namespace

std::optional<std::string> ShowOpenDialog(HWND owner) {
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kOpenFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    return Narrow(path);
}

namespace {

const char kLbl1Text[] = "Geben Sie den Namen eines Programms, Ordners, Dokuments oder einer Internetressource an.";

// What each control is; the layout table (ExecuteLayout.cpp) gives their
// places and the creation order, which is the tab order.
const ControlKind kControls[] = {
    {TExecuteForm::kImgId, "STATIC", "", SS_OWNERDRAW | WS_VISIBLE},
    {TExecuteForm::kLbl1Id, "STATIC", kLbl1Text, SS_LEFT | SS_NOPREFIX | WS_VISIBLE},
    {TExecuteForm::kLabel1Id, "STATIC", "Öffnen:", SS_LEFT | SS_NOPREFIX | WS_VISIBLE},
    {TExecuteForm::kBokId, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
    {TExecuteForm::kBclId, "BUTTON", "Abbrechen", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
    {TExecuteForm::kBbrId, "BUTTON", "Durchsuchen...", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE},
    {TExecuteForm::kEdtId, "COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE},
};

// A label sized to its text in the window font, as an autosized label is.
void AutoSize(HWND label, HFONT font) {
    const LayoutSize text = TextExtent(label, font, WindowText(label));
    SetWindowPos(label, nullptr, 0, 0, text.width, text.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CurrentEntry(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

}  // namespace

TExecuteForm::TExecuteForm(IShell& shell, IMessageBoxes& boxes, std::function<bool()> minimizeAfterExecuting,
                           OpenDialogFn openDialog)
    : model_(shell, boxes, CommandHistory(SameTextSystem)),
      minimizeAfterExecuting_(std::move(minimizeAfterExecuting)),
      openDialog_(std::move(openDialog)) {}

TExecuteForm::~TExecuteForm() {
    // The window outlives this part of the object (the base destroys it):
    // no message of the edit field may reach the handlers from then on.
    Unhook();
}

void TExecuteForm::Create() {
    CreateForm("TExecuteForm", "Ausführen", kExecuteClient, false);
    icon_ = LoadPngResource(GetModuleHandleW(nullptr), IDR_RUN_ICON);
    for (std::size_t i = 0; i < kExecuteLayoutCount; ++i) {
        if (const ControlKind* kind = FindKind(kControls, kExecuteLayout[i].id)) Add(*kind, kExecuteLayout[i].rect);
    }
    AutoSize(Item(kLabel1Id), Font());
    SetDefaultButton(kBokId);
    SetCancelButton(kBclId);

    edt_ = Item(kEdtId);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(edt_, &info);
    edit_ = info.hwndItem;
    list_ = info.hwndList;
    // Completion needs the keystrokes themselves, and the window that takes
    // the focus, neither of which the combo box tells its parent.
    SetWindowSubclass(edit_, EditSubclass, 1, reinterpret_cast<DWORD_PTR>(this));
}

// Every control at its designed place for the form's DPI; Label1 then takes
// its text's size in the font of that DPI.
void TExecuteForm::LayoutControls() {
    for (std::size_t i = 0; i < kExecuteLayoutCount; ++i) {
        MoveControl(Item(kExecuteLayout[i].id), Scale(kExecuteLayout[i].rect, Dpi()));
    }
    AutoSize(Item(kLabel1Id), Font());
}

void TExecuteForm::Unhook() {
    if (edit_) RemoveWindowSubclass(edit_, EditSubclass, 1);
    edit_ = nullptr;
}

void TExecuteForm::FormShow() {
    edtChange();
    SetFocus(edit_);
}

void TExecuteForm::bokClick() {
    const bool minimize = minimizeAfterExecuting_ && minimizeAfterExecuting_();
    const ExecuteResult result = model_.bokClick(ReadBox(), minimize, [this](const EditState& remembered) {
        SyncHistory();
        WriteBox(remembered);
    });
    switch (result.after) {
        case AfterExecute::Close: Close(); return;
        case AfterExecute::CloseAndMinimize:
            Close();
            Application().Minimize();
            return;
        case AfterExecute::StayOpen:
            // Focus first: the combo box selects its whole text on focus, and
            // the model's selection must be the last word.
            SetFocus(edit_);
            WriteBox(result.box);
            return;
    }
}

void TExecuteForm::bclClick() {
    Close();
}

void TExecuteForm::bbrClick() {
    const std::optional<std::string> chosen = openDialog_ ? openDialog_(Handle()) : std::nullopt;
    const EditState box = model_.bbrClick(ReadBox(), chosen);
    SyncHistory();
    WriteBox(box);
}

void TExecuteForm::edtChange() {
    EnableWindow(Item(kBokId), OkEnabled(WindowText(edt_)));
}

// The edit field lost the focus; the model decides whether that left the box.
void TExecuteForm::edtExit(FocusTarget next) {
    const std::optional<EditState> box = model_.FocusLost(ReadBox(), next);
    if (!box) return;
    SyncHistory();
    WriteBox(*box);
}

// After the edit field has taken a printable character.
void TExecuteForm::edtTyped() {
    WriteBox(Complete(model_.History(), ReadBox()));
}

// Instead of the edit field's own Backspace, which would leave the entry
// that completion made current.
void TExecuteForm::edtBackspace() {
    WriteBox(Backspace(ReadBox()));
}

// An entry picked from the drop-down list: its own text, wholly selected.
void TExecuteForm::edtSelect() {
    const int index = CurrentEntry(edt_);
    if (index < 0) return;
    EditState box;
    const LRESULT length = SendMessageW(edt_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return;
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(edt_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    if (copied == CB_ERR) return;
    box.text = Narrow(entry.data(), static_cast<std::size_t>(copied));
    box.selEnd = static_cast<int>(box.text.size());
    box.currentIndex = index;
    WriteBox(box);
}

void TExecuteForm::imgDraw(const DRAWITEMSTRUCT& item) {
    // Transparent: the form's own background shows around and through it.
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawPngBitmap(item.hDC, item.rcItem, icon_, Dpi());
}

// The box counts its selection in UTF-16 units, the model in bytes of the
// UTF-8 text; an offset inside a surrogate pair rounds down to its start.
EditState TExecuteForm::ReadBox() const {
    EditState box;
    box.text = WindowText(edt_);
    DWORD start = 0, end = 0;
    SendMessageW(edt_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    box.selStart = static_cast<int>(Utf8OffsetFromUtf16(box.text, start));
    box.selEnd = static_cast<int>(Utf8OffsetFromUtf16(box.text, end));
    box.currentIndex = CurrentEntry(edt_);
    return Normalized(model_.History(), box);
}

// In the order HistoryBox.h asks for: the entry, the text, the selection.
void TExecuteForm::WriteBox(const EditState& box) {
    if (CurrentEntry(edt_) != box.currentIndex) SendMessageW(edt_, CB_SETCURSEL, box.currentIndex, 0);
    if (WindowText(edt_) != box.text) SetText(edt_, box.text);
    // A combo box may look its entry up afresh by prefix when its edit text
    // changes; the model's entry stands, set on the list alone.
    if (CurrentEntry(edt_) != box.currentIndex) SendMessageW(list_, LB_SETCURSEL, box.currentIndex, 0);
    const std::size_t start = Utf16OffsetFromUtf8(box.text, static_cast<std::size_t>(box.selStart));
    const std::size_t end = Utf16OffsetFromUtf8(box.text, static_cast<std::size_t>(box.selEnd));
    SendMessageW(edt_, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    edtChange();  // no notification comes for text set by the program
}

// The item list of edt is the history: append what the model appended.
void TExecuteForm::SyncHistory() {
    const int shown = static_cast<int>(SendMessageW(edt_, CB_GETCOUNT, 0, 0));
    for (int i = shown; i < model_.History().Count(); ++i) {
        const std::wstring entry = Wide(model_.History().Entry(i));
        SendMessageW(edt_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void TExecuteForm::OnCommand(int id, int code, HWND) {
    switch (id) {
        case kBokId: return code == BN_CLICKED ? bokClick() : void();
        case kBclId: return code == BN_CLICKED ? bclClick() : void();
        case kBbrId: return code == BN_CLICKED ? bbrClick() : void();
        case kEdtId:
            switch (code) {
                case CBN_EDITCHANGE: return edtChange();
                case CBN_SELCHANGE:
                case CBN_SELENDOK: return edtSelect();
                default: return;
            }
        default: return;
    }
}

LRESULT TExecuteForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            if (wParam != kImgId) break;
            imgDraw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ACTIVATE:
            // Back to the control that had the focus, as a dialog does; the
            // default would leave it on the frame after a message box.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focus_.Deactivated(Handle());
            } else if (HWND control = focus_.Control(); !HIWORD(wParam) && control) {
                SetFocus(control);
                return 0;
            }
            break;
        default: break;
    }
    return ModalForm::OnMessage(message, wParam, lParam);
}

LRESULT CALLBACK TExecuteForm::EditSubclass(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        reinterpret_cast<TExecuteForm*>(self)->Unhook();
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    return Guarded([&] { return reinterpret_cast<TExecuteForm*>(self)->OnEditMessage(message, wParam, lParam); });
}

LRESULT TExecuteForm::OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: {
            if (wParam == VK_BACK) {
                edtBackspace();
                return 0;
            }
            // Control characters (Ctrl+letter, Ctrl+Backspace) edit without completing.
            if (wParam < 0x20 || wParam == 0x7F) break;
            // The first half of a character beyond U+FFFF (an emoji): the box
            // takes it, and nothing reads or writes the box until the second
            // half has come. Read now, the half would turn into U+FFFD, and
            // written back it would replace the character for good.
            if (IS_HIGH_SURROGATE(wParam)) break;
            LRESULT result = DefSubclassProc(edit_, message, wParam, lParam);
            edtTyped();
            return result;
        }
        case WM_KILLFOCUS: {
            LRESULT result = DefSubclassProc(edit_, message, wParam, lParam);
            HWND next = reinterpret_cast<HWND>(wParam);
            const FocusTarget target = !next || !IsChild(Handle(), next) ? FocusTarget::Elsewhere
                                       : next == edt_                    ? FocusTarget::TheBox
                                                                         : FocusTarget::DialogControl;
            edtExit(target);
            return result;
        }
        default: break;
    }
    return DefSubclassProc(edit_, message, wParam, lParam);
}

}  // namespace velmora

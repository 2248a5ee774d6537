// The run dialog's window: turns its messages into calls of the portable
// model (ExecuteModel.h, HistoryBox.h) and the model's results into its
// controls. Created hidden at start-up, shown modally from the main window.
#pragma once

#include "image/PngBitmap.h"
#include "ui/app/ModalForm_win.h"
#include "ui/run/ExecuteLayout.h"
#include "ui/run/ExecuteModel.h"

#include <functional>
#include <optional>
#include <string>

namespace velmora {

// A file-open dialog owned by `owner`: the chosen file's full path, or
// nothing when the user cancels.
using OpenDialogFn = std::function<std::optional<std::string>(HWND owner)>;
// The common file-open dialog, for programs and all files.
std::optional<std::string> ShowOpenDialog(HWND owner);

class TExecuteForm : public ModalForm {
public:
    // The command line goes to `shell`, its failures to `boxes`;
    // minimizeAfterExecuting reads the main window's option when OK
    // succeeds; Durchsuchen... asks `openDialog` for a file.
    TExecuteForm(IShell& shell, IMessageBoxes& boxes, std::function<bool()> minimizeAfterExecuting,
                 OpenDialogFn openDialog);
    ~TExecuteForm() override;

    // Creates the hidden window and its controls.
    void Create();

    // Handlers, named after the control and the event.
    void bokClick();
    void bclClick();
    void bbrClick();
    void edtChange();
    void edtExit(FocusTarget next);

    static constexpr int kImgId = kExecuteImgId;
    static constexpr int kLbl1Id = kExecuteLbl1Id;
    static constexpr int kLabel1Id = kExecuteLabel1Id;
    static constexpr int kBokId = kExecuteBokId;
    static constexpr int kBclId = kExecuteBclId;
    static constexpr int kBbrId = kExecuteBbrId;
    static constexpr int kEdtId = kExecuteEdtId;

protected:
    void FormShow() override;
    void LayoutControls() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK EditSubclass(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Unhook();

    void edtTyped();
    void edtBackspace();
    void edtSelect();
    void imgDraw(const DRAWITEMSTRUCT& item);

    EditState ReadBox() const;
    void WriteBox(const EditState& box);
    void SyncHistory();

    ExecuteModel model_;
    std::function<bool()> minimizeAfterExecuting_;
    OpenDialogFn openDialog_;
    PngBitmap icon_;
    HWND edt_ = nullptr;
    HWND edit_ = nullptr;
    HWND list_ = nullptr;
    FocusMemory focus_;
};

}  // namespace velmora

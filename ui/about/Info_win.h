// The about dialog (InfoForm): product header, version labels, legal texts
// and two links. Created hidden at start-up, shown modally from the main
// window's help menu.
#pragma once

#include "image/PngBitmap.h"
#include "ui/about/InfoLayout.h"
#include "ui/app/ModalForm_win.h"

namespace velmora {

class TInfoForm : public ModalForm {
public:
    // The links open through `shell`.
    explicit TInfoForm(IShell& shell) : shell_(shell) {}
    ~TInfoForm() override;

    // Creates the hidden window and its controls; ShowModal shows it.
    void Create();

    // Handlers, named after the control and the event.
    void Label12MouseDown();
    void Label14MouseDown();
    void Button1Click();

    // Control identifiers: Label1..Label16 are LabelId(1)..LabelId(16).
    static constexpr int LabelId(int number) { return 100 + number; }
    static constexpr int kImage1Id = 100;
    static constexpr int kButton1Id = 200;

protected:
    void OnCommand(int id, int code, HWND control) override;
    void FormShow() override;
    void RemakeFonts() override;
    void LayoutControls() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kLookCount = static_cast<int>(InfoLook::Count);

    static LRESULT CALLBACK LinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR number,
                                     DWORD_PTR form);
    void CreateLabel(const InfoLabel& entry);
    void PlaceLabel(const InfoLabel& entry);
    HFONT FontOf(InfoLook look) const { return fonts_[static_cast<int>(look)].Get(); }
    const InfoLabel* LabelOf(HWND control) const;
    void PaintBackground(HDC dc);
    void PaintImage1(const DRAWITEMSTRUCT& item);
    LRESULT LabelColors(HDC dc, HWND label);

    IShell& shell_;
    FontHandle fonts_[kLookCount];
    PngBitmap icon_;
};

}  // namespace velmora

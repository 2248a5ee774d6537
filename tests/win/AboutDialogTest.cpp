// The about dialog under Wine: layout and looks at the screen's DPI, the two
// links under every mouse button, and the ways it closes.
#include "Layouts.h"
#include "Version.h"
#include "WinTestSupport.h"

#include "base/Wide_win.h"
#include "image/Placement.h"
#include "image/PngBitmap.h"
#include "image/Resample.h"
#include "resources/ResourceIds.h"
#include "tests/fakes/FakeDialogs.h"
#include "ui/about/InfoTexts.h"
#include "ui/about/Info_win.h"
#include "ui/app/Application_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

namespace velmora {
namespace {

using wintest::Pump;
using wintest::RectInParent;
using wintest::WindowText;

const char* const kWebUrl = "http://www.velmora.example.org";
const char* const kMailUrl = "mailto:kontakt@velmora.example.org?subject=Feedback%20zu%20Velmora";
const COLORREF kWhite = RGB(255, 255, 255), kLink = RGB(15, 100, 151);

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}

// The UTF-8 text's size in the control's font, on one line or wrapped at
// `wrap`.
SIZE TextSize(HWND control, const std::string& text, int wrap = 0) {
    const std::wstring wide = Wide(text);
    RECT r{0, 0, wrap, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, FontOf(control));
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

// A memory DC to hand to the form's painting handlers.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    Canvas(int width, int height) : bitmap(CreateBitmap(width, height, 1, 32, nullptr)) { SelectObject(dc, bitmap); }
    ~Canvas() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

TInfoForm* rescueForm = nullptr;
bool rescued = false;
void CALLBACK Rescue(HWND, UINT, UINT_PTR, DWORD) {
    rescued = true;
    rescueForm->Close();
}

class AboutDialogTest : public testing::Test {
protected:
    void SetUp() override {
        form.Create();
        dpi = form.Dpi();
    }

    HWND Control(int id) const { return GetDlgItem(form.Handle(), id); }
    HWND Label(int number) const { return Control(TInfoForm::LabelId(number)); }
    int Scaled(int value) const { return MulDiv(value, dpi, 96); }
    int Slack() const { return dpi == 96 ? 0 : 1; }  // exact at 96 DPI, else within rounding
    void ExpectRect(const RECT& r, int left, int top, int right, int bottom) const {
        EXPECT_NEAR(r.left, Scaled(left), Slack());
        EXPECT_NEAR(r.top, Scaled(top), Slack());
        EXPECT_NEAR(r.right, Scaled(right), Slack());
        EXPECT_NEAR(r.bottom, Scaled(bottom), Slack());
    }
    void Post(HWND window, UINT message, WPARAM wParam = 0) { PostMessageA(window, message, wParam, MAKELPARAM(3, 3)); }

    // Queues `input`, then shows the dialog modally; false when a rescue
    // timer had to close it instead.
    bool ShowModalClosedBy(const std::function<void()>& input) {
        rescueForm = &form;
        rescued = false;
        UINT_PTR timer = SetTimer(nullptr, 0, 5000, Rescue);
        wintest::Closer watchdog(
            "the about dialog", [] {}, 10000);
        input();
        form.ShowModal();
        KillTimer(nullptr, timer);
        return !rescued && !IsWindowVisible(form.Handle());
    }

    fakes::FakeShell shell;
    TInfoForm form{shell};
    int dpi = 96;
};

TEST_F(AboutDialogTest, IsAHiddenTopmostFixedDialogWithIconAndDefaultOkButtonInPlace) {
    HWND window = form.Handle();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(WindowText(window), "Info über Velmora");
    RECT client{}, outer{};
    GetClientRect(window, &client);
    ExpectRect(client, 0, 0, 377, 393);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    GetWindowRect(window, &outer);
    EXPECT_NEAR(outer.left + outer.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(outer.top + outer.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

    const wintest::Scaling scaling{dpi};
    for (const wintest::DesignedRect& d : wintest::kAboutDialogLayout)
        scaling.ExpectRect(RectInParent(Control(d.id)), d);
    HWND button = Control(TInfoForm::kButton1Id);
    EXPECT_EQ(WindowText(button), "OK");
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(AboutDialogTest, LabelsShowTheirTextsAtTheirPlacesInTheirFonts) {
    struct Expected {
        int number;
        std::string text;
        int x, y;           // x is the right edge when right-aligned
        int width, height;  // 0: as large as the text
        bool right;
        int arial;  // Arial's character height at 96 DPI; 0: the window font
        bool bold, underline;
    } expected[] = {
        {1, "Velmora", 48, 11, 0, 0, false, 24, false, false},
        {10, VELMORA_VERSION_LABEL, 54, 33, 0, 0, false, 11, false, false},
        {2, VELMORA_BUILD_LABEL, 166, 33, 0, 0, true, 11, false, false},
        {15, "Letzte Änderung:", 368, 16, 0, 0, true, 12, true, false},
        {16, "4. März 2008", 368, 32, 0, 0, true, 12, true, false},
        {3, "Copyrighthinweis", 8, 83, 0, 0, false, 13, true, false},
        {4, kInfoCopyright, 8, 104, 0, 0, false, 0, false, false},
        {11, "Webseite:", 8, 122, 0, 0, false, 0, false, false},
        {12, "www.velmora.example.org", 64, 122, 0, 0, false, 0, false, true},
        {13, "E-Mail:", 8, 140, 0, 0, false, 0, false, false},
        {14, "kontakt@velmora.example.org", 64, 140, 0, 0, false, 0, false, true},
        {5, "Lizenz", 8, 165, 0, 0, false, 13, true, false},
        {7, kInfoLicence, 8, 186, 357, 78, false, 0, false, false},
        {8, "Haftungsausschluss", 8, 275, 0, 0, false, 13, true, false},
        {6,
         "Das Programm wurde auf einigen, jedoch nicht allen möglichen, Systemen getestet, es wird allerdings nicht "
         "für Schäden und Probleme, die direkt oder indirekt durch dieses Programmm entstehen, gehaftet. Dafür ist "
         "ausschließlich der Lizenznehmer verantworltich.",
         8, 296, 351, 52, false, 0, false, false},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE("Label" + std::to_string(e.number));
        HWND label = Label(e.number);
        ASSERT_TRUE(label);
        EXPECT_EQ(WindowText(label), e.text);
        LOGFONTW lf{};
        GetObjectW(FontOf(label), sizeof lf, &lf);
        EXPECT_EQ(Narrow(lf.lfFaceName), e.arial ? "Arial" : "MS Sans Serif");
        EXPECT_EQ(lf.lfHeight, e.arial ? -Scaled(e.arial) : -MulDiv(8, dpi, 72));
        EXPECT_EQ(lf.lfWeight >= FW_BOLD, e.bold);
        EXPECT_EQ(lf.lfUnderline != 0, e.underline);

        RECT r = RectInParent(label);
        if (e.width) {
            // The designed box, taller only where the screen's lines need it.
            const int needed = TextSize(label, e.text, r.right - r.left).cy;
            EXPECT_NEAR(r.left, Scaled(e.x), Slack());
            EXPECT_NEAR(r.top, Scaled(e.y), Slack());
            EXPECT_NEAR(r.right, Scaled(e.x + e.width), Slack());
            EXPECT_NEAR(r.bottom - r.top, std::max(Scaled(e.height), needed), Slack());
            EXPECT_LE(needed, r.bottom - r.top) << "text must fit";
        } else {
            SIZE text = TextSize(label, e.text);
            EXPECT_NEAR(r.top, Scaled(e.y), Slack());
            EXPECT_NEAR(e.right ? r.right : r.left, Scaled(e.x), Slack());
            EXPECT_GE(r.right - r.left, text.cx);
            EXPECT_LE(r.right - r.left, text.cx + Scaled(3));
            EXPECT_EQ(r.bottom - r.top, text.cy);
        }
    }
    EXPECT_FALSE(Label(9));  // has no place in the dialog
}

TEST_F(AboutDialogTest, HeaderBandIsWhiteAndBevelledAndLabelsTakeTheirColours) {
    RECT client{};
    GetClientRect(form.Handle(), &client);
    Canvas band(client.right, client.bottom);
    SendMessageA(form.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(band.dc), 0);
    // The 2-px bevel scales too: shadow over highlight, the shadow taking
    // the larger half (2 + 1 rows at 144 DPI).
    const int bottom = Scaled(65);
    const int bevel = Scaled(2), highlight = bevel / 2;
    for (int x : {0, 200, int(client.right) - 1}) {
        SCOPED_TRACE("x = " + std::to_string(x));
        EXPECT_EQ(GetPixel(band.dc, x, 0), kWhite);
        EXPECT_EQ(GetPixel(band.dc, x, bottom - bevel - 1), kWhite);
        for (int y = bottom - bevel; y < bottom - highlight; ++y) {
            EXPECT_EQ(GetPixel(band.dc, x, y), GetSysColor(COLOR_BTNSHADOW)) << y;
        }
        for (int y = bottom - highlight; y < bottom; ++y) {
            EXPECT_EQ(GetPixel(band.dc, x, y), GetSysColor(COLOR_BTNHIGHLIGHT)) << y;
        }
        EXPECT_EQ(GetPixel(band.dc, x, bottom), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(GetPixel(band.dc, x, client.bottom - 1), GetSysColor(COLOR_BTNFACE));
    }

    const COLORREF face = GetSysColor(COLOR_BTNFACE), body = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF black = RGB(0, 0, 0), grey = RGB(120, 120, 120);
    const struct {
        int number;
        COLORREF text, background;
    } expected[] = {{1, black, kWhite},  {10, grey, kWhite}, {2, grey, kWhite}, {15, black, kWhite},
                    {16, black, kWhite}, {3, body, face},    {4, body, face},   {12, kLink, face},
                    {14, kLink, face},   {6, body, face},    {7, body, face}};
    Canvas label(8, 8);
    for (const auto& e : expected) {
        SCOPED_TRACE("Label" + std::to_string(e.number));
        LRESULT brush = SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(label.dc),
                                     reinterpret_cast<LPARAM>(Label(e.number)));
        LOGBRUSH lb{};
        ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb));
        EXPECT_EQ(lb.lbColor, e.background);
        EXPECT_EQ(GetTextColor(label.dc), e.text);
    }
}

// On screen: the icon blended by its alpha over the white band, at its own
// size scaled to the screen's DPI and smoothed there (a nearest-pixel
// stretch only repeats the picture's own colours), and the links drawn in
// their colour.
TEST_F(AboutDialogTest, ShownDialogDrawsIconWithAlphaAndLinksInTheirColour) {
    ShowWindow(form.Handle(), SW_SHOWNA);
    UpdateWindow(form.Handle());
    Pump(100);
    PngBitmap icon = LoadPngResource(GetModuleHandleW(nullptr), IDR_ABOUT_ICON);
    DIBSECTION dib{};
    ASSERT_TRUE(icon && GetObjectA(icon.Handle(), sizeof dib, &dib));
    const auto* pixels = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
    RECT box = RectInParent(Control(TInfoForm::kImage1Id));
    PixelRect place = PlaceImage({int(box.left), int(box.top), int(box.right - box.left), int(box.bottom - box.top)},
                                 Scaled(icon.Width()), Scaled(icon.Height()));
    EXPECT_EQ(place.width, Scaled(32));
    HDC dc = GetDC(form.Handle());
    const auto overWhite = [](std::uint32_t p) {  // premultiplied colour over white
        const int alpha = p >> 24;
        return RGB(((p >> 16) & 255) + 255 - alpha, ((p >> 8) & 255) + 255 - alpha, (p & 255) + 255 - alpha);
    };
    int translucent = 0;
    std::set<COLORREF> own;                            // the picture's colours over the band
    RECT opaque{icon.Width(), icon.Height(), -1, -1};  // where the icon covers the band
    for (int y = 0; y < icon.Height(); ++y) {
        for (int x = 0; x < icon.Width(); ++x) {
            std::uint32_t p = pixels[y * icon.Width() + x];
            const int alpha = p >> 24;
            if (alpha > 0) {
                opaque = {std::min<LONG>(opaque.left, x), std::min<LONG>(opaque.top, y),
                          std::max<LONG>(opaque.right, x + 1), std::max<LONG>(opaque.bottom, y + 1)};
            }
            translucent += alpha > 0 && alpha < 255;
            own.insert(overWhite(p));
        }
    }
    EXPECT_GT(translucent, 0) << "the icon should have soft edges";
    // Pixel for pixel the resampled picture (at 96 DPI the picture itself).
    const Bitmap expected = Resample(pixels, icon.Width(), icon.Height(), place.width, place.height);
    ASSERT_EQ(expected.pixels.size(), std::size_t(place.width) * std::size_t(place.height));
    int wrong = 0, fresh = 0;
    for (int y = 0; y < place.height; ++y) {
        for (int x = 0; x < place.width; ++x) {
            const COLORREF want = overWhite(expected.pixels[std::size_t(y) * std::size_t(place.width) + x]);
            const COLORREF got = GetPixel(dc, place.left + x, place.top + y);
            wrong += std::abs(GetRValue(got) - GetRValue(want)) > 3 || std::abs(GetGValue(got) - GetGValue(want)) > 3 ||
                     std::abs(GetBValue(got) - GetBValue(want)) > 3;
            fresh += own.count(got) == 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    if (dpi != 96) {
        EXPECT_GT(fresh, place.width) << "smoothed: colours between the picture's own";
    }
    // The drawn icon covers the band where the scaled picture does.
    RECT drawn{box.right, box.bottom, box.left - 1, box.top - 1};
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (GetPixel(dc, x, y) == RGB(255, 255, 255)) continue;
            drawn = {std::min<LONG>(drawn.left, x), std::min<LONG>(drawn.top, y), std::max<LONG>(drawn.right, x + 1),
                     std::max<LONG>(drawn.bottom, y + 1)};
        }
    }
    EXPECT_NEAR(drawn.left, place.left + Scaled(opaque.left), 2);
    EXPECT_NEAR(drawn.top, place.top + Scaled(opaque.top), 2);
    EXPECT_NEAR(drawn.right, place.left + Scaled(opaque.right), 2);
    EXPECT_NEAR(drawn.bottom, place.top + Scaled(opaque.bottom), 2);

    for (int number : {12, 14}) {
        RECT r = RectInParent(Label(number));
        int linkPixels = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) linkPixels += GetPixel(dc, x, y) == kLink;
        }
        EXPECT_GE(linkPixels, r.right - r.left) << "Label" << number << ": text and underline";
    }
    ReleaseDC(form.Handle(), dc);
    ShowWindow(form.Handle(), SW_HIDE);
}

TEST_F(AboutDialogTest, AnyMouseButtonOnALinkOpensItThroughTheShellAndAFailureShowsNothing) {
    shell.result = 2;  // file not found
    wintest::BoxAnswerer answerer(IDOK);
    Post(Label(12), WM_LBUTTONDOWN, MK_LBUTTON);
    Post(Label(14), WM_RBUTTONDOWN, MK_RBUTTON);
    Post(Label(12), WM_MBUTTONDOWN, MK_MBUTTON);
    Post(Label(14), WM_LBUTTONDOWN, MK_LBUTTON);
    // The captions beside the links and the other texts open nothing.
    for (int number : {11, 13, 4, 1}) Post(Label(number), WM_LBUTTONDOWN, MK_LBUTTON);
    Pump(50);
    ASSERT_EQ(shell.calls.size(), 4u);
    EXPECT_EQ(shell.calls[0].file, kWebUrl);
    EXPECT_EQ(shell.calls[1].file, kMailUrl);
    EXPECT_EQ(shell.calls[2].file, kWebUrl);
    EXPECT_EQ(shell.calls[3].file, kMailUrl);
    for (const auto& call : shell.calls) EXPECT_EQ(call.parameters, "");
    EXPECT_TRUE(answerer.boxes.empty());
}

TEST_F(AboutDialogTest, DoubleClickOnALinkOpensItTwice) {
    for (UINT down : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        shell.calls.clear();
        const UINT up = down + 1, dbl = down + 2;  // the button's up and double-click messages
        for (int number : {12, 14}) {
            for (UINT message : {down, up, dbl, up}) Post(Label(number), message);
        }
        Pump(50);
        ASSERT_EQ(shell.calls.size(), 4u) << down;
        EXPECT_EQ(shell.calls[1].file, kWebUrl);
        EXPECT_EQ(shell.calls[3].file, kMailUrl);
    }
}

TEST_F(AboutDialogTest, LinksTakeTheMouseAndShowTheHandCursor) {
    for (int number : {12, 14}) {
        HWND label = Label(number);
        RECT r{};
        GetWindowRect(label, &r);
        // Otherwise the mouse would fall through the label to the form.
        EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)), HTCLIENT);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND)) << "Label" << number;
    }
}

TEST_F(AboutDialogTest, EnterEscOkAndCloseEndTheModalDialogAndItShowsAgain) {
    HWND button = Control(TInfoForm::kButton1Id);
    EXPECT_TRUE(ShowModalClosedBy([&] { Post(button, WM_KEYDOWN, VK_RETURN); })) << "Enter";
    EXPECT_TRUE(ShowModalClosedBy([&] { Post(button, WM_KEYDOWN, VK_ESCAPE); })) << "Esc";
    EXPECT_TRUE(ShowModalClosedBy([&] { PostMessageA(button, BM_CLICK, 0, 0); })) << "OK";
    EXPECT_TRUE(ShowModalClosedBy([&] { PostMessageA(form.Handle(), WM_CLOSE, 0, 0); })) << "close box";
}

TEST_F(AboutDialogTest, EachShowingStartsCentredWhereverItWasLeft) {
    SetWindowPos(form.Handle(), nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(ShowModalClosedBy([&] { PostMessageA(form.Handle(), WM_CLOSE, 0, 0); }));
    RECT shown{};
    GetWindowRect(form.Handle(), &shown);  // hidden again, where it was shown
    EXPECT_NEAR(shown.left + shown.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(shown.top + shown.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

}  // namespace
}  // namespace velmora

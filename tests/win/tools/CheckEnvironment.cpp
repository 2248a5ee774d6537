// Checks that the Wine session draws and speaks like a German Windows before
// any Windows test runs: the faces the program asks for realise as themselves
// (or, for Arial, as a face with Arial's widths), the ANSI code page is 1252
// and message boxes answer in German. Prints what it found; exits 1 naming
// what is missing.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> problems;

struct Realised {
    std::string face;
    std::vector<int> widths;  // advance widths of kProbe at an em of 2048 px
};

constexpr const char kProbe[] = " aimWAr0M";
// Arial's advance widths of kProbe in its 2048 units per em; a face that
// keeps Arial's layout (Liberation Sans does) has the same ones.
constexpr int kArialWidths[] = {569, 1139, 455, 1706, 1933, 1366, 682, 1139, 1706};

Realised Realise(const char* face, int height) {
    Realised result;
    HDC dc = GetDC(nullptr);
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    char name[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, name);
    result.face = name;
    for (const char* c = kProbe; *c; ++c) {
        INT width = 0;
        GetCharWidth32A(dc, static_cast<unsigned char>(*c), static_cast<unsigned char>(*c), &width);
        result.widths.push_back(width);
    }
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return result;
}

void ExpectFace(const char* face) {
    Realised r = Realise(face, -11);
    std::printf("\"%s\" realises as \"%s\"\n", face, r.face.c_str());
    if (r.face != face) {
        problems.push_back(
            "\"" + std::string(face) + "\" realises as \"" + r.face +
            "\": Wine's own fonts are missing from the prefix's windows\\Fonts folder (package fonts-wine)");
    }
}

void ExpectArialMetrics() {
    Realised r = Realise("Arial", -2048);
    bool same = true;
    for (size_t i = 0; i < r.widths.size(); ++i) {
        int expected = kArialWidths[i];
        if (r.widths[i] < expected - 2 || r.widths[i] > expected + 2) same = false;
    }
    std::printf("\"Arial\" realises as \"%s\"%s\n", r.face.c_str(), same ? ", with Arial's widths" : "");
    if (!same) {
        problems.push_back("\"Arial\" realises as \"" + r.face +
                           "\" without Arial's widths: a metric-compatible face is missing (package fonts-liberation)");
    }
}

std::string yesText, noText;

std::string ButtonText(HWND box, int id) {
    char text[64] = {};
    GetDlgItemTextA(box, id, text, sizeof(text));
    std::string plain;
    for (const char* c = text; *c; ++c) {
        if (*c != '&') plain += *c;
    }
    return plain;
}

LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char name[16] = {};
        GetClassNameA(box, name, sizeof(name));
        if (std::string(name) == "#32770") {
            yesText = ButtonText(box, IDYES);
            noText = ButtonText(box, IDNO);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ExpectGermanBoxes() {
    HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
    MessageBoxA(nullptr, "Umgebungstest", "Umgebungstest", MB_YESNO | MB_ICONWARNING);
    UnhookWindowsHookEx(hook);
    std::printf("message box buttons: \"%s\", \"%s\"\n", yesText.c_str(), noText.c_str());
    if (yesText != "Ja" || noText != "Nein") {
        problems.push_back("message boxes say \"" + yesText + "\" and \"" + noText +
                           "\", not \"Ja\" and \"Nein\": Wine does not run in the German locale (de_DE.UTF-8)");
    }
}

void ExpectCodePage() {
    UINT acp = GetACP();
    std::printf("ANSI code page: %u\n", acp);
    if (acp != 1252) {
        problems.push_back("the ANSI code page is " + std::to_string(acp) +
                           ", not 1252: Wine does not run in the German locale (de_DE.UTF-8)");
    }
}

}  // namespace

int main() {
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    std::printf("%d-bit process%s\n", static_cast<int>(sizeof(void*) * 8), wow64 ? " under WoW64" : "");
    ExpectFace("MS Sans Serif");
    ExpectFace("Marlett");
    ExpectArialMetrics();
    Realised tahoma = Realise("Tahoma", -11);
    std::printf("\"Tahoma\" realises as \"%s\"\n", tahoma.face.c_str());
    ExpectCodePage();
    ExpectGermanBoxes();
    for (const std::string& problem : problems) std::fprintf(stderr, "MISSING: %s\n", problem.c_str());
    std::fflush(stdout);
    return problems.empty() ? 0 : 1;
}

// Seeded random inputs for the splitting and the input box model. The count
// defaults to 100,000 per test; VELMORA_FUZZ_ITERATIONS overrides it.
#include "base/Utf8.h"
#include "tests/fakes/FakeTextCase.h"
#include "ui/run/CommandLine.h"
#include "ui/run/HistoryBox.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

long long Iterations() {
    if (const char* value = std::getenv("VELMORA_FUZZ_ITERATIONS")) {
        const long long parsed = std::strtoll(value, nullptr, 10);
        if (parsed > 0) return parsed;
    }
    return 100000;
}

class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    int Below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }

    // Mostly characters that matter to the code under test: quotes, blanks,
    // controls, letters of both cases in several scripts and of one to four
    // bytes; otherwise any character, half of them from the Basic
    // Multilingual Plane.
    std::string Character() {
        static const char* const kInteresting[] = {
            "\"", "\"", " ", "\t", "\r", "\n",     "\x01",   "\x1f", "a",  "A", "c",    "C", "z",  "Z",
            "ä",  "Ä",  "ß", "×",  "÷",  "ł",      "Ł",      "ó",    "Ó",  "ź", "Ź",    "ω", "Ω",  "έ",
            "Έ",  "ж",  "Ж", "€",  "…",  "\u0085", "\u00a0", "日",   "本", "😀", "🦊", ".", "\\", "-"};
        if (Below(4) != 0) return kInteresting[Below(static_cast<int>(std::size(kInteresting)))];
        char32_t cp = 1 + static_cast<char32_t>(Below(Below(2) == 0 ? 0xFFFF : 0x10FFFF));
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 'x';  // no code point of its own
        std::string out;
        AppendUtf8(out, cp);
        return out;
    }

    // Well-formed UTF-8, as the window layer reads it from a box.
    std::string Text(int maxLength) {
        std::string text;
        for (int n = Below(maxLength + 1); n > 0; --n) text += Character();
        return text;
    }

    // Now and then a stray byte: text handed to the splitting from
    // elsewhere could hold anything.
    std::string AnyBytes(int maxLength) {
        std::string text;
        for (int n = Below(maxLength + 1); n > 0; --n) {
            if (Below(8) == 0) {
                text += static_cast<char>(1 + Below(255));
            } else {
                text += Character();
            }
        }
        return text;
    }

private:
    std::mt19937 engine_;
};

// The splitting rule written the long way, with 1-based positions and the
// clamping copy and search of the classic string routines, over the text's
// characters (each held as its own bytes, so stray bytes survive).
using Characters = std::vector<std::string>;

Characters CharactersOf(const std::string& s) {
    Characters characters;
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t start = pos;
        NextCodePoint(s, pos);
        characters.push_back(s.substr(start, pos - start));
    }
    return characters;
}

std::string Joined(const Characters& characters) {
    std::string s;
    for (const std::string& c : characters) s += c;
    return s;
}

Characters CopyFrom(const Characters& s, long long index, long long count) {
    const long long length = static_cast<long long>(s.size());
    if (index < 1) index = 1;
    if (index > length || count <= 0) return {};
    if (count > length - index + 1) count = length - index + 1;
    return Characters(s.begin() + (index - 1), s.begin() + (index - 1 + count));
}

long long PositionOfQuote(const Characters& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == "\"") return static_cast<long long>(i) + 1;
    }
    return 0;
}

bool IsBlankOrControl(const std::string& c) {
    return c.size() == 1 && static_cast<unsigned char>(c[0]) <= 32;
}

Characters Trimmed(Characters s) {
    while (!s.empty() && IsBlankOrControl(s.back())) s.pop_back();
    while (!s.empty() && IsBlankOrControl(s.front())) s.erase(s.begin());
    return s;
}

ShellCommand ReferenceSplit(const std::string& text) {
    const Characters t = CharactersOf(text);
    const long long p = PositionOfQuote(t);
    if (p == 0) return {text, ""};
    const long long length = static_cast<long long>(t.size());
    const Characters u = CopyFrom(t, p + 1, length);
    const long long q = PositionOfQuote(u);
    const Characters file = CopyFrom(t, p + 1, q - 1);
    const long long fileLength = static_cast<long long>(file.size());
    return {Joined(file), Joined(Trimmed(CopyFrom(t, fileLength + 3, length - fileLength - 2)))};
}

TEST(Fuzz, SplitCommandLineMatchesTheRuleAndStaysInsideTheText) {
    Random random(20240611);
    const long long count = Iterations();
    for (long long i = 0; i < count; ++i) {
        const std::string text = random.AnyBytes(i % 8 == 0 ? 200 : 24);
        const ShellCommand command = SplitCommandLine(text);
        const ShellCommand expected = ReferenceSplit(text);
        ASSERT_EQ(command.file, expected.file) << "iteration " << i;
        ASSERT_EQ(command.parameters, expected.parameters) << "iteration " << i;
        ASSERT_NE(text.find(command.file), std::string::npos) << "iteration " << i;
        ASSERT_NE(text.find(command.parameters), std::string::npos) << "iteration " << i;
        if (!command.parameters.empty()) {
            ASSERT_GT(static_cast<unsigned char>(command.parameters.front()), 32) << "iteration " << i;
            ASSERT_GT(static_cast<unsigned char>(command.parameters.back()), 32) << "iteration " << i;
        }
    }
}

bool OnBoundary(const std::string& text, int offset) {
    return CodePointStart(text, static_cast<std::size_t>(offset)) == static_cast<std::size_t>(offset);
}

void ExpectValid(const CommandHistory& history, const EditState& box, long long i) {
    const int length = static_cast<int>(box.text.size());
    ASSERT_LE(0, box.selStart) << "iteration " << i;
    ASSERT_LE(box.selStart, box.selEnd) << "iteration " << i;
    ASSERT_LE(box.selEnd, length) << "iteration " << i;
    ASSERT_TRUE(OnBoundary(box.text, box.selStart)) << "iteration " << i;
    ASSERT_TRUE(OnBoundary(box.text, box.selEnd)) << "iteration " << i;
    ASSERT_GE(box.currentIndex, -1) << "iteration " << i;
    ASSERT_LT(box.currentIndex, history.Count()) << "iteration " << i;
}

// A session of typing, deleting and remembering, interrupted now and then by
// a box state with arbitrary, possibly out-of-range or mid-character numbers.
TEST(Fuzz, CompletionAndBackspaceKeepTheBoxConsistent) {
    Random random(7081);
    CommandHistory history(fakes::SameText);
    EditState box;
    const long long count = Iterations();
    for (long long i = 0; i < count; ++i) {
        // A fresh session now and then keeps the history, and the run time, small.
        if (history.Count() >= 64) {
            history = CommandHistory(fakes::SameText);
            box.currentIndex = -1;
        }
        if (random.Below(20) == 0) {
            box = {random.Text(12), random.Below(50) - 10, random.Below(50) - 10,
                   random.Below(history.Count() + 6) - 3};
        }
        const int operation = random.Below(10);
        if (operation < 6) {
            // A key replaces the selection, then completion runs.
            EditState typed = Normalized(history, box);
            const std::string key = random.Character();
            typed.text.replace(static_cast<std::size_t>(typed.selStart),
                               static_cast<std::size_t>(typed.selEnd - typed.selStart), key);
            typed.selStart = typed.selEnd = typed.selStart + static_cast<int>(key.size());
            box = Complete(history, typed);
            ExpectValid(history, box, i);
            ASSERT_EQ(box.text.compare(0, typed.text.size(), typed.text), 0) << "iteration " << i;
            if (box.currentIndex != typed.currentIndex) {
                const std::string& entry = history.Entry(box.currentIndex);
                ASSERT_TRUE(fakes::SameText(box.text, entry)) << "iteration " << i;
                ASSERT_EQ(CodePointCount(box.text), CodePointCount(entry)) << "iteration " << i;
                ASSERT_EQ(box.selStart, static_cast<int>(typed.text.size())) << "iteration " << i;
                ASSERT_EQ(box.selEnd, static_cast<int>(box.text.size())) << "iteration " << i;
            }
        } else if (operation < 9) {
            const EditState before = Normalized(history, box);
            const std::size_t characters = CodePointCount(before.text);
            const std::size_t selected =
                CodePointCount(std::string_view(before.text)
                                   .substr(static_cast<std::size_t>(before.selStart),
                                           static_cast<std::size_t>(before.selEnd - before.selStart)));
            const std::size_t removed = selected > 0 ? selected : (before.selStart > 0 ? 1 : 0);
            box = Backspace(box);
            ExpectValid(history, box, i);
            ASSERT_EQ(CodePointCount(box.text), characters - removed) << "iteration " << i;
            ASSERT_EQ(box.text.compare(0, static_cast<std::size_t>(box.selStart), before.text, 0,
                                       static_cast<std::size_t>(box.selStart)),
                      0)
                << "iteration " << i;
            ASSERT_EQ(box.selStart, box.selEnd) << "iteration " << i;
            ASSERT_EQ(box.currentIndex, -1) << "iteration " << i;
        } else {
            const int entriesBefore = history.Count();
            box = Remember(history, box);
            ExpectValid(history, box, i);
            ASSERT_LE(history.Count(), entriesBefore + 1) << "iteration " << i;
            ASSERT_GE(box.currentIndex, 0) << "iteration " << i;
            ASSERT_TRUE(fakes::SameText(box.text, history.Entry(box.currentIndex))) << "iteration " << i;
        }
    }
}

}  // namespace
}  // namespace velmora

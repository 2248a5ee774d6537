// Seeded random inputs for the splitting and the input box model. The count
// defaults to 100,000 per test; VELMORA_FUZZ_ITERATIONS overrides it.
#include "ui/run/AnsiCase.h"
#include "ui/run/CommandLine.h"
#include "ui/run/HistoryBox.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>

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

    // Mostly bytes that matter to the code under test: quotes, blanks,
    // controls, letters of both cases; otherwise any non-NUL byte.
    char Byte() {
        static const char kInteresting[] =
            "\"\" \t\r\n\x01\x1f"
            "aAbBcCzZ\xc4\xe4\xdf\xd7\xf7\x8a\x9a\x9f\xff.\\-";
        if (Below(4) != 0) return kInteresting[Below(sizeof kInteresting - 1)];
        return static_cast<char>(1 + Below(255));
    }

    std::string Text(int maxLength) {
        std::string text(static_cast<std::size_t>(Below(maxLength + 1)), ' ');
        for (char& c : text) c = Byte();
        return text;
    }

private:
    std::mt19937 engine_;
};

// The splitting rule written the long way, with 1-based positions and the
// clamping copy and search of the classic string routines.
std::string CopyFrom(const std::string& s, long long index, long long count) {
    const long long length = static_cast<long long>(s.size());
    if (index < 1) index = 1;
    if (index > length || count <= 0) return std::string();
    if (count > length - index + 1) count = length - index + 1;
    return s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

long long PositionOfQuote(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') return static_cast<long long>(i) + 1;
    }
    return 0;
}

std::string Trimmed(std::string s) {
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.pop_back();
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.erase(0, 1);
    return s;
}

ShellCommand ReferenceSplit(const std::string& t) {
    const long long p = PositionOfQuote(t);
    if (p == 0) return {t, ""};
    const long long length = static_cast<long long>(t.size());
    const std::string u = CopyFrom(t, p + 1, length);
    const long long q = PositionOfQuote(u);
    const std::string file = CopyFrom(t, p + 1, q - 1);
    const long long fileLength = static_cast<long long>(file.size());
    return {file, Trimmed(CopyFrom(t, fileLength + 3, length - fileLength - 2))};
}

TEST(Fuzz, SplitCommandLineMatchesTheRuleAndStaysInsideTheText) {
    Random random(20240611);
    const long long count = Iterations();
    for (long long i = 0; i < count; ++i) {
        const std::string text = random.Text(i % 8 == 0 ? 200 : 24);
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

void ExpectValid(const CommandHistory& history, const EditState& box, long long i) {
    const int length = static_cast<int>(box.text.size());
    ASSERT_LE(0, box.selStart) << "iteration " << i;
    ASSERT_LE(box.selStart, box.selEnd) << "iteration " << i;
    ASSERT_LE(box.selEnd, length) << "iteration " << i;
    ASSERT_GE(box.currentIndex, -1) << "iteration " << i;
    ASSERT_LT(box.currentIndex, history.Count()) << "iteration " << i;
}

// A session of typing, deleting and remembering, interrupted now and then by
// a box state with arbitrary, possibly out-of-range numbers.
TEST(Fuzz, CompletionAndBackspaceKeepTheBoxConsistent) {
    Random random(7081);
    CommandHistory history;
    EditState box;
    const long long count = Iterations();
    for (long long i = 0; i < count; ++i) {
        // A fresh session now and then keeps the history, and the run time, small.
        if (history.Count() >= 64) {
            history = CommandHistory();
            box.currentIndex = -1;
        }
        if (random.Below(20) == 0) {
            box = {random.Text(12), random.Below(30) - 10, random.Below(30) - 10,
                   random.Below(history.Count() + 6) - 3};
        }
        const int operation = random.Below(10);
        if (operation < 6) {
            // A key replaces the selection, then completion runs.
            EditState typed = Normalized(history, box);
            typed.text.replace(static_cast<std::size_t>(typed.selStart),
                               static_cast<std::size_t>(typed.selEnd - typed.selStart), 1, random.Byte());
            typed.selStart = typed.selEnd = typed.selStart + 1;
            box = Complete(history, typed);
            ExpectValid(history, box, i);
            ASSERT_EQ(box.text.compare(0, typed.text.size(), typed.text), 0) << "iteration " << i;
            if (box.currentIndex != typed.currentIndex) {
                ASSERT_TRUE(SameTextAnsi(box.text, history.Entry(box.currentIndex))) << "iteration " << i;
                ASSERT_EQ(box.selStart, static_cast<int>(typed.text.size())) << "iteration " << i;
                ASSERT_EQ(box.selEnd, static_cast<int>(box.text.size())) << "iteration " << i;
            }
        } else if (operation < 9) {
            const EditState before = Normalized(history, box);
            const std::size_t selected = static_cast<std::size_t>(before.selEnd - before.selStart);
            const std::size_t removed = selected > 0 ? selected : (before.selStart > 0 ? 1 : 0);
            box = Backspace(box);
            ExpectValid(history, box, i);
            ASSERT_EQ(box.text.size(), before.text.size() - removed) << "iteration " << i;
            ASSERT_EQ(box.selStart, box.selEnd) << "iteration " << i;
            ASSERT_EQ(box.currentIndex, -1) << "iteration " << i;
        } else {
            const int entriesBefore = history.Count();
            box = Remember(history, box);
            ExpectValid(history, box, i);
            ASSERT_LE(history.Count(), entriesBefore + 1) << "iteration " << i;
            ASSERT_GE(box.currentIndex, 0) << "iteration " << i;
            ASSERT_TRUE(SameTextAnsi(box.text, history.Entry(box.currentIndex))) << "iteration " << i;
        }
    }
}

}  // namespace
}  // namespace velmora

#include "base/Utf8.h"
#include "tests/unit/main/ProcessPageFixture.h"
#include "ui/main/ProcessOrdering.h"
#include "ui/main/UpdateSpeed.h"

namespace velmora {
namespace {

TProcess Record(std::uint32_t pid, std::int32_t threads = 1, std::int32_t basePriority = 8) {
    TProcess record;
    record.ProcessID = pid;
    record.Threads = threads;
    record.BasePriority = basePriority;
    return record;
}

int Compare(const TProcess& a, const std::string& captionA, const TProcess& b, const std::string& captionB, int column,
            bool ascending = true) {
    return CompareProcessRows(RowRef{a, captionA}, RowRef{b, captionB}, column, ascending);
}

TEST(ProcessOrdering, Compare_NameFoldsOnlyAsciiLettersAndFallsBackToPid) {
    const TProcess p4 = Record(4), p8 = Record(8);
    // Case alone: equal names, identifier decides, in both directions.
    EXPECT_EQ(Compare(p8, "A.EXE", p4, "a.exe", kColumnName), 1);
    EXPECT_EQ(Compare(p8, "A.EXE", p4, "a.exe", kColumnName, false), -1);
    // Umlauts keep their byte value: 'Ä' (0xC4) after 'z', before 'ä' (0xE4).
    EXPECT_EQ(Compare(p4, "Ärger.exe", p8, "zeta.exe", kColumnName), 1);
    EXPECT_EQ(Compare(p8, "Äb", p4, "äb", kColumnName), -1);
    // A prefix sorts first regardless of identifiers.
    EXPECT_EQ(Compare(p8, "note", p4, "notepad.exe", kColumnName), -1);
    EXPECT_EQ(Compare(p4, "notepad.exe", p8, "NOTE", kColumnName), 1);
}

// What Windows-1252 places at 0x80 to 0x9F (0: no character at that byte).
const char32_t kCp1252High[32] = {
    U'€', 0,    U'‚', U'ƒ', U'„', U'…', U'†', U'‡', U'ˆ', U'‰', U'Š', U'‹', U'Œ', 0, U'Ž', 0,
    0,    U'‘', U'’', U'“', U'”', U'•', U'–', U'—', U'˜', U'™', U'š', U'›', U'œ', 0, U'ž', U'Ÿ',
};

// Every character of Windows-1252 beside its byte there.
std::vector<std::pair<unsigned char, std::string>> Windows1252Characters() {
    std::vector<std::pair<unsigned char, std::string>> characters;
    for (int byte = 1; byte < 256; ++byte) {
        const char32_t cp = byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : static_cast<char32_t>(byte);
        if (cp == 0) continue;
        std::string utf8;
        AppendUtf8(utf8, cp);
        characters.emplace_back(static_cast<unsigned char>(byte), utf8);
    }
    return characters;
}

// The order names had while they were held as Windows-1252: A to Z lowered,
// then byte by byte, a prefix first.
int ByteOrder(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : +c; };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int x = lower(static_cast<unsigned char>(a[i])), y = lower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

TEST(ProcessOrdering, Compare_NamesWindows1252CanHoldKeepTheirByteOrder) {
    const auto characters = Windows1252Characters();
    ASSERT_EQ(characters.size(), 250u);
    const TProcess p4 = Record(4), p8 = Record(8);
    // Every pair of single characters, then names of two characters from a
    // sample, which brings in prefixes and case-only differences.
    for (const auto& [byteA, a] : characters) {
        for (const auto& [byteB, b] : characters) {
            const int expected = ByteOrder(std::string(1, char(byteA)), std::string(1, char(byteB)));
            ASSERT_EQ(Compare(p4, a, p8, b, kColumnName), expected == 0 ? -1 : expected) << a << " " << b;
        }
    }
    std::vector<std::pair<std::string, std::string>> names{{"", ""}};  // Windows-1252, UTF-8
    for (std::size_t i = 0; i < characters.size(); i += 7) {
        for (std::size_t j = 3; j < characters.size(); j += 11) {
            names.push_back({std::string{char(characters[i].first), char(characters[j].first)},
                             characters[i].second + characters[j].second});
            names.push_back({std::string(1, char(characters[i].first)), characters[i].second});
        }
    }
    for (const auto& [bytesA, a] : names) {
        for (const auto& [bytesB, b] : names) {
            const int expected = ByteOrder(bytesA, bytesB);
            ASSERT_EQ(Compare(p8, a, p4, b, kColumnName), expected == 0 ? 1 : expected) << a << " " << b;
        }
    }
}

TEST(ProcessOrdering, Compare_CharactersOutsideWindows1252SortAfterItByCodePoint) {
    const TProcess p4 = Record(4), p8 = Record(8);
    // Not as raw UTF-8 would have it: "€" (0x80) before "ä", "Š" (0x8A) before "À".
    EXPECT_EQ(Compare(p8, "€.exe", p4, "ä.exe", kColumnName), -1);
    EXPECT_EQ(Compare(p8, "Š.exe", p4, "À.exe", kColumnName), -1);
    // After every character of Windows-1252, "ÿ" included.
    EXPECT_EQ(Compare(p4, "Łódź-probe.exe", p8, "ÿ.exe", kColumnName), 1);
    EXPECT_EQ(Compare(p4, "Łódź-probe.exe", p8, "Zeta.exe", kColumnName), 1);
    // Among themselves by code point, with no letter case folded.
    EXPECT_EQ(Compare(p8, "Łódź", p4, "łódź", kColumnName), -1);
    EXPECT_EQ(Compare(p8, "Łódź-probe.exe", p4, "Ωμέγα-probe.exe", kColumnName), -1);
    EXPECT_EQ(Compare(p8, "ΩΜΈΓΑ", p4, "ωμέγα", kColumnName), -1);
    EXPECT_EQ(Compare(p8, "Ωμέγα-probe.exe", p4, "日本語-probe.exe", kColumnName), -1);
    EXPECT_EQ(Compare(p8, "日本語-probe.exe", p4, "😀-probe.exe", kColumnName), -1);
    // A C1 control is no character of Windows-1252, though it shares a byte value.
    EXPECT_EQ(Compare(p8, "\u0081", p4, "ÿ", kColumnName), 1);
    EXPECT_EQ(Compare(p8, "\u0081", p4, "Ł", kColumnName), -1);
    // A prefix first; equal names fall back to the identifier.
    EXPECT_EQ(Compare(p4, "Ωμέγα-probe.exe", p8, "Ωμ", kColumnName), 1);
    EXPECT_EQ(Compare(p4, "日本", p8, "日本語", kColumnName), -1);
    EXPECT_EQ(Compare(p8, "日本語-probe.exe", p4, "日本語-probe.exe", kColumnName), 1);
    EXPECT_EQ(Compare(p8, "日本語-probe.exe", p4, "日本語-probe.exe", kColumnName, false), -1);
}

TEST(ProcessOrdering, Compare_PidsAboveTwoToThe31SortAsNegative) {
    EXPECT_EQ(Compare(Record(0x80000000u), "", Record(4), "", kColumnPid), -1);
    EXPECT_EQ(Compare(Record(0xFFFFFFFFu), "", Record(0), "", kColumnPid), -1);
    EXPECT_EQ(Compare(Record(7), "", Record(7), "", kColumnPid), 0);
    EXPECT_EQ(Compare(Record(4), "", Record(8), "", kColumnPid, false), 1);
}

TEST(ProcessOrdering, Compare_NumericColumnsUseRecordAndTieOnPid) {
    EXPECT_EQ(Compare(Record(8, 2), "", Record(4, 10), "", kColumnThreads), -1);
    EXPECT_EQ(Compare(Record(8, 5), "", Record(4, 5), "", kColumnThreads), 1);
    EXPECT_EQ(Compare(Record(8, 5), "", Record(4, 5), "", kColumnThreads, false), -1);
    // Priority orders by base priority, not alphabetically by name.
    EXPECT_EQ(Compare(Record(4, 1, 24), "", Record(8, 1, 13), "", kColumnPriority), 1);
    EXPECT_EQ(Compare(Record(4, 1, 13), "", Record(8, 1, 13), "", kColumnPriority), -1);
}

TEST(UpdateSpeed, UpdatePeriodForTag_MapsTheFourItemsOnly) {
    EXPECT_EQ(UpdatePeriodForTag(1), 300);
    EXPECT_EQ(UpdatePeriodForTag(2), 1000);
    EXPECT_EQ(UpdatePeriodForTag(3), 2000);
    EXPECT_EQ(UpdatePeriodForTag(4), 0);
    EXPECT_EQ(UpdatePeriodForTag(0), kNoPeriodChange);
    EXPECT_EQ(UpdatePeriodForTag(5), kNoPeriodChange);
}

class ColumnClickTest : public ProcessPageTest {
protected:
    void SetUp() override {
        system.AddProcess(30, "b.exe", 5);
        system.AddProcess(10, "c.exe", 5);
        system.AddProcess(20, "a.exe", 9);
        controller.UpdateProcessList();
        rows.ResetCounts();
    }
};

TEST_F(ColumnClickTest, ColumnClick_NameTwiceThenThreads) {
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 20, 30}));

    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"a.exe", "b.exe", "c.exe"}));
    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"c.exe", "b.exe", "a.exe"}));
    controller.ProcessViewColumnClick("Threads");  // another column: ascending
    // Equal thread counts (10 and 30) stand in identifier order.
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 30, 20}));
    controller.ProcessViewColumnClick("Threads");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{20, 30, 10}));
    EXPECT_EQ(rows.sortCalls, 4);
}

TEST_F(ColumnClickTest, ColumnClick_FirstClickOnPidSortsDescending) {
    controller.ProcessViewColumnClick("PID");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{30, 20, 10}));
    // An unknown caption counts as the current column: the direction flips.
    controller.ProcessViewColumnClick("Status");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 20, 30}));
    // Base priorities ascending; equal ones stand in identifier order.
    system.AddProcess(40, "d.exe");
    system.Find(40)->basePriority = 13;
    controller.UpdateProcessList();
    controller.ProcessViewColumnClick("Priorität");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 20, 30, 40}));
    controller.ProcessViewColumnClick("Priorität");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{40, 30, 20, 10}));
}

TEST_F(ColumnClickTest, ColumnClick_AsksForScrollOnlyWithASelectedRow) {
    EXPECT_FALSE(controller.ProcessViewColumnClick("Name"));
    rows.Select(20);
    EXPECT_TRUE(controller.ProcessViewColumnClick("Name"));
    EXPECT_EQ(rows.sortCalls, 2);
}

TEST_F(ColumnClickTest, ColumnClick_RefreshDuringSortDoesNothing) {
    system.AddProcess(40, "d.exe");
    rows.onSort = [&] { controller.UpdateProcessList(); };
    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(rows.Count(), 3);
    rows.onSort = nullptr;
    controller.UpdateProcessList();
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"a.exe", "b.exe", "c.exe", "d.exe"}));
}

}  // namespace
}  // namespace velmora

#include "process/SystemExt.h"
#include "tests/fakes/FakeSystem.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmora {
namespace {

TEST(BasePriorityName, RangeBoundaries) {
    const struct {
        std::int32_t base;
        const char* name;
    } cases[] = {
        {INT_MIN, "Normal"},  // the one value below every range
        {INT_MIN + 1, "Niedrig"},
        {0, "Niedrig"},
        {5, "Niedrig"},
        {6, "Niedriger als Normal"},
        {7, "Normal"},
        {9, "Normal"},
        {10, "Höher als Normal"},
        {11, "Hoch"},
        {23, "Hoch"},
        {24, "Echtzeit"},
        {INT_MAX, "Echtzeit"},
    };
    for (const auto& c : cases) EXPECT_EQ(BasePriorityName(c.base), c.name) << c.base;
}

TEST(PriorityClassName, NamesTheSixClassesAndNothingElse) {
    EXPECT_EQ(PriorityClassName(kRealtimePriorityClass), "Echtzeit");
    EXPECT_EQ(PriorityClassName(kHighPriorityClass), "Hoch");
    EXPECT_EQ(PriorityClassName(kAboveNormalPriorityClass), "Höher als Normal");
    EXPECT_EQ(PriorityClassName(kNormalPriorityClass), "Normal");
    EXPECT_EQ(PriorityClassName(kBelowNormalPriorityClass), "Niedriger als Normal");
    EXPECT_EQ(PriorityClassName(kIdlePriorityClass), "Niedrig");
    EXPECT_EQ(PriorityClassName(0), "Unbekannt");
    EXPECT_EQ(PriorityClassName(8), "Unbekannt");  // a base priority, not a class
}

TEST(ErrorCodeText, ListedCodesAreSentences) {
    EXPECT_EQ(ErrorCodeText(0), "Die Operation wurde erfolgreich beendet.");
    EXPECT_EQ(ErrorCodeText(5), "Zugriff verweigert.");
    EXPECT_EQ(ErrorCodeText(12), "Ungültiger Zugriffscode");
    EXPECT_EQ(ErrorCodeText(18), "Es wurde keine weiteren Dateien gefunden.");
    EXPECT_EQ(ErrorCodeText(33),
              "Auf die Datei konnte nicht zugegriffen werden, weil sie von einem anderen "
              "Programm gesperrt wurde.");
}

TEST(ErrorCodeText, TextsAreUtf8) {
    const std::string text = ErrorCodeText(1);  // "Ungültige Funktion."
    ASSERT_EQ(text.size(), 20u);
    EXPECT_EQ(text.substr(3, 2), "\xC3\xBC");  // ü
}

TEST(ErrorCodeText, UnlistedCodesAreSignedNumbers) {
    EXPECT_EQ(ErrorCodeText(8), "Fehlercode: 8");
    EXPECT_EQ(ErrorCodeText(9), "Fehlercode: 9");
    EXPECT_EQ(ErrorCodeText(34), "Fehlercode: 34");
    EXPECT_EQ(ErrorCodeText(87), "Fehlercode: 87");
    EXPECT_EQ(ErrorCodeText(0xC0000005u), "Fehlercode: -1073741819");
    EXPECT_EQ(ErrorCodeText(0xFFFFFFFFu), "Fehlercode: -1");
}

TEST(GetLastErrorText, ReadsTheThreadsLastError) {
    fakes::FakeSystem sys;
    sys.SetLastError(4);
    EXPECT_EQ(GetLastErrorText(sys), "Zu viele Dateien geöffnet.");
}

}  // namespace
}  // namespace velmora

// The main dialog's decisions that need no window: where the minimised icon
// goes, how an arrival field reads, which entry a remembered index selects,
// and how typed text reaches the core.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "ui/arrival_field.h"
#include "ui/ascii_text.h"
#include "ui/minimised_icon.h"
#include "ui/stored_selection.h"

namespace {

using menetkalk::ArrivalFieldValue;
using menetkalk::NarrowToAscii;
using menetkalk::StoredSelection;

TEST(MinimisedIconOffset, CentresWithOneAddedAndTruncatesTowardZero) {
  struct Case {
    int client, icon, offset;
  };
  for (const Case c : {Case{36, 32, 2}, Case{35, 32, 2}, Case{30, 32, 0}, Case{0, 32, -15}, Case{32, 32, 0},
                       Case{1, 32, -15}, Case{33, 32, 1}, Case{100, 16, 42}}) {
    EXPECT_EQ(MinimisedIconOffset(c.client, c.icon), c.offset) << c.client << " - " << c.icon;
  }
}

TEST(ArrivalFieldValue, ReadNumberPassesUnchanged) {
  EXPECT_EQ(ArrivalFieldValue(20, L"20"), 20);
  EXPECT_EQ(ArrivalFieldValue(0, L"00"), 0);
  EXPECT_EQ(ArrivalFieldValue(-3, L"-3"), -3);
}

TEST(ArrivalFieldValue, EmptyOrDigitlessFieldCountsAsZero) {
  for (const wchar_t* text : {L"", L"   ", L"-", L"abc"}) {
    EXPECT_EQ(ArrivalFieldValue(std::nullopt, text), 0) << static_cast<const void*>(text);
  }
}

TEST(ArrivalFieldValue, DigitsThatDoNotFitAreOutOfEveryRange) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  for (const wchar_t* text : {L"4294967296", L"99999999999999999999", L"-2147483649", L"2147483648"}) {
    const std::int32_t value = ArrivalFieldValue(std::nullopt, text);
    EXPECT_EQ(value, kMax);
    EXPECT_GT(value, 59);  // fails the hour, minute and second checks alike
  }
}

TEST(StoredSelection, IndexWithoutEntryShowsFirstEntry) {
  struct Case {
    std::int32_t stored;
    int count, shown;
  };
  for (const Case c : {Case{0, 3, 0}, Case{2, 3, 2}, Case{3, 3, 0}, Case{-1, 3, 0}, Case{6, 7, 6}, Case{7, 7, 0},
                       Case{20, 21, 20}, Case{21, 21, 0}, Case{std::numeric_limits<std::int32_t>::min(), 21, 0},
                       Case{std::numeric_limits<std::int32_t>::max(), 21, 0}}) {
    EXPECT_EQ(StoredSelection(c.stored, c.count), c.shown) << c.stored << " of " << c.count;
  }
}

TEST(NarrowToAscii, KeepsAsciiAndMarksEverythingElse) {
  EXPECT_EQ(NarrowToAscii(L"-500"), "-500");
  EXPECT_EQ(NarrowToAscii(L""), "");
  // An accented letter, a full-width digit and a character whose low byte is
  // '5' must not turn into something a check accepts.
  EXPECT_EQ(NarrowToAscii(L"1\u00e92"), "1?2");
  EXPECT_EQ(NarrowToAscii(L"\uff15"), "?");
  EXPECT_EQ(NarrowToAscii(L"\u0135"), "?");
}

}  // namespace

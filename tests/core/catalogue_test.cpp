#include "core/catalogue.h"

#include <gtest/gtest.h>

namespace menetkalk {
namespace {

TEST(Catalogue, SameNameDoesNotMeanSameUnit) {
  EXPECT_EQ(FindUnit(2, 2)->name, "Felderito");
  EXPECT_EQ(FindUnit(2, 2)->speed, 17);
  EXPECT_EQ(FindUnit(1, 3)->name, "Felderito");
  EXPECT_EQ(FindUnit(1, 3)->speed, 9);
  EXPECT_EQ(FindUnit(0, 6)->name, "Faltoro kos");
  EXPECT_EQ(FindUnit(1, 6)->name, "Faltoro kos");
  EXPECT_EQ(FindUnit(0, 6)->speed, 4);
  EXPECT_EQ(FindUnit(1, 6)->speed, 4);
}

TEST(Catalogue, SpeedsStayWithinThreeToNineteen) {
  int slowest = 100, fastest = 0;
  for (const UnitSpec& unit : UnitCatalogue) {
    slowest = std::min(slowest, unit.speed);
    fastest = std::max(fastest, unit.speed);
  }
  EXPECT_EQ(slowest, 3);
  EXPECT_EQ(fastest, 19);
  EXPECT_EQ(FindUnit(2, 3)->speed, 19);
  for (People p = 0; p < kPeopleCount; ++p) EXPECT_EQ(FindUnit(p, 7)->speed, 3);
}

TEST(Catalogue, NamesInListOrder) {
  EXPECT_EQ(PeopleName(0), "Romai");
  EXPECT_EQ(PeopleName(1), "German");
  EXPECT_EQ(PeopleName(2), "Gall");
  EXPECT_EQ(WeekdayName(0), "Hetfo");
  EXPECT_EQ(WeekdayName(6), "Vasarnap");
}

TEST(Catalogue, IndicesOutsideATableFindNothing) {
  for (int bad : {-1, 3, INT32_MIN, INT32_MAX}) EXPECT_FALSE(PeopleName(bad)) << bad;
  for (int bad : {-1, 7, INT32_MIN}) EXPECT_FALSE(WeekdayName(bad)) << bad;
  EXPECT_FALSE(FindUnit(-1, 0));
  EXPECT_FALSE(FindUnit(0, 9));
  EXPECT_FALSE(FindUnit(0, -1));
}

}  // namespace
}  // namespace menetkalk

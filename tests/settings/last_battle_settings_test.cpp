#include "settings/last_battle_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "settings/memory_profile.h"

namespace menetkalk {
namespace {

constexpr LastBattleSettings kFirstRun{0, 0, 0, 0, 20, 14, 58, 0, 0, 0};

// Every field distinct and away from its default, extremes included.
constexpr LastBattleSettings kSample{-500, 500, std::numeric_limits<std::int32_t>::min(), -1, 23, 59, 1, 2, 6,
                                     std::numeric_limits<std::int32_t>::max()};

TEST(LastBattleSettings, FirstRunValuesComeFromAnEmptyStore) {
  MemoryProfile store;
  EXPECT_EQ(LoadLastBattle(store), kFirstRun);
  EXPECT_EQ(LastBattleSettings{}, kFirstRun);
  EXPECT_EQ(store.StoredCount(), 0u);  // loading writes nothing
}

struct Call {
  std::string kind;
  std::string section;
  std::string entry;
  std::int32_t number;  // the default of a read, the value of a write
  friend bool operator==(const Call&, const Call&) = default;
};

void PrintTo(const Call& c, std::ostream* os) {
  *os << c.kind << '(' << c.section << ", " << c.entry << ", " << c.number << ')';
}

class RecordingProfile : public MemoryProfile {
 public:
  std::int32_t GetProfileInt(std::string_view section, std::string_view entry,
                             std::int32_t defaultValue) override {
    calls.push_back({"get", std::string(section), std::string(entry), defaultValue});
    return MemoryProfile::GetProfileInt(section, entry, defaultValue);
  }
  bool WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) override {
    calls.push_back({"write", std::string(section), std::string(entry), value});
    return MemoryProfile::WriteProfileInt(section, entry, value);
  }
  std::vector<Call> calls;
};

TEST(LastBattleSettings, LoadReadsEachEntryOnceInTableOrderWithItsDefault) {
  RecordingProfile store;
  LoadLastBattle(store);
  const std::vector<Call> expected{
      {"get", "LastBattle", "SajatX", 0}, {"get", "LastBattle", "SajatY", 0},
      {"get", "LastBattle", "CelX", 0},   {"get", "LastBattle", "CelY", 0},
      {"get", "LastBattle", "COra", 20},  {"get", "LastBattle", "CPerc", 14},
      {"get", "LastBattle", "CMasod", 58}, {"get", "LastBattle", "Nep", 0},
      {"get", "LastBattle", "HetNap", 0}, {"get", "LastBattle", "Gyakorlo", 0},
  };
  EXPECT_EQ(store.calls, expected);
}

TEST(LastBattleSettings, SaveWritesEachFieldUnderItsEntryInTableOrder) {
  RecordingProfile store;
  SaveLastBattle(store, kSample);
  const std::vector<Call> expected{
      {"write", "LastBattle", "SajatX", -500},
      {"write", "LastBattle", "SajatY", 500},
      {"write", "LastBattle", "CelX", std::numeric_limits<std::int32_t>::min()},
      {"write", "LastBattle", "CelY", -1},
      {"write", "LastBattle", "COra", 23},
      {"write", "LastBattle", "CPerc", 59},
      {"write", "LastBattle", "CMasod", 1},
      {"write", "LastBattle", "Nep", 2},
      {"write", "LastBattle", "HetNap", 6},
      {"write", "LastBattle", "Gyakorlo", std::numeric_limits<std::int32_t>::max()},
  };
  EXPECT_EQ(store.calls, expected);
}

TEST(LastBattleSettings, SavedRecordLoadsBackUnchanged) {
  MemoryProfile store;
  SaveLastBattle(store, kSample);
  EXPECT_EQ(LoadLastBattle(store), kSample);

  // A second save replaces every value, no stale one survives.
  SaveLastBattle(store, kFirstRun);
  EXPECT_EQ(LoadLastBattle(store), kFirstRun);
  EXPECT_EQ(store.StoredCount(), 10u);
}

TEST(LastBattleSettings, AnEntryThatCannotBeReadFallsBackAloneToItsDefault) {
  const LastBattleSettings defaults;
  for (const LastBattleEntry& e : kLastBattleEntries) {
    SCOPED_TRACE(std::string(e.entry));
    LastBattleSettings expected = kSample;
    expected.*e.field = defaults.*e.field;

    MemoryProfile missing;
    SaveLastBattle(missing, kSample);
    missing.Erase(kLastBattleSection, e.entry);
    EXPECT_EQ(LoadLastBattle(missing), expected);

    MemoryProfile unreadable;
    SaveLastBattle(unreadable, kSample);
    unreadable.FailReads(kLastBattleSection, e.entry);
    EXPECT_EQ(LoadLastBattle(unreadable), expected);
  }
}

TEST(LastBattleSettings, FailedWritesAreSilentAndTheLaterEntriesAreStillWritten) {
  MemoryProfile store;
  SaveLastBattle(store, kFirstRun);
  store.FailWrites(kLastBattleSection, "SajatX");  // the very first write
  store.FailWrites(kLastBattleSection, "CMasod");
  store.FailWrites(kLastBattleSection, "Gyakorlo");  // the last

  SaveLastBattle(store, kSample);

  LastBattleSettings expected = kSample;
  expected.ownX = kFirstRun.ownX;
  expected.arrivalSecond = kFirstRun.arrivalSecond;
  expected.trainingLevel = kFirstRun.trainingLevel;
  EXPECT_EQ(LoadLastBattle(store), expected);
}

TEST(LastBattleSettings, EveryWriteFailingLeavesTheStoreAsItWas) {
  MemoryProfile store;
  for (const LastBattleEntry& e : kLastBattleEntries) store.FailWrites(kLastBattleSection, e.entry);
  SaveLastBattle(store, kSample);
  EXPECT_EQ(store.StoredCount(), 0u);
  EXPECT_EQ(LoadLastBattle(store), kFirstRun);
}

}  // namespace
}  // namespace menetkalk

#include "settings/last_battle_settings.h"

namespace menetkalk {

LastBattleSettings LoadLastBattle(ProfileStore& store) {
  const LastBattleSettings defaults;
  LastBattleSettings loaded;
  for (const LastBattleEntry& e : kLastBattleEntries) {
    loaded.*e.field = store.GetProfileInt(kLastBattleSection, e.entry, defaults.*e.field);
  }
  return loaded;
}

void SaveLastBattle(ProfileStore& store, const LastBattleSettings& settings) {
  for (const LastBattleEntry& e : kLastBattleEntries) {
    static_cast<void>(store.WriteProfileInt(kLastBattleSection, e.entry, settings.*e.field));
  }
}

}  // namespace menetkalk

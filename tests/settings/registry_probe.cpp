// registry_probe <company> [ten values]: loads the last-battle record from
// the registry key its own file name picks, prints it on one line, then
// saves the ten values when they are given.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "settings/last_battle_settings.h"
#include "settings/registry_profile.h"
#include "settings/running_application_name.h"

int wmain(int argc, wchar_t** argv) {
  using namespace menetkalk;
  if (argc != 2 && argc != 2 + static_cast<int>(kLastBattleEntries.size())) return 2;

  RegistryProfile profile(argv[1], RunningApplicationName());
  const LastBattleSettings loaded = LoadLastBattle(profile);
  for (const LastBattleEntry& e : kLastBattleEntries) std::printf("%ld ", static_cast<long>(loaded.*e.field));
  std::printf("\n");

  if (argc == 2) return 0;
  LastBattleSettings toSave;
  int arg = 2;
  for (const LastBattleEntry& e : kLastBattleEntries) {
    toSave.*e.field = static_cast<std::int32_t>(std::wcstol(argv[arg++], nullptr, 10));
  }
  SaveLastBattle(profile, toSave);
  return 0;
}

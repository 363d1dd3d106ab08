// A profile kept in memory, for platforms without the registry and for tests.
// Single entries can be made unreadable or unwritable to act out a store
// that fails part way.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "settings/profile_store.h"

namespace menetkalk {

class MemoryProfile : public ProfileStore {
 public:
  std::int32_t GetProfileInt(std::string_view section, std::string_view entry,
                             std::int32_t defaultValue) override {
    const Key key{section, entry};
    if (unreadable_.contains(key)) return defaultValue;
    const auto found = values_.find(key);
    return found == values_.end() ? defaultValue : found->second;
  }

  bool WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) override {
    Key key{section, entry};
    if (unwritable_.contains(key)) return false;
    values_.insert_or_assign(std::move(key), value);
    return true;
  }

  std::optional<std::int32_t> Stored(std::string_view section, std::string_view entry) const {
    const auto found = values_.find(Key{section, entry});
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  std::size_t StoredCount() const { return values_.size(); }
  void Erase(std::string_view section, std::string_view entry) { values_.erase(Key{section, entry}); }

  void FailReads(std::string_view section, std::string_view entry) { unreadable_.emplace(section, entry); }
  void FailWrites(std::string_view section, std::string_view entry) { unwritable_.emplace(section, entry); }

 private:
  using Key = std::pair<std::string, std::string>;
  std::map<Key, std::int32_t> values_;
  std::set<Key> unreadable_;
  std::set<Key> unwritable_;
};

}  // namespace menetkalk

// Which combo-box entry shows a remembered index.
#pragma once

#include <cstdint>

namespace menetkalk {

// An index with no entry (only a profile edited by hand holds one) shows
// entry 0, so the list always has a selection and the user sees what will
// be calculated.
constexpr int StoredSelection(std::int32_t stored, int entryCount) {
  return stored >= 0 && stored < entryCount ? static_cast<int>(stored) : 0;
}

}  // namespace menetkalk

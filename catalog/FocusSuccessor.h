#pragma once

#include <optional>
#include <string_view>

namespace catalog {

// The year button that receives the keyboard focus after button b of a category: the next button,
// skipping the ones the category never offers and wrapping from its last button to its first. None when
// b is the last button of all or not a button; whether the successor is enabled is for the caller.
std::optional<int> focusSuccessor(std::string_view key, int b);

} // namespace catalog

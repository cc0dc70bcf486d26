#include "catalog/FocusSuccessor.h"

#include "catalog/YearButtons.h"

#include <array>
#include <span>
#include <utility>

namespace catalog {

namespace {

using Jump = std::pair<int, int>;
using Jumps = std::span<const Jump>;

// Where a category leaves buttons out, the focus jumps over them; its last button leads back to its first.
constexpr std::array<Jump, 8> KxJumps{
    {{15, 17}, {19, 21}, {23, 30}, {30, 32}, {33, 35}, {35, 37}, {38, 1}, {45, 1}}};
constexpr std::array<Jump, 2> PeJumps{{{11, 13}, {13, 9}}};
constexpr std::array<Jump, 2> ToJumps{{{16, 18}, {18, 14}}};
constexpr std::array<Jump, 3> OtherJumps{{{22, 24}, {41, 43}, {49, 0}}};

Jumps jumpsOf(std::string_view key) {
    if (key == "kx")
        return KxJumps;
    if (key == "pe")
        return PeJumps;
    if (key == "to")
        return ToJumps;
    return OtherJumps;
}

} // namespace

std::optional<int> focusSuccessor(std::string_view key, int b) {
    if (b < 0 || b >= YearButtonCount)
        return std::nullopt;
    for (const auto& [from, to] : jumpsOf(key)) {
        if (from == b)
            return to;
    }
    if (b + 1 >= YearButtonCount)
        return std::nullopt;
    return b + 1;
}

} // namespace catalog

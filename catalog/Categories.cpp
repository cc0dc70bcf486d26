#include "catalog/Categories.h"

#include <stdexcept>

namespace catalog {

namespace {

constexpr std::array<Category, CategoryCount> AllCategories{{
    {0, "Vantor", "vantor", 0, std::nullopt, "kxpe", " Vantor "},
    {1, "w/KX", "kx", 0, 53, "pekx", " w/KX "},
    {2, "w/Pellion", "pe", 9, 62, "pepe", " w/Pellion "},
    {3, "w/Tolvin", "to", 14, 67, "peto", " w/Tolvin "},
}};

} // namespace

const std::array<Category, CategoryCount>& categories() {
    return AllCategories;
}

const Category& categoryAt(int index) {
    if (index < 0 || index >= CategoryCount)
        throw std::out_of_range("category index out of range");
    return AllCategories[static_cast<std::size_t>(index)];
}

const Category* findCategory(std::string_view key) {
    for (const Category& category : AllCategories) {
        if (category.key == key)
            return &category;
    }
    return nullptr;
}

const Category& displayCategory(std::string_view key) {
    const Category* found = findCategory(key);
    return found ? *found : AllCategories[0];
}

} // namespace catalog

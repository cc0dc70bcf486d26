#include "catalog/YearEnabling.h"

#include "catalog/AdNaming.h"
#include "catalog/Categories.h"
#include "catalog/FolderFiles.h"

namespace catalog {

namespace {

constexpr int DefaultFirstProbeYear = 53;

int firstProbeYear(std::string_view key) {
    const Category* category = findCategory(key);
    if (category && category->firstProbeYear)
        return *category->firstProbeYear;
    return DefaultFirstProbeYear;
}

// 1983 has no button, so later years sit one place further left.
int buttonOfYearNumber(int yearNumber) {
    return yearNumber <= 82 ? yearNumber - 53 : yearNumber - 54;
}

} // namespace

std::array<bool, YearButtonCount> enabledYearButtons(std::string_view key, const std::string& adRoot,
                                                     const FileLister& lister) {
    std::array<bool, YearButtonCount> enabled{};
    if (key == "vantor") {
        enabled.fill(true);
        return enabled;
    }

    const FolderFiles files(adRoot + std::string(AdsFolder), lister);
    const int first = firstProbeYear(key);
    for (int i = 0; i < YearButtonCount; ++i) {
        const int yearNumber = first + i;
        const std::string firstAdName = std::to_string(yearNumber) + "pe" + std::string(key) + "00.jpg";
        const int button = buttonOfYearNumber(yearNumber);
        if (button >= 0 && button < YearButtonCount && files.contains(firstAdName))
            enabled[static_cast<std::size_t>(button)] = true;
    }
    return enabled;
}

} // namespace catalog

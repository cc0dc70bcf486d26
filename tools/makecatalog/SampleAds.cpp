#include "tools/makecatalog/SampleCatalog.h"

#include <array>
#include <initializer_list>

namespace samplecatalog {

namespace {

struct Category {
    const char* part;
    const char* word;
};

constexpr std::array<Category, 4> categories{{
    {"kxpe", "Vantor"},
    {"pekx", "w/KX"},
    {"pepe", "w/Pellion"},
    {"peto", "w/Tolvin"},
}};

// One year of one category: its year characters and the numbers of its ads.
struct YearAds {
    QString yearText;
    QList<int> numbers;
};

constexpr int normalWidth = 1100;
constexpr int normalHeight = 1450;

struct SpecialSize {
    const char* fileName;
    int width;
    int height;
};

// Most scans are of one size; these few differ so that the zoom, scroll and print paths see both larger and
// smaller pictures than the view, and one page that is wider than it is high.
constexpr std::array<SpecialSize, 7> specialSizes{{
    {"59kxpe00.jpg", 2400, 3200},
    {"63kxpe00.jpg", 1600, 2100},
    {"70kxpe100.jpg", 1600, 2100},
    {"76pekx00.jpg", 1600, 2100},
    {"62pepe00.jpg", 1600, 2100},
    {"61kxpe00.jpg", 1600, 1200},
    {"54kxpe00.jpg", 600, 800},
}};

QString twoDigits(int year) {
    return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0'));
}

QList<YearAds> singleAdYears(std::initializer_list<int> years) {
    QList<YearAds> result;
    for (const int year : years)
        result.append({twoDigits(year), {0}});
    return result;
}

QList<YearAds> vantorYears() {
    QList<YearAds> result;
    for (int year = 1953; year <= 2001; ++year) {
        // 1983 has no button; in 1976 and 1996 the car was not advertised on its own.
        if (year == 1976 || year == 1983 || year == 1996)
            continue;
        switch (year) {
        case 1963:
            result.append({twoDigits(year), {0, 1, 2}});
            break;
        case 1965:
            result.append({twoDigits(year), {0, 2}});
            break;
        case 1968:
            result.append({twoDigits(year), {0, 1, 3}});
            break;
        case 1970:
            result.append({twoDigits(year), {0, 1, 100}});
            break;
        default:
            result.append({twoDigits(year), {0}});
        }
    }
    result.append({QStringLiteral("ZX"), {0, 1}});
    result.append({QStringLiteral("Re"), {0}});
    return result;
}

QList<YearAds> kxYears() {
    // The years 2000 and 2001 are left out: the viewer probes them as 100pekx00.jpg and 101pekx00.jpg, a
    // name that no ad of the CD carries.
    QList<YearAds> result = singleAdYears({1953, 1954, 1955, 1957, 1960});
    result.append({twoDigits(1963), {0, 1}});
    result.append(
        singleAdYears({1965, 1968, 1970, 1972, 1974, 1976, 1979, 1982, 1984, 1986, 1988, 1992, 1995, 1999}));
    return result;
}

QList<YearAds> pellionYears() {
    QList<YearAds> result = singleAdYears({1962, 1963});
    result.append({twoDigits(1964), {0, 1}});
    result.append(singleAdYears({1966, 1967, 1969, 1972, 1975, 1980, 1985, 1990, 1997}));
    return result;
}

QList<YearAds> tolvinYears() {
    QList<YearAds> result = singleAdYears({1967, 1968, 1970});
    result.append({twoDigits(1971), {0, 1}});
    result.append(singleAdYears({1973, 1978, 1986, 1993, 1998}));
    return result;
}

const Category* categoryOf(const AdPage& ad) {
    for (const Category& category : categories) {
        if (ad.categoryPart == QLatin1String(category.part))
            return &category;
    }
    return nullptr;
}

} // namespace

QList<AdPage> sampleAds() {
    const std::array<QList<YearAds>, 4> yearsByCategory{vantorYears(), kxYears(), pellionYears(),
                                                        tolvinYears()};
    QList<AdPage> ads;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        for (const YearAds& year : yearsByCategory[c]) {
            for (const int number : year.numbers) {
                AdPage ad{year.yearText, QLatin1String(categories[c].part), number, normalWidth,
                          normalHeight};
                const QString name = fileNameOf(ad);
                for (const SpecialSize& special : specialSizes) {
                    if (name == QLatin1String(special.fileName)) {
                        ad.width = special.width;
                        ad.height = special.height;
                    }
                }
                ads.append(ad);
            }
        }
    }
    return ads;
}

QString fileNameOf(const AdPage& ad) {
    const QString number = ad.number < 10 ? QStringLiteral("0%1").arg(ad.number) : QString::number(ad.number);
    return ad.yearText + ad.categoryPart + number + QStringLiteral(".jpg");
}

QString yearCaptionOf(const AdPage& ad) {
    if (ad.yearText == QLatin1String("Re"))
        return QStringLiteral("Related");
    bool isNumber = false;
    const int twoDigitYear = ad.yearText.toInt(&isNumber);
    if (!isNumber)
        return ad.yearText;
    // The catalog starts in 1953, so the low numbers belong to the new century.
    return QString::number(twoDigitYear >= 53 ? 1900 + twoDigitYear : 2000 + twoDigitYear);
}

QString categoryWordOf(const AdPage& ad) {
    const Category* category = categoryOf(ad);
    return category ? QLatin1String(category->word) : ad.categoryPart;
}

QString labelOf(const AdPage& ad) {
    return yearCaptionOf(ad) + QLatin1Char('\n') + categoryWordOf(ad) + QLatin1Char('\n') +
           QStringLiteral("No. %1").arg(ad.number, 2, 10, QLatin1Char('0')) + QLatin1Char('\n') +
           fileNameOf(ad);
}

QColor colourOf(const AdPage& ad) {
    bool isNumber = false;
    int yearKey = ad.yearText.toInt(&isNumber);
    if (!isNumber)
        yearKey = ad.yearText == QLatin1String("ZX") ? 100 : 101;
    int categoryKey = 0;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        if (ad.categoryPart == QLatin1String(categories[c].part))
            categoryKey = static_cast<int>(c);
    }
    // Steps that share no factor with 360 keep neighbouring years and numbers far apart on the colour wheel.
    const int hue = (yearKey * 37 + categoryKey * 91 + ad.number * 53) % 360;
    return QColor::fromHsv(hue, 210, 165);
}

} // namespace samplecatalog

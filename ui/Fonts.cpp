#include "ui/Fonts.h"

#include <QStringList>

namespace ui {
namespace {

QFont makeFont(const QString& family, const QStringList& fallbacks, qreal pointSize, bool bold, bool italic) {
    QFont font(family);
    font.setFamilies(QStringList{family} + fallbacks);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont msSansSerif(qreal pointSize, bool bold, bool italic) {
    return makeFont(QStringLiteral("Liberation Sans"), {QStringLiteral("DejaVu Sans")}, pointSize, bold,
                    italic);
}

QFont arial(qreal pointSize, bool bold, bool italic) {
    return makeFont(QStringLiteral("Liberation Sans"),
                    {QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}, pointSize, bold, italic);
}

QFont arialNarrow(qreal pointSize, bool bold, bool italic) {
    return makeFont(QStringLiteral("Liberation Sans Narrow"),
                    {QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed")}, pointSize,
                    bold, italic);
}

} // namespace ui

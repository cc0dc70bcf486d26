#pragma once

#include "rtf/RtfState.h"
#include "rtf/RtfTableBuilder.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <unordered_map>

namespace rtf {

struct Font {
    QString name;
    int codePage = 0;
    QFont::StyleHint hint = QFont::AnyStyle;
};

using FontTable = std::unordered_map<int, Font>;

// The Qt formats for the character and paragraph states of RTF; lengths become pixels at 15 twips each.
QTextCharFormat toCharFormat(const CharState& chr, const FontTable& fonts, int defaultFont,
                             const ColourTable& colours);
QTextBlockFormat toBlockFormat(const ParaState& para, bool pageBreakBefore);

// The target of a HYPERLINK field instruction ("#name" for a \l bookmark), or empty for other fields.
QString hyperlinkTarget(const QString& instruction);

} // namespace rtf

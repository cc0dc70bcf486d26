#include "rtf/RtfFormats.h"

#include "rtf/RtfReader.h"

#include <QRegularExpression>

#include <algorithm>

namespace rtf {

namespace {

double pixels(int twips) {
    return std::clamp(twips, -MaxTwips, MaxTwips) / TwipsPerPixel;
}

} // namespace

QTextCharFormat toCharFormat(const CharState& chr, const FontTable& fonts, int defaultFont,
                             const ColourTable& colours) {
    QTextCharFormat format;
    const auto font = fonts.find(chr.font >= 0 ? chr.font : defaultFont);
    if (font != fonts.end() && !font->second.name.isEmpty()) {
        format.setFontFamilies({font->second.name});
        if (font->second.hint != QFont::AnyStyle)
            format.setFontStyleHint(font->second.hint);
    }
    format.setFontPointSize(chr.halfPoints / 2.0);
    if (chr.bold)
        format.setFontWeight(QFont::Bold);
    if (chr.italic)
        format.setFontItalic(true);
    if (chr.underline)
        format.setFontUnderline(true);
    if (chr.strike)
        format.setFontStrikeOut(true);
    if (chr.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chr.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chr.vertical == VerticalPosition::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chr.vertical == VerticalPosition::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const auto colour = [&colours](int index) -> std::optional<QColor> {
        if (index < 0 || index >= static_cast<int>(colours.size()))
            return std::nullopt;
        return colours[static_cast<std::size_t>(index)];
    };
    if (const auto foreground = colour(chr.foreground))
        format.setForeground(*foreground);
    if (const auto background = colour(chr.background))
        format.setBackground(*background);
    if (!chr.href.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(chr.href);
    }
    return format;
}

QTextBlockFormat toBlockFormat(const ParaState& para, bool pageBreakBefore) {
    QTextBlockFormat format;
    switch (para.alignment) {
    case Alignment::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    format.setLeftMargin(std::max(0.0, pixels(para.leftIndent)));
    format.setRightMargin(std::max(0.0, pixels(para.rightIndent)));
    format.setTextIndent(pixels(para.firstIndent));
    format.setTopMargin(std::max(0.0, pixels(para.spaceBefore)));
    format.setBottomMargin(std::max(0.0, pixels(para.spaceAfter)));
    if (para.lineSpacing != 0) {
        if (para.lineSpacingMultiple && para.lineSpacing > 0)
            format.setLineHeight(std::clamp(para.lineSpacing * 100.0 / 240.0, 50.0, 500.0),
                                 QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(pixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(pixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    // RTF measures tab stops from the page margin, Qt from where the paragraph's first line starts.
    QList<QTextOption::Tab> tabs;
    if (para.tabs) {
        for (const TabStop& stop : *para.tabs) {
            if (stop.position < 0)
                continue;
            QTextOption::Tab tab;
            tab.position = pixels(stop.position - para.leftIndent - para.firstIndent);
            tab.type = stop.kind == TabStop::Right     ? QTextOption::RightTab
                       : stop.kind == TabStop::Center  ? QTextOption::CenterTab
                       : stop.kind == TabStop::Decimal ? QTextOption::DelimiterTab
                                                       : QTextOption::LeftTab;
            if (stop.kind == TabStop::Decimal)
                tab.delimiter = QLatin1Char('.');
            if (tab.position > 0)
                tabs.append(tab);
        }
    }
    // A hanging indent stops a tab at the indent itself, which is how list bullets line up their text.
    const double hanging = pixels(-para.firstIndent);
    if (para.firstIndent < 0 &&
        std::none_of(tabs.cbegin(), tabs.cend(),
                     [hanging](const QTextOption::Tab& tab) { return tab.position <= hanging; }))
        tabs.prepend(QTextOption::Tab(hanging, QTextOption::LeftTab));
    if (!tabs.isEmpty()) {
        std::sort(tabs.begin(), tabs.end(),
                  [](const auto& a, const auto& b) { return a.position < b.position; });
        format.setTabPositions(tabs);
    }
    if (pageBreakBefore || para.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

QString hyperlinkTarget(const QString& instruction) {
    static const QRegularExpression argument(QStringLiteral(R"re("([^"]*)"|(\\[A-Za-z*])|(\S+))re"));
    auto it = argument.globalMatch(instruction);
    if (!it.hasNext() || it.next().captured(0).compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0)
        return {};
    QString url;
    QString bookmark;
    bool nextIsBookmark = false;
    bool skipNext = false;
    while (it.hasNext()) {
        const auto match = it.next();
        if (!match.captured(2).isEmpty()) {
            const QString flag = match.captured(2);
            nextIsBookmark = flag == QLatin1String("\\l");
            skipNext = !nextIsBookmark && flag != QLatin1String("\\n") && flag != QLatin1String("\\h");
            continue;
        }
        const QString value = match.captured(1).isNull() ? match.captured(3) : match.captured(1);
        if (nextIsBookmark)
            bookmark = value;
        else if (!skipNext && url.isEmpty())
            url = value;
        nextIsBookmark = false;
        skipNext = false;
    }
    if (!bookmark.isEmpty())
        url += QLatin1Char('#') + bookmark;
    return url;
}

} // namespace rtf

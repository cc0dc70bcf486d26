#include "tools/makecatalog/SampleCatalog.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace samplecatalog {

namespace {

// Large enough for any scan of a magazine page, small enough that a wrong argument cannot ask for gigabytes.
constexpr int maxSide = 8000;
constexpr int jpegQuality = 85;

const QColor paper(246, 240, 226);
const QColor ink(40, 36, 32);
const QColor greyCopy(150, 144, 136);

void setError(QString* error, const QString& message) {
    if (error)
        *error = message;
}

// A tiny generator of our own: std's distributions and qHash differ between builds or runs, and the pages
// must come out the same every time.
class PageNoise {
public:
    explicit PageNoise(const QString& seedText) {
        for (const QChar c : seedText)
            state = (state ^ c.unicode()) * 1099511628211ULL;
    }
    int below(int limit) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(limit));
    }

private:
    std::uint64_t state = 14695981039346656037ULL;
};

// The largest bold font that fits the text into the box.
QFont fittedFont(const QString& text, qreal boxWidth, qreal boxHeight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    int pixelSize = std::max(6, static_cast<int>(boxHeight * 0.8));
    font.setPixelSize(pixelSize);
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > boxWidth && advance > 0) {
        pixelSize = std::max(6, static_cast<int>(pixelSize * boxWidth / advance));
        font.setPixelSize(pixelSize);
    }
    return font;
}

void drawLabel(QPainter& painter, const QStringList& lines, const QRectF& area, const QColor& colour) {
    qreal top = area.top();
    for (int i = 0; i < lines.size(); ++i) {
        // The first line names the year and must stay readable when the page is shown a quarter of its size.
        const qreal lineHeight =
            area.height() * (i == 0 ? 0.4 : 0.6 / std::max<qsizetype>(1, lines.size() - 1));
        const QRectF box(area.left(), top, area.width(), lineHeight);
        const QFont font = fittedFont(lines[i], box.width(), box.height());
        // Glyphs drawn as outlines: Qt's glyph cache renders text slightly differently depending on what was
        // drawn before, and the same page must give the same file whatever was written earlier.
        QPainterPath text;
        text.addText(0, 0, font, lines[i]);
        const QFontMetricsF metrics(font);
        const qreal baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
        text.translate(box.center().x() - metrics.horizontalAdvance(lines[i]) / 2, baseline);
        painter.fillPath(text, i == 0 ? colour : (i == 1 ? colour.darker(140) : ink));
        top += lineHeight;
    }
}

void drawPhoto(QPainter& painter, const QRectF& frame, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.lighter(170));
    painter.drawRect(frame);
    painter.setBrush(colour.lighter(130));
    painter.drawRect(
        QRectF(frame.left(), frame.top() + frame.height() * 0.7, frame.width(), frame.height() * 0.3));

    // A car in profile, in the ad's colour: body, cabin and two wheels.
    const qreal w = frame.width();
    const qreal h = frame.height();
    const QRectF body(frame.left() + w * 0.15, frame.top() + h * 0.45, w * 0.7, h * 0.22);
    QPainterPath cabin;
    cabin.moveTo(body.left() + body.width() * 0.22, body.top());
    cabin.lineTo(body.left() + body.width() * 0.35, body.top() - h * 0.16);
    cabin.lineTo(body.left() + body.width() * 0.68, body.top() - h * 0.16);
    cabin.lineTo(body.left() + body.width() * 0.82, body.top());
    cabin.closeSubpath();
    painter.setBrush(colour);
    painter.drawRoundedRect(body, body.height() * 0.3, body.height() * 0.3);
    painter.drawPath(cabin);
    painter.setBrush(ink);
    const qreal wheel = h * 0.09;
    painter.drawEllipse(QPointF(body.left() + body.width() * 0.22, body.bottom()), wheel, wheel);
    painter.drawEllipse(QPointF(body.left() + body.width() * 0.78, body.bottom()), wheel, wheel);
}

// Grey bars standing for the printed text of the ad, in two columns.
void drawCopy(QPainter& painter, const QRectF& area, PageNoise& noise) {
    const qreal gap = area.width() * 0.05;
    const qreal columnWidth = (area.width() - gap) / 2;
    const qreal lineHeight = std::max<qreal>(4, area.height() / 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(greyCopy);
    for (int column = 0; column < 2; ++column) {
        const qreal left = area.left() + column * (columnWidth + gap);
        for (qreal top = area.top(); top + lineHeight <= area.bottom(); top += lineHeight) {
            const int percent = noise.below(10) == 0 ? 0 : 55 + noise.below(46);
            painter.drawRect(QRectF(left, top, columnWidth * percent / 100, lineHeight * 0.45));
        }
    }
}

} // namespace

bool writeAdJpeg(const QString& path, int width, int height, const QString& label, QColor colour,
                 QString* error) {
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) {
        setError(error, QStringLiteral("Page size %1 x %2 is out of range").arg(width).arg(height));
        return false;
    }
    QImage page(width, height, QImage::Format_RGB32);
    if (page.isNull()) {
        setError(error, QStringLiteral("Not enough memory for a page of %1 x %2").arg(width).arg(height));
        return false;
    }
    page.fill(paper);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);

        const qreal side = std::min(width, height);
        const qreal margin = side * 0.04;
        const QRectF inner(margin, margin, width - 2 * margin, height - 2 * margin);
        painter.setPen(QPen(colour, std::max<qreal>(2, side * 0.012)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner);

        const QRectF band(inner.left(), inner.top(), inner.width(), inner.height() * 0.05);
        painter.fillRect(band, colour);

        const qreal pad = side * 0.03;
        const QRectF content = inner.adjusted(pad, band.height() + pad, -pad, -pad);
        const QRectF labelArea(content.left(), content.top(), content.width(), content.height() * 0.36);
        drawLabel(painter, label.split(QLatin1Char('\n')), labelArea, colour);

        const QRectF photo(content.left(), labelArea.bottom() + pad, content.width(),
                           content.height() * 0.34);
        drawPhoto(painter, photo, colour);

        PageNoise noise(label);
        const QRectF copy(content.left(), photo.bottom() + pad, content.width(),
                          content.bottom() - photo.bottom() - pad);
        drawCopy(painter, copy, noise);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()));
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(jpegQuality);
    if (!writer.write(page)) {
        setError(error, QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
        return false;
    }
    if (!file.commit()) {
        setError(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace samplecatalog

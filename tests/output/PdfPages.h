#pragma once

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What poppler's tools read from a printed PDF: page count, words with their places (points from the
// paper's top-left corner), embedded pictures, and a page rendered as a picture.
namespace pdf {

inline QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pageCount(const QString& file) {
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(run(QStringLiteral("pdfinfo"), {file}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

inline QString text(const QString& file, int page) {
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                             QStringLiteral("-layout"), file, QStringLiteral("-")});
}

struct Word {
    QString text;
    QRectF box;
};

// The words of one page in reading order.
inline QList<Word> words(const QString& file, int page) {
    const QString number = QString::number(page);
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                          QStringLiteral("-l"), number, file, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> found;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        found.append({w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                            QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    }
    return found;
}

struct Picture {
    int width = 0;
    int height = 0;
    int xPpi = 0;
    int yPpi = 0;
};

inline QList<Picture> pictures(const QString& file) {
    QList<Picture> found;
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        if (f.size() >= 14 && f[2] == QLatin1String("image"))
            found.append({f[3].toInt(), f[4].toInt(), f[12].toInt(), f[13].toInt()});
    }
    return found;
}

// One page rendered at a resolution, the whole sheet from its top-left corner.
inline QImage render(const QString& file, int page, int dpi) {
    const QString number = QString::number(page);
    const QString stem = file + QStringLiteral(".page");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-f"), number, QStringLiteral("-l"), number, QStringLiteral("-r"),
         QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"), file, stem});
    return QImage(stem + QStringLiteral(".png"));
}

} // namespace pdf

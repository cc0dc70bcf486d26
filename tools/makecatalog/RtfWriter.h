#pragma once

// Just enough of RTF 1.x to write the catalog's documents by hand: paragraphs with bold and italic runs,
// headings, bordered tables and page breaks, all in plain ASCII.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace samplecatalog::rtf {

// The text as RTF: control characters escaped, Windows-1252 characters as \'hh, anything else as \uN?.
QByteArray escape(const QString& text);

QByteArray bold(const QString& text);
QByteArray italic(const QString& text);

class Document {
public:
    // Letter paper with one-inch margins, Arial as the body font at 10 points.
    Document();

    void heading(const QString& text);
    void subheading(const QString& text);
    // Runs are already escaped: plain text through escape(), or bold() and italic().
    void paragraph(std::initializer_list<QByteArray> runs);
    // A form line: the label, then a line of underscores to fill in by hand.
    void field(const QString& label, int underscores);
    // One row of a bordered table; widths are the cells' widths in twips.
    void tableRow(const QStringList& cells, const QList<int>& widths, bool header = false);
    void pageBreak();

    QByteArray finish();

private:
    QByteArray text;
};

} // namespace samplecatalog::rtf

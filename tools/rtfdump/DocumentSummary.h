#pragma once

#include <QString>

class QTextDocument;

// What rtfdump reports about a document besides its text.
struct DocumentSummary {
    int paragraphs = 0;
    int tables = 0;
    int pictures = 0;
    int links = 0;
    int pages = 0;
};

// Counts the parts of document; pages are counted as laid out on A4 paper with one-inch margins, which
// changes the document's page size.
DocumentSummary summarize(QTextDocument& document);

QString summaryLine(const DocumentSummary& summary);

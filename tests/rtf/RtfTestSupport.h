#pragma once

#include "rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <memory>

// Reads RTF text given in the test and fails loudly when the reader refuses it.
inline std::unique_ptr<QTextDocument> readDocument(const QByteArray& rtf) {
    rtf::RtfLoadResult result = rtf::readRtf(rtf);
    return std::move(result.document);
}

// The character format of the first character of the first occurrence of text.
inline QTextCharFormat formatOf(QTextDocument& document, const QString& text) {
    QTextCursor found = document.find(text);
    if (found.isNull())
        return {};
    QTextCursor at(&document);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

inline QTextBlock blockOf(QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    return found.isNull() ? QTextBlock() : found.block();
}

inline QList<QTextTable*> tablesOf(QTextDocument& document) {
    QList<QTextTable*> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.append(table);
    return tables;
}

inline QString cellText(QTextTable* table, int row, int column) {
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

struct ImageAt {
    QTextImageFormat format;
    QImage image;
};

// One entry per picture; equal pictures side by side share one fragment of the document.
inline QList<ImageAt> imagesOf(QTextDocument& document) {
    QList<ImageAt> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
                const QImage image =
                    document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
                for (int i = 0; i < it.fragment().length(); ++i)
                    images.append({format, image});
            }
    return images;
}

#include "ui/RichTextBox.h"

#include <QFileInfo>

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setUndoRedoEnabled(false);
    setAccessibleName(tr("Document"));
    setAccessibleDescription(tr("No document loaded"));
}

rtf::RtfError RichTextBox::loadFile(const QString& path, QString* error) {
    rtf::RtfLoadResult result = rtf::readRtfFile(path);
    if (!result.ok()) {
        if (error)
            *error = rtf::describeRtfError(result.error);
        return result.error;
    }
    // QTextEdit deletes only the document it made itself; the ones loaded here are ours to delete.
    QTextDocument* previous = document()->parent() == this ? document() : nullptr;
    QTextDocument* loaded = result.document.release();
    loaded->setParent(this);
    setDocument(loaded);
    delete previous;
    pageSetup_ = result.pageSetup;
    fileName_ = path;
    setAccessibleDescription(QFileInfo(path).fileName());
    if (error)
        error->clear();
    return rtf::RtfError::None;
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

#include "ui/RichTextBox.h"

#include <QEventLoop>
#include <QThread>

#include <thread>

namespace {

// A large genuine document takes a noticeable time to read and build. It is built on a thread of its own
// while the windows keep painting; user input waits, as it does during any load.
rtf::RtfLoadResult readWhilePainting(const QByteArray& rtf) {
    rtf::RtfLoadResult result;
    QEventLoop waiting;
    QThread* const home = QThread::currentThread();
    std::thread reader([&] {
        result = rtf::readRtf(rtf);
        if (result.document)
            result.document->moveToThread(home);
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    reader.join();
    return result;
}

} // namespace

namespace ui {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setUndoRedoEnabled(false);
    setAccessibleName(tr("Document"));
    setAccessibleDescription(tr("No document loaded"));
}

rtf::RtfError RichTextBox::load(const QByteArray& rtf, const QString& name) {
    rtf::RtfLoadResult result = readWhilePainting(rtf);
    if (!result.ok())
        return result.error;
    showLoaded(std::move(result), name);
    fileName_ = name;
    return rtf::RtfError::None;
}

void RichTextBox::showLoaded(rtf::RtfLoadResult loaded, const QString& name) {
    // QTextEdit deletes only the document it made itself; the ones loaded here are ours to delete.
    QTextDocument* previous = document()->parent() == this ? document() : nullptr;
    QTextDocument* document = loaded.document.release();
    document->setParent(this);
    setDocument(document);
    delete previous;
    setAccessibleDescription(name);
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace ui

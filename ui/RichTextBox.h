#pragma once

#include "rtf/RtfReader.h"

#include <QTextEdit>

namespace ui {

// The read-only rich-text box of the document window: it shows an RTF document the window has read. Nothing
// typed into it could ever be saved, so it accepts no typing at all.
class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Replaces the content with the document's; name tells screen readers what is shown. On failure the
    // content stays as it was and the result says why.
    rtf::RtfError load(const QByteArray& rtf, const QString& name);

    QString text() const { return toPlainText(); }
    QString fileName() const { return fileName_; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showLoaded(rtf::RtfLoadResult loaded, const QString& name);

    QString fileName_;
};

} // namespace ui

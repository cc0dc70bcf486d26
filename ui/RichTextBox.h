#pragma once

#include "rtf/RtfReader.h"

#include <QTextEdit>

namespace ui {

// The read-only rich-text box of the document window: it loads an RTF file by its path and shows it.
// Nothing typed into it could ever be saved, so it accepts no typing at all.
class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Replaces the content with the file's. On failure the content stays as it was, the result says why
    // and error (when given) receives a sentence for the user.
    rtf::RtfError loadFile(const QString& path, QString* error = nullptr);
    // The same for a document already read into memory; name tells screen readers what is shown.
    rtf::RtfError load(const QByteArray& rtf, const QString& name);

    QString text() const { return toPlainText(); }
    QString fileName() const { return fileName_; }
    // The page set-up the loaded document asks for; the printing code decides what to do with it.
    const rtf::RtfPageSetup& pageSetup() const { return pageSetup_; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showLoaded(rtf::RtfLoadResult loaded, const QString& name);

    rtf::RtfPageSetup pageSetup_;
    QString fileName_;
};

} // namespace ui

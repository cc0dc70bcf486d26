#pragma once

#include <QDialog>

namespace ui {

class RichTextBox;
class SSCommand;

// The document window as designed: a fixed-size tool window with the document, an OK button and a print
// button. Closing it in any way (OK, the close box, Escape) deletes it; it has no other behaviour.
class TxtForm : public QDialog {
    Q_OBJECT
public:
    explicit TxtForm(QWidget* parent = nullptr);

    RichTextBox* rtbText;
    SSCommand* SSCommand1; // "OK"
    SSCommand* cmdprint;
};

} // namespace ui

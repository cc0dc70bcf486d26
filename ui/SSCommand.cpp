#include "ui/SSCommand.h"

#include "ui/KeyCodes.h"

#include <QKeyEvent>
#include <QPixmap>

namespace ui {

SSCommand::SSCommand(const QString& caption, QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setCaption(caption);
}

void SSCommand::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption);
    showCaption();
}

void SSCommand::setCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, colour);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, colour.lighter(220));
    setPalette(p);
}

void SSCommand::setPicture(const QImage& picture) {
    setIcon(QIcon(QPixmap::fromImage(picture)));
    setIconSize(picture.size());
    showCaption();
}

void SSCommand::showCaption() {
    // A button's face shows either its picture or its caption, never both.
    setText(icon().isNull() ? caption_ : QString());
}

void SSCommand::keyPressEvent(QKeyEvent* event) {
    if (const int code = programKeyCode(event->key()); code != 0)
        emit keyDown(code);
    QPushButton::keyPressEvent(event);
}

} // namespace ui

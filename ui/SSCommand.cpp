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
    // A disabled caption keeps a hint of its colour but fades towards the face, as every disabled
    // caption does; a merely lighter colour would look brighter than an enabled one.
    const QColor face = p.color(QPalette::Active, QPalette::Button);
    p.setColor(QPalette::Disabled, QPalette::ButtonText,
               QColor((colour.red() * 2 + face.red() * 3) / 5, (colour.green() * 2 + face.green() * 3) / 5,
                      (colour.blue() * 2 + face.blue() * 3) / 5));
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
    if (!reportsKeys_) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // The handler may move the focus on; a button pressed by the same key would then stay drawn down.
    emit keyDown(programKeyCode(event->key()));
}

} // namespace ui

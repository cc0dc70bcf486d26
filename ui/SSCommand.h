#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

namespace ui {

// 3-D push button. Its caption is also its accessible name, so a picture button still has a readable
// name; key presses are reported with the program's key codes before the button handles them itself.
class SSCommand : public QPushButton {
    Q_OBJECT
public:
    explicit SSCommand(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    QColor captionColour() const { return captionColour_; }
    void setCaptionColour(const QColor& colour);

    // A picture replaces the caption on the face; the caption stays the accessible name.
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !icon().isNull(); }

signals:
    void keyDown(int keyCode);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCaption();

    QString caption_;
    QColor captionColour_ = Qt::black;
};

} // namespace ui

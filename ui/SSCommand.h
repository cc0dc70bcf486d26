#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

namespace ui {

// 3-D push button. Its caption is also its accessible name, so a picture button still has a readable
// name.
class SSCommand : public QPushButton {
    Q_OBJECT
public:
    explicit SSCommand(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    QColor captionColour() const { return captionColour_; }
    void setCaptionColour(const QColor& colour);

    // A button that reports its keys (a year button) hands every key press to its key-down handler, keys
    // without a code of their own included, and does not press itself on Space.
    void setReportsKeys(bool reports) { reportsKeys_ = reports; }

    // A picture replaces the caption on the face; the caption stays the accessible name.
    void setPicture(const QImage& picture);

signals:
    void keyDown(int keyCode);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCaption();

    QString caption_;
    QColor captionColour_ = Qt::black;
    bool reportsKeys_ = false;
};

} // namespace ui

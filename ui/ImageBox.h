#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace ui {

// Image control: shows its picture stretched to its own size. The stretched copy is made once per picture
// and size, with smooth filtering, so painting stays cheap however large the scan is.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

signals:
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QPixmap& stretched();

    QImage picture_;
    QPixmap stretched_;
    qint64 stretchedKey_ = 0;
};

} // namespace ui

#include "ui/Artwork.h"

#include "ui/Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ui::artwork {
namespace {

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A two-door coupe in profile, fitted into the given rectangle.
void drawCar(QPainter& p, const QRectF& box, const QColor& body) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 200.0, box.height() / 80.0);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shell;
    shell.moveTo(6, 58);
    shell.cubicTo(6, 44, 18, 40, 40, 38);
    shell.cubicTo(60, 20, 80, 14, 110, 14);
    shell.cubicTo(134, 14, 148, 26, 162, 36);
    shell.cubicTo(184, 38, 196, 44, 196, 58);
    shell.lineTo(6, 58);
    QLinearGradient paint(0, 14, 0, 60);
    paint.setColorAt(0, body.lighter(150));
    paint.setColorAt(1, body.darker(140));
    p.setPen(QPen(body.darker(200), 1.2));
    p.setBrush(paint);
    p.drawPath(shell);

    QPainterPath glass;
    glass.moveTo(52, 38);
    glass.cubicTo(66, 24, 82, 19, 106, 19);
    glass.cubicTo(126, 19, 138, 28, 150, 37);
    glass.closeSubpath();
    p.setBrush(QColor(190, 215, 235));
    p.drawPath(glass);
    p.drawLine(QPointF(104, 19), QPointF(102, 38));

    p.setBrush(QColor(30, 30, 30));
    for (double x : {44.0, 156.0}) {
        p.drawEllipse(QPointF(x, 58), 13, 13);
        p.setBrush(QColor(200, 200, 205));
        p.drawEllipse(QPointF(x, 58), 6, 6);
        p.setBrush(QColor(30, 30, 30));
    }
    p.restore();
}

void drawEmblem(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(box.center() - QPointF(box.width() / 6, box.height() / 6), box.width() / 1.5);
    shine.setColorAt(0, colour.lighter(170));
    shine.setColorAt(1, colour.darker(130));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(shine);
    p.drawEllipse(box);
    p.setPen(Qt::white);
    QFont font = arial(10, true);
    font.setPixelSize(int(box.height() * 0.55));
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("V"));
    p.restore();
}

} // namespace

QImage splashCover() {
    QImage image = canvas(600, 363, QColor(20, 30, 60));
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 363);
    sky.setColorAt(0, QColor(25, 40, 90));
    sky.setColorAt(0.6, QColor(200, 120, 70));
    sky.setColorAt(1, QColor(60, 50, 50));
    p.fillRect(image.rect(), sky);
    p.fillRect(QRect(0, 290, 600, 73), QColor(45, 45, 50));
    p.setPen(QPen(QColor(230, 210, 120), 3, Qt::DashLine));
    p.drawLine(0, 330, 600, 330);
    drawCar(p, QRectF(110, 150, 380, 152), QColor(170, 20, 30));
    p.setPen(QColor(250, 240, 220));
    p.setFont(arial(26, true, true));
    p.drawText(QRect(0, 24, 600, 50), Qt::AlignCenter, QStringLiteral("Vantor Ads"));
    p.setFont(arial(13, false, true));
    p.drawText(QRect(0, 74, 600, 30), Qt::AlignCenter, QStringLiteral("The Marketing of Roadmark"));
    return image;
}

QImage openingCollage() {
    QImage image = canvas(475, 555, QColor(235, 228, 210));
    QPainter p(&image);
    const QColor colours[] = {QColor(160, 20, 30),  QColor(20, 60, 140),  QColor(20, 110, 60),
                              QColor(120, 40, 120), QColor(190, 120, 20), QColor(60, 60, 60)};
    int n = 0;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col, ++n) {
            const double x = 18 + col * 112 + (row % 2) * 20;
            const double y = 20 + row * 106;
            drawEmblem(p, QRectF(x, y, 88, 88), colours[n % 6]);
        }
    p.fillRect(QRect(0, 470, 475, 85), QColor(30, 30, 40, 220));
    drawCar(p, QRectF(20, 478, 170, 68), QColor(170, 20, 30));
    p.setPen(QColor(245, 240, 225));
    p.setFont(arial(15, true, true));
    p.drawText(QRect(200, 478, 265, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vantor Ads"));
    p.setFont(arial(9, false, true));
    p.drawText(QRect(200, 512, 265, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Choose a category and a year"));
    return image;
}

QImage progressIllustration() {
    QImage image = canvas(436, 128, QColor(192, 192, 192));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(220, 220, 225));
    p.drawEllipse(QRectF(20, 14, 100, 100)); // the disc
    p.setBrush(QColor(192, 192, 192));
    p.drawEllipse(QRectF(60, 54, 20, 20));
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(316, 30, 100, 68), 6, 6); // the hard drive
    p.setPen(QPen(QColor(20, 110, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(140, 64), QPointF(290, 64));
    p.drawLine(QPointF(290, 64), QPointF(272, 48));
    p.drawLine(QPointF(290, 64), QPointF(272, 80));
    return image;
}

QImage aboutPhoto() {
    QImage image = canvas(613, 306, QColor(30, 40, 60));
    QPainter p(&image);
    QLinearGradient evening(0, 0, 0, 306);
    evening.setColorAt(0, QColor(40, 60, 110));
    evening.setColorAt(0.55, QColor(230, 150, 90));
    evening.setColorAt(0.56, QColor(70, 70, 75));
    evening.setColorAt(1, QColor(40, 40, 45));
    p.fillRect(image.rect(), evening);
    p.setPen(QPen(QColor(235, 215, 130), 2, Qt::DashLine));
    p.drawLine(0, 262, 613, 262);
    drawCar(p, QRectF(96, 92, 420, 168), QColor(20, 70, 150));
    return image;
}

QImage emblem() {
    QImage image = canvas(165, 83, QColor(192, 192, 192));
    QPainter p(&image);
    drawEmblem(p, QRectF(4, 4, 75, 75), QColor(20, 70, 150));
    p.setPen(QColor(30, 30, 30));
    p.setFont(arial(12, true, true));
    p.drawText(QRect(82, 0, 83, 83), Qt::AlignCenter, QStringLiteral("Vantor"));
    return image;
}

QImage printerIcon() {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5); // the sheet going in
    p.setBrush(QColor(150, 150, 155));
    p.drawRect(1, 6, 13, 6); // the body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 4); // the printed sheet
    p.setPen(QColor(20, 140, 40));
    p.drawPoint(12, 8); // the power light
    return image;
}

QImage applicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawEmblem(p, QRectF(1, 1, size - 2, size - 2), QColor(160, 20, 30));
    return image;
}

} // namespace ui::artwork

#include "ui/SSPanel.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

namespace ui {

SSPanel::SSPanel(const QString& caption, QWidget* parent, Bevel bevel) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | (bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken));
    setLineWidth(1);
    setCaption(caption);
}

void SSPanel::setCaption(const QString& caption) {
    // The clock sets its captions ten times a second; only a change is worth a repaint and a word to
    // screen readers.
    if (caption == caption_)
        return;
    caption_ = caption;
    setAccessibleName(caption);
    repaintSoon();
}

void SSPanel::setGauge(bool gauge) {
    gauge_ = gauge;
    describeFill();
    update();
}

void SSPanel::describeFill() {
    setAccessibleDescription(gauge_ ? QStringLiteral("%1 percent").arg(fillPercent_) : QString());
}

void SSPanel::setFillPercent(int percent) {
    // A gauge is set after every block of a copy; it repaints only when its fill moves.
    const int clamped = std::clamp(percent, 0, 100);
    if (clamped == fillPercent_)
        return;
    fillPercent_ = clamped;
    describeFill();
    repaintSoon();
}

void SSPanel::repaintSoon() {
    if (!painted_.isValid() || painted_.hasExpired(FrameMilliseconds)) {
        update();
        return;
    }
    if (!nextFrame_.isActive())
        nextFrame_.start(int(FrameMilliseconds - painted_.elapsed()), this);
}

void SSPanel::timerEvent(QTimerEvent* event) {
    if (event->timerId() != nextFrame_.timerId()) {
        QFrame::timerEvent(event);
        return;
    }
    nextFrame_.stop();
    update();
}

void SSPanel::paintEvent(QPaintEvent* event) {
    painted_.start();
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect face = contentsRect().adjusted(2, 1, -2, -1);
    if (gauge_) {
        QRect filled = contentsRect();
        filled.setWidth(contentsRect().width() * fillPercent_ / 100);
        painter.fillRect(filled, palette().color(QPalette::Highlight));
        // The caption stays readable over the filled and the empty part alike.
        painter.setClipRect(filled);
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(face, Qt::AlignCenter, caption_);
        painter.setClipRect(contentsRect().adjusted(filled.width(), 0, 0, 0));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(face, Qt::AlignCenter, caption_);
        return;
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(face, Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

} // namespace ui

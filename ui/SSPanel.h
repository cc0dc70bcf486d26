#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QFrame>

namespace ui {

// 3-D panel with a caption; children are placed relative to it. Used as a gauge it fills a share of its
// face and shows the fill percentage as its caption.
class SSPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { Raised, Inset };

    explicit SSPanel(const QString& caption = {}, QWidget* parent = nullptr, Bevel bevel = Bevel::Raised);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool isGauge() const { return gauge_; }
    void setGauge(bool gauge);
    int fillPercent() const { return fillPercent_; }
    // Clamped to 0..100: the face cannot be filled beyond its edges, whatever value is asked for.
    void setFillPercent(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // A gauge may move thousands of times a second during a copy, and each repaint costs more than a
    // block of the copy: the screen gets at most one change a frame, and always the last one.
    static constexpr qint64 FrameMilliseconds = 16;
    void repaintSoon();
    void describeFill();

    QString caption_;
    bool gauge_ = false;
    int fillPercent_ = 0;
    QElapsedTimer painted_;
    QBasicTimer nextFrame_;
};

} // namespace ui

#pragma once

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

private:
    void describeFill();

    QString caption_;
    bool gauge_ = false;
    int fillPercent_ = 0;
};

} // namespace ui

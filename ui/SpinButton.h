#pragma once

#include <QWidget>

class QToolButton;

namespace ui {

// Spin control with two arrows side by side: the left one steps down, the right one up.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* downArrow() const { return down_; }
    QToolButton* upArrow() const { return up_; }

signals:
    void spinDown();
    void spinUp();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* down_;
    QToolButton* up_;
};

} // namespace ui

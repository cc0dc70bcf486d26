#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace ui {

class SSPanel;

// The splash window: the product's cover for three seconds while the program starts.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    void centreOn(const QRect& screenGeometry);

    SSPanel* SSPanel1;
    QLabel* Picture2;
    SSPanel* SSPanel2;
    QLabel* Label1;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace ui

#include "ui/SpinButton.h"

#include <QToolButton>

namespace ui {
namespace {

QToolButton* makeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAccessibleName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), down_(makeArrow(Qt::LeftArrow, tr("Previous ad"), this)),
      up_(makeArrow(Qt::RightArrow, tr("Next ad"), this)) {
    setAccessibleName(tr("Step through the ads"));
    connect(down_, &QToolButton::clicked, this, &SpinButton::spinDown);
    connect(up_, &QToolButton::clicked, this, &SpinButton::spinUp);
}

void SpinButton::resizeEvent(QResizeEvent*) {
    const int half = width() / 2;
    down_->setGeometry(0, 0, half, height());
    up_->setGeometry(half, 0, width() - half, height());
}

} // namespace ui

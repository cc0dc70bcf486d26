#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <QMessageBox>
#include <memory>

namespace platform {

// The box as it will be shown, split from showing it so that its make-up can be checked without a modal
// event loop.
std::unique_ptr<QMessageBox> buildMessageBox(const MessageBoxRequest& request, QWidget* parent);
int replyForButton(QMessageBox::StandardButton button, MessageButtons buttons);
// The window a box belongs to: the one the user works in, never a pop-up menu, which closes as its command
// runs and stands outside the windows that screen readers know.
QWidget* messageBoxOwner();

class QtMessageBoxes : public MessageBoxes {
public:
    int show(const MessageBoxRequest& request) override;
};

} // namespace platform

#pragma once

#include <QString>

namespace platform {

// Reply codes as the program stores them.
namespace Reply {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Retry = 4;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace Reply

enum class MessageButtons { Ok, YesNo, RetryCancel };
enum class MessageIcon { None, Question, Exclamation, Critical };

struct MessageBoxRequest {
    QString text; // line breaks as CR LF
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool systemModal = false;
};

// The reply a box gives when it is closed without choosing a button: the one that does no harm.
int harmlessReply(MessageButtons buttons);

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns one of the Reply codes.
    virtual int show(const MessageBoxRequest& request) = 0;
};

} // namespace platform

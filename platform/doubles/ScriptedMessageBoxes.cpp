#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QTest>

namespace platform {

int ScriptedMessageBoxes::show(const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (replies_.empty()) {
        ++unexpected_;
        const QByteArray message = "Unexpected message box: " + request.text.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return harmlessReply(request.buttons);
    }
    const int reply = replies_.front();
    replies_.pop_front();
    return reply;
}

} // namespace platform

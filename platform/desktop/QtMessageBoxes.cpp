#include "platform/desktop/QtMessageBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace platform {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box wraps its text at about half the screen's width, which breaks the program's own lines (numbered
// steps, addresses) in the middle. Its text is as wide as its longest line needs, so each line stands as
// written. Only a line too wide for the screen, less room for the icon and the margins, is still wrapped.
void keepLinesWhole(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    box.ensurePolished();
    const QFontMetrics metrics = label->fontMetrics();
    int longest = 0;
    for (const QString& line : text.split(u'\n'))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    const QScreen* screen = box.screen();
    const int roomOnScreen = screen ? screen->availableGeometry().width() - 160 : longest;
    label->setMinimumWidth(std::min(longest + metrics.averageCharWidth(), roomOnScreen));
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const MessageBoxRequest& request, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(qtIcon(request.icon));
    box->setWindowTitle(request.title);
    QString text = request.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Plain text: an ad path or error description must never be taken for markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    keepLinesWhole(*box, text);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::RetryCancel:
        box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Retry);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box->setWindowModality(Qt::ApplicationModal);
    if (request.systemModal)
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box;
}

int replyForButton(QMessageBox::StandardButton button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return Reply::Ok;
    case QMessageBox::Cancel:
        return Reply::Cancel;
    case QMessageBox::Retry:
        return Reply::Retry;
    case QMessageBox::Yes:
        return Reply::Yes;
    case QMessageBox::No:
        return Reply::No;
    default:
        return harmlessReply(buttons);
    }
}

QWidget* messageBoxOwner() {
    QWidget* owner = QApplication::activeWindow();
    while (owner && owner->windowType() == Qt::Popup)
        owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
    return owner;
}

int QtMessageBoxes::show(const MessageBoxRequest& request) {
    const auto box = buildMessageBox(request, messageBoxOwner());
    box->exec();
    return replyForButton(box->standardButton(box->clickedButton()), request.buttons);
}

} // namespace platform

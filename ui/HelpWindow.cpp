#include "ui/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Vantor Ads Help"));
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setAccessibleName(QStringLiteral("Help"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 520);
}

void HelpWindow::showContents(const QString& helpFile) {
    QUrl contents =
        helpFile.startsWith(u':') ? QUrl(QStringLiteral("qrc") + helpFile) : QUrl::fromLocalFile(helpFile);
    contents.setFragment(QStringLiteral("contents"));
    browser_->setSource(contents);
    show();
    raise();
    activateWindow();
}

} // namespace ui

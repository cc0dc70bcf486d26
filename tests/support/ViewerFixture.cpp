#include "support/ViewerFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QTest>

QString ViewerFixture::writeAd(const QString& name, int width, int height, QColor colour) {
    QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
    const QString path = adPath(name);
    QString error;
    if (!samplecatalog::writeAdJpeg(path, width, height, name, colour, &error))
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

QString ViewerFixture::writeSolidAd(const QString& name, int width, int height, QColor colour) {
    QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(colour);
    const QString path = adPath(name);
    if (!page.save(path, "JPEG", 95))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void ViewerFixture::writeBytes(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
    QFile file(adPath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray ViewerFixture::readBytes(const QString& name) {
    QFile file(adPath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    return file.readAll();
}

void ViewerFixture::start() {
    QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
    f_.setDrive('D', QStringLiteral("cd"));
    f_.startPastSplash();
    window().activateWindow();
    if (!QTest::qWaitForWindowActive(&window()))
        qFatal("the main window never became active");
}

void ViewerFixture::clickCategory(int option) {
    QRadioButton* button = window().optParent[size_t(option)];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

int ViewerFixture::focusedYearButton() {
    QWidget* focused = window().focusWidget();
    for (int i = 0; i < catalog::YearButtonCount; ++i)
        if (window().cmdYear[size_t(i)] == focused)
            return i;
    return -1;
}

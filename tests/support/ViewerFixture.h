#pragma once

#include "support/StartUpFixture.h"

#include "state/ProgramState.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"

#include <QFile>
#include <QRadioButton>
#include <QTest>

// The real main window past its splash, with the ads on drive D: in the test's temporary folder.
class ViewerFixture {
public:
    ViewerFixture() = default;
    // Drive listings under a time bound of the test's own, through a query of its own (a slow drive).
    ViewerFixture(std::chrono::milliseconds listingBound, platform::DiskFileLister::FolderQuery listFolder)
        : f_(listingBound, std::move(listFolder)) {}

    StartUpFixture& startUp() { return f_; }
    platform::FakeServices& fake() { return f_.fake(); }
    ui::Form1& window() { return f_.program().mainWindow(); }
    state::ProgramState& state() { return f_.program().state(); }

    QString adPath(const QString& name) { return f_.fake().root() + QStringLiteral("/cd/ads/") + name; }

    // A real ad page of the given size; the colour tells the ads apart.
    QString writeAd(const QString& name, int width = 60, int height = 80, QColor colour = Qt::darkRed) {
        QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
        const QString path = adPath(name);
        QString error;
        if (!samplecatalog::writeAdJpeg(path, width, height, name, colour, &error))
            qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
        return path;
    }

    // A page of one colour, so that a test can tell which ad is on view by any of its pixels.
    QString writeSolidAd(const QString& name, int width, int height, QColor colour) {
        QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
        QImage page(width, height, QImage::Format_RGB32);
        page.fill(colour);
        const QString path = adPath(name);
        if (!page.save(path, "JPEG", 95))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    void writeBytes(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
        QFile file(adPath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }

    QByteArray readBytes(const QString& name) {
        QFile file(adPath(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(name));
        return file.readAll();
    }

    void start() {
        QDir().mkpath(f_.fake().root() + QStringLiteral("/cd/ads"));
        f_.setDrive('D', QStringLiteral("cd"));
        f_.startPastSplash();
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window()))
            qFatal("the main window never became active");
    }

    void clickCategory(int option) {
        QRadioButton* button = window().optParent[size_t(option)];
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void clickYear(int b) { QTest::mouseClick(window().cmdYear[size_t(b)], Qt::LeftButton); }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    int focusedYearButton() {
        QWidget* focused = window().focusWidget();
        for (int i = 0; i < catalog::YearButtonCount; ++i)
            if (window().cmdYear[size_t(i)] == focused)
                return i;
        return -1;
    }

    // Every path that disables the window or shows the hourglass must undo both.
    bool idle() { return window().isEnabled() && !fake().cursor.isBusy(); }

private:
    StartUpFixture f_;
};

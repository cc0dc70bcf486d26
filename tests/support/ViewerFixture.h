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
    QString writeAd(const QString& name, int width = 60, int height = 80, QColor colour = Qt::darkRed);

    // A page of one colour, so that a test can tell which ad is on view by any of its pixels.
    QString writeSolidAd(const QString& name, int width, int height, QColor colour);

    void writeBytes(const QString& name, const QByteArray& bytes);

    QByteArray readBytes(const QString& name);

    void start();

    void clickCategory(int option);

    void clickYear(int b) { QTest::mouseClick(window().cmdYear[size_t(b)], Qt::LeftButton); }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    int focusedYearButton();

    // Every path that disables the window or shows the hourglass must undo both.
    bool idle() { return window().isEnabled() && !fake().cursor.isBusy(); }

private:
    StartUpFixture f_;
};

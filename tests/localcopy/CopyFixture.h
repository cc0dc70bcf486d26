#pragma once

#include "support/ActingMessageBoxes.h"

#include "app/StartUp.h"
#include "platform/doubles/FakeServices.h"
#include "program/Program.h"
#include "tools/makecatalog/SampleCatalog.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The real main window past its splash, the catalog disc in drive D: (the folder cd of the test's
// temporary folder) and message boxes answered by script, which can act when one appears, as a user puts
// the disc back before answering Retry.
class CopyFixture {
public:
    explicit CopyFixture(std::chrono::milliseconds readBound = platform::DiskFiles::defaultReadBound,
                         platform::DiskFiles::OpenQuery openFile = &platform::openRegularFile)
        : fake({}, readBound, &platform::PathResolver::list, std::move(openFile)),
          services_{
              boxes,          fake.drives, fake.paths,  fake.fileLister,  fake.folders,       fake.files,
              fake.settings,  fake.screen, fake.cursor, fake.taskBar,     fake.instanceGuard, fake.printer,
              fake.clipboard, fake.shell,  fake.clock,  fake.programExit, fake.sessionEnd} {
        QDir().mkpath(cdAds());
        platform::DriveTable drives;
        drives.set('D', fake.root() + QStringLiteral("/cd"));
        fake.paths.setDrives(drives);
    }

    QString cdAds(const QString& name = {}) const { return fake.root() + QStringLiteral("/cd/ads/") + name; }
    QString copyAds(const QString& name = {}) const {
        return fake.folders.localCopyFolder() + QStringLiteral("/ads/") + name;
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    // Bytes no two files share.
    static QByteArray content(qint64 size, int seed) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            bytes[i] = char((i * 7 + seed * 13 + i / 251) % 256);
        return bytes;
    }
    // The ads of the given years ("01", "53", ...) of one category on the disc: pictures the viewer shows,
    // each followed by bytes of its own to two blocks and a bit, so that the copy lets events run inside
    // every file.
    QStringList writeDisc(const QStringList& years) const {
        QStringList names;
        for (int i = 0; i < years.size(); ++i) {
            names << years[i] + QStringLiteral("kxpe00.jpg");
            QString error;
            if (!samplecatalog::writeAdJpeg(cdAds(names.last()), 60, 80, names.last(), Qt::darkRed, &error))
                qFatal("%s", qPrintable(error));
            QByteArray bytes = read(cdAds(names.last()));
            write(cdAds(names.last()), bytes + content(60'000 - bytes.size(), i));
        }
        return names;
    }
    // The button of a year, by its caption.
    ui::SSCommand* yearButton(const QString& caption) {
        for (ui::SSCommand* button : window().cmdYear)
            if (button->caption() == caption)
                return button;
        return nullptr;
    }
    // Runs the action once, at the first turn of the event loop that shows the file in the panel.
    void whenCopying(const QString& name, std::function<void()> action) {
        auto* watch = new QTimer(&window());
        QObject::connect(watch, &QTimer::timeout, watch, [this, watch, name, action = std::move(action)] {
            if (!window().Text2->text().endsWith(name))
                return;
            watch->deleteLater();
            watch->stop();
            action();
        });
        watch->start(0);
    }

    // Everything in the folder, hidden files included.
    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    void start() {
        program_ = std::make_unique<program::Program>(services_, QStringList());
        program_->start();
        program_->startUp().finishSplash();
    }
    ui::Form1& window() { return program_->mainWindow(); }
    state::ProgramState& state() { return program_->state(); }

    // The copy command with room on the disk, then "Copy Ads"; the boxes it shows are answered OK.
    void copy(int boxesShown = 1) {
        for (int i = 0; i < boxesShown; ++i)
            boxes.expect(platform::Reply::Ok);
        fake.files.setFreeSpace({true, 1024 * 1000, 1, 4096, {}});
        window().mnuCopy->trigger();
        QTest::mouseClick(window().cmdCopy, Qt::LeftButton);
    }

    // Each box shown: its buttons, icon and title, then its text.
    QStringList shown() const {
        const char* buttons[] = {"Ok", "YesNo", "RetryCancel"};
        const char* icons[] = {"-", "?", "!", "x"};
        QStringList all;
        for (const platform::MessageBoxRequest& box : boxes.shown())
            all.append(QStringLiteral("%1 %2 %3: %4")
                           .arg(QLatin1String(buttons[int(box.buttons)]), QLatin1String(icons[int(box.icon)]),
                                box.title, box.text));
        return all;
    }

    // The window back in the user's hands, with the arrow pointer.
    bool idle() { return window().isEnabled() && !fake.cursor.isBusy(); }

    platform::FakeServices fake;
    ActingMessageBoxes boxes;

private:
    platform::Services services_;
    std::unique_ptr<program::Program> program_;
};

// What the progress panel shows at each turn of the event loop while a copy runs, each change once: the
// file being copied, the file's gauge, and the overall gauge's caption and fill.
class PanelRecorder {
public:
    explicit PanelRecorder(ui::Form1& window) {
        QObject::connect(&timer_, &QTimer::timeout, [this, &window] {
            const QString seen = QStringLiteral("%1 %2 %3/%4")
                                     .arg(window.Text2->text(), window.ProgressGuage->caption(),
                                          window.ProgressGuage2->caption())
                                     .arg(window.ProgressGuage2->fillPercent());
            if (shown.isEmpty() || shown.last() != seen)
                shown.append(seen);
        });
        timer_.start(0);
    }

    QStringList shown;

private:
    QTimer timer_;
};

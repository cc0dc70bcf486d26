#include "install/AdCopy.h"

#include "catalog/AdFileList.h"
#include "platform/AppFolders.h"
#include "platform/BusyCursor.h"
#include "platform/Files.h"
#include "platform/Screen.h"
#include "state/DriveReport.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/Units.h"
#include "ui/WindowDisabledGuard.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace install {
namespace {

// How many of the files that did not arrive the closing message names.
constexpr int NamedFailures = 5;

} // namespace

AdCopy::AdCopy(ui::Form1& window, state::DataLocation& location, state::DriveReport& report,
               state::CatalogState& catalog, state::CopyState& copy, platform::MessageBoxes& boxes,
               platform::ProgramExit& exit, const catalog::FileLister& lister, const platform::Files& files,
               const platform::AppFolders& folders, const platform::Screen& screen,
               platform::BusyCursor& cursor, QObject* parent)
    : QObject(parent), window_(window), location_(location), report_(report), catalog_(catalog), copy_(copy),
      boxes_(boxes), exit_(exit), lister_(lister), files_(files), folders_(folders), screen_(screen),
      cursor_(cursor) {
    connect(window_.mnuCopy, &QAction::triggered, this, &AdCopy::copyCommand);
    connect(window_.cmdCancel, &ui::SSCommand::clicked, window_.pnlProgress, &QWidget::hide);
    connect(window_.cmdCopy, &ui::SSCommand::clicked, this, &AdCopy::copyAds);
}

void AdCopy::setGauge(ui::SSPanel* gauge, int value) {
    gauge->setFillPercent(value);
    gauge->setCaption(QString::number(value));
}

quint64 AdCopy::GetDisk() {
    const platform::FreeSpace space =
        files_.freeSpace(folders_.localCopyFolder() + QStringLiteral("\\ads\\"));
    if (space.ok)
        return freeKilobytes(space);
    boxes_.show({QStringLiteral("Internal GetDisk error!"), state::ApplicationTitle,
                 platform::MessageButtons::Ok, platform::MessageIcon::None});
    return 0;
}

void AdCopy::copyCommand() {
    // Kilobytes times 1,000, not 1,024: the byte count the check and the message go by.
    const qint64 freeBytes = qint64(GetDisk()) * 1000;
    if (freeBytes < CopyTotalBytes) {
        showNotEnoughSpace(freeBytes);
        return;
    }
    ui::SSPanel* panel = window_.pnlProgress;
    panel->raise();
    panel->show();
    const double left = (screen_.widthTwips() / ui::TwipsPerPixel - panel->width()) * 0.5;
    const double top = (screen_.heightTwips() / ui::TwipsPerPixel - panel->height()) * 0.5;
    panel->move(qRound(left), qRound(top));
}

void AdCopy::showNotEnoughSpace(qint64 freeBytes) {
    const QStringList lines = {
        QStringLiteral("Not enough available hard disk space to copy Ads."),
        QString(),
        QStringLiteral("Free some up and try again."),
        QString(),
        QStringLiteral("You have:  ") + groupedDigits(quint64(freeBytes)) + QStringLiteral(" bytes"),
        QString(),
        QStringLiteral("You need:   ") + groupedDigits(quint64(CopyTotalBytes - freeBytes)) +
            QStringLiteral(" bytes more"),
        QString(),
        QStringLiteral("For a total of:   ") + groupedDigits(quint64(CopyTotalBytes)) +
            QStringLiteral(" bytes free."),
    };
    report_.MessageText = lines.join(state::CrLf) + state::CrLf;
    const int reply = boxes_.show({report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
                                   platform::MessageIcon::Critical});
    report_.MessageReply = QString::number(reply);
}

bool AdCopy::BuildAdFileList() {
    state::DriveErrorReporter reporter(report_, boxes_, exit_);
    report_.ErrorCode = state::DiscNotFound;
    const auto paths = catalog::buildAdFileList(location_.AdRoot.toStdString(), lister_,
                                                [&reporter] { return reporter.ReportDriveError(); });
    if (!paths)
        return false;
    catalog_.AdFileList.clear();
    for (const std::string& path : *paths)
        catalog_.AdFileList.append(QString::fromStdString(path));
    catalog_.AdFileCount = int(catalog_.AdFileList.size());
    return true;
}

void AdCopy::copyAds() {
    if (!BuildAdFileList())
        return;
    window_.cmdCopy->setEnabled(false);
    window_.cmdCancel->setEnabled(false);
    window_.pnlProgress->show();
    // A folder that cannot be made shows as a failure of every file.
    files_.createFolder(folders_.localCopyFolder() + QStringLiteral("\\ads\\"));
    if (CopyAdFiles())
        location_.AdRoot = folders_.localCopyFolder();
    window_.pnlProgress->hide();
    window_.cmdCopy->setEnabled(true);
    window_.cmdCancel->setEnabled(true);
    setGauge(window_.ProgressGuage2, 0);
    setGauge(window_.ProgressGuage, 0);
}

bool AdCopy::CopyAdFiles() {
    std::optional<platform::BusyCursorGuard> busy(std::in_place, cursor_);
    copy_.CopyBytesLeft = CopyTotalBytes;
    const ui::WindowDisabledGuard disabled(window_);
    QStringList failed;
    for (int i = 0; i < catalog_.AdFileCount; ++i) {
        const QString name = adFileName(catalog_.AdFileList[i]);
        copy_.CopyTarget = folders_.localCopyFolder() + QStringLiteral("\\ads\\") + name;
        copy_.CopySource = location_.DocRoot + QStringLiteral("\\Ads\\") + name;
        // A name that is not a plain file name could reach past the ads folders.
        const platform::FileStatus copied =
            isPlainFileName(name)
                ? CopyFileWithProgress()
                : platform::FileStatus::failure(
                      QStringLiteral("%1 is not the name of a file in the ads folder.").arg(name));
        if (!copied.ok) {
            failed.append(name);
            boxes_.show({copied.error, state::ApplicationTitle, platform::MessageButtons::Ok,
                         platform::MessageIcon::None});
        }
    }
    setGauge(window_.ProgressGuage2, 100);
    busy.reset();
    showCopyResult(failed);
    return failed.isEmpty();
}

platform::FileStatus AdCopy::CopyFileWithProgress() {
    platform::OpenResult source = files_.openRead(copy_.CopySource);
    if (!source.status.ok)
        return source.status;
    const qint64 length = source.file.size();
    // The copy takes the place of an earlier one only once it is complete.
    platform::ReplacementResult target = files_.openReplacement(copy_.CopyTarget);
    if (!target.status.ok)
        return target.status;

    const qint64 blocks = length / CopyBlockBytes;
    for (qint64 i = 1; i <= blocks; ++i) {
        if (const platform::FileStatus read = source.file.readFully(block_); !read.ok)
            return read;
        if (window_.Text2->text() != copy_.CopySource)
            window_.Text2->setText(copy_.CopySource);
        setGauge(window_.ProgressGuage, fileGaugeValue(i, length));
        copy_.CopyBytesLeft -= CopyBlockBytes;
        setGauge(window_.ProgressGuage2, overallGaugeValue(copy_.CopyBytesLeft));
        if (const platform::FileStatus written =
                target.file->write(QByteArrayView(block_.data(), qsizetype(block_.size())));
            !written.ok)
            return written;
        // The panel repaints and the gauges move; the disabled window lets no command start meanwhile.
        QCoreApplication::processEvents();
    }
    setGauge(window_.ProgressGuage, 100);

    const std::span<char> rest(block_.data(), std::size_t(length - blocks * CopyBlockBytes));
    if (!rest.empty()) {
        if (const platform::FileStatus read = source.file.readFully(rest); !read.ok)
            return read;
        if (const platform::FileStatus written = target.file->write(QByteArrayView(rest.data(), rest.size()));
            !written.ok)
            return written;
    }
    return target.file->commit();
}

void AdCopy::showCopyResult(const QStringList& failed) {
    if (failed.isEmpty()) {
        report_.MessageText = QStringLiteral("Ads successfully copied!") + state::CrLf;
    } else {
        report_.MessageText =
            QStringLiteral("%1 of %2 Ads could not be copied:").arg(failed.size()).arg(catalog_.AdFileCount) +
            state::CrLf + state::CrLf;
        for (const QString& name : failed.first(std::min<qsizetype>(failed.size(), NamedFailures)))
            report_.MessageText += name + state::CrLf;
        if (failed.size() > NamedFailures)
            report_.MessageText +=
                QStringLiteral("and %1 more").arg(failed.size() - NamedFailures) + state::CrLf;
        report_.MessageText += state::CrLf +
                               QStringLiteral("The Ads are still shown from where they were shown before.") +
                               state::CrLf;
    }
    const int reply = boxes_.show(
        {report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
         failed.isEmpty() ? platform::MessageIcon::Exclamation : platform::MessageIcon::Critical});
    report_.MessageReply = QString::number(reply);
}

} // namespace install

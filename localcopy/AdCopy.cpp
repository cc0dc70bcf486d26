#include "localcopy/AdCopy.h"

#include "localcopy/BackgroundCommits.h"
#include "localcopy/CloseHold.h"

#include "catalog/AdFileList.h"
#include "catalog/AdNaming.h"
#include "platform/desktop/AppFolders.h"
#include "platform/desktop/BusyCursor.h"
#include "platform/desktop/Screen.h"
#include "platform/files/Files.h"
#include "state/DriveErrorReporter.h"
#include "ui/ProgressPanel.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/Units.h"
#include "ui/WindowDisabledGuard.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <deque>
#include <optional>

namespace localcopy {
namespace {

// The ads folder below a root, as the catalog names it.
const QString AdsFolder = QString::fromLatin1(catalog::AdsFolder);

// How many of the files that did not arrive the closing message names.
constexpr int NamedFailures = 5;
// How many copied files are forced to the disk and named at a time, and how many more may wait for that
// while the next are copied.
constexpr int CommitThreads = 4;
constexpr int CommitsWaiting = 8;
// How far the disc is read ahead of the copy: a whole ad as a rule, of the next few files, so that a
// worker slow to get its turn on the processor still has the next file ready.
constexpr qint64 ReadAheadBytes = 512 * 1024;
constexpr int FilesReadAhead = 2;

} // namespace

AdCopy::AdCopy(QWidget& window, ui::ProgressPanel& progress, state::DataLocation& location,
               state::DriveReport& report, state::CatalogState& catalog, state::CopyState& copy,
               platform::MessageBoxes& boxes, platform::ProgramExit& exit, const catalog::FileLister& lister,
               const platform::Files& files, const platform::AppFolders& folders,
               const platform::Screen& screen, platform::BusyCursor& cursor, QObject* parent)
    : QObject(parent), window_(window), progress_(progress), location_(location), report_(report),
      catalog_(catalog), copy_(copy), boxes_(boxes), exit_(exit), lister_(lister), files_(files),
      folders_(folders), screen_(screen), cursor_(cursor) {}

void AdCopy::sessionEnds() {
    // Only a running copy looks at this.
    sessionEnding_ = true;
}

void AdCopy::setGauge(ui::SSPanel* gauge, int value) {
    gauge->setFillPercent(value);
    gauge->setCaption(QString::number(value));
}

quint64 AdCopy::GetDisk() {
    const platform::FreeSpace space = files_.freeSpace(folders_.localCopyFolder() + AdsFolder);
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
    ui::SSPanel* panel = progress_.pnlProgress;
    panel->raise();
    panel->show();
    panel->move(progressPanelPlace(screen_.widthTwips() / ui::TwipsPerPixel,
                                   screen_.heightTwips() / ui::TwipsPerPixel, panel->parentWidget()->size(),
                                   panel->size()));
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
    // From the disc, whatever the viewer reads now: after an interrupted copy the copy folder holds only
    // part of the ads, and a list made from it would never complete the copy.
    const auto paths = catalog::buildAdFileList(location_.DocRoot.toStdString(), lister_,
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
    // Destroyed last: a close that came meanwhile is carried out once the copy has ended.
    const CloseHold hold(window_);
    sessionEnding_ = false;
    progress_.cmdCopy->setEnabled(false);
    progress_.cmdCancel->setEnabled(false);
    progress_.pnlProgress->show();
    // The copy stops vouching for itself, on the disk too, before the first of its files changes.
    files_.remove(folders_.localCopyFolder() + state::CopyCompleteRecord);
    files_.syncFolder(folders_.localCopyFolder());
    // A folder that cannot be made shows as a failure of every file.
    files_.createFolder(folders_.localCopyFolder() + AdsFolder);
    if (CopyAdFiles())
        location_.AdRoot = folders_.localCopyFolder();
    progress_.pnlProgress->hide();
    progress_.cmdCopy->setEnabled(true);
    progress_.cmdCancel->setEnabled(true);
    setGauge(progress_.ProgressGuage2, 0);
    setGauge(progress_.ProgressGuage, 0);
}

bool AdCopy::CopyAdFiles() {
    std::optional<platform::BusyCursorGuard> busy(std::in_place, cursor_);
    copy_.CopyBytesLeft = CopyTotalBytes;
    const ui::WindowDisabledGuard disabled(window_);
    QList<Failure> failed = copyEachFile();
    setGauge(progress_.ProgressGuage2, 100);
    // Stopped by the end of the session: what arrived stays, but not as a copy to read the ads from.
    if (sessionEnding_)
        return false;
    if (failed.isEmpty()) {
        if (const platform::FileStatus recorded = recordCompleteCopy(); !recorded.ok)
            failed.append({state::CopyCompleteRecord.mid(1), recorded.error});
    }
    busy.reset();
    showCopyResult(failed);
    return failed.isEmpty();
}

QList<AdCopy::Failure> AdCopy::copyEachFile() {
    std::map<int, Failure> failed; // in the order of the list, whenever each failure came to light
    BackgroundCommits commits(CommitThreads, CommitsWaiting);
    std::optional<QString> sharedFailure; // what every file left would meet, once it came to light
    const auto note = [&](int index, const FileOutcome& outcome) {
        if (noteFailure(failed, index, outcome, sharedFailure.has_value()) && !sharedFailure)
            sharedFailure = outcome.status.error;
    };
    const auto noteCommits = [&] {
        for (const BackgroundCommits::Outcome& ended : commits.takeEnded()) {
            if (!ended.status.ok)
                note(ended.index, {ended.status, FailedAt::TargetWrite, {}});
        }
    };
    std::deque<BegunFile> ahead; // the files after this one, in list order
    int begun = 0;
    int started = 0;
    for (; started < catalog_.AdFileCount && !sessionEnding_ && !sharedFailure; ++started) {
        // The disc reads the next files, and their copies are made, while this one is copied.
        while (begun < catalog_.AdFileCount && begun <= started + FilesReadAhead)
            ahead.push_back(begin(begun++));
        copy_.CopyTarget = targetPath(started);
        copy_.CopySource = sourcePath(started);
        current_ = std::move(ahead.front());
        ahead.pop_front();
        // A name that is not a plain file name could reach past the ads folders.
        FileOutcome copied = current_.source
                                 ? CopyFileWithProgress()
                                 : FileOutcome{platform::FileStatus::failure(QStringLiteral(
                                                   "This is not the name of a file in the ads folder.")),
                                               FailedAt::Source,
                                               {}};
        current_ = {};
        if (copied.written)
            commits.add(started, std::move(copied.written));
        else if (!copied.status.ok && !sessionEnding_)
            note(started, copied);
        noteCommits();
    }
    ahead.clear();
    // What was written is committed even when the session ends: those files are copied.
    commits.finish();
    noteCommits();
    QList<Failure> report;
    for (const auto& [index, failure] : failed)
        report.append(failure);
    // One report instead of one box for every file left.
    if (sharedFailure && !sessionEnding_) {
        for (int rest = started; rest < catalog_.AdFileCount; ++rest)
            report.append({adFileName(catalog_.AdFileList[rest]), *sharedFailure});
    }
    return report;
}

AdCopy::BegunFile AdCopy::begin(int index) const {
    if (!isPlainFileName(adFileName(catalog_.AdFileList[index])))
        return {};
    // The copy takes the place of an earlier one only once it is complete.
    const QString target = targetPath(index);
    return {files_.openReadAhead(sourcePath(index), ReadAheadBytes),
            std::async(std::launch::async, [this, target] { return files_.openReplacement(target); })};
}

QString AdCopy::sourcePath(int index) const {
    return location_.DocRoot + QStringLiteral("\\Ads\\") + adFileName(catalog_.AdFileList[index]);
}

QString AdCopy::targetPath(int index) const {
    return folders_.localCopyFolder() + AdsFolder + adFileName(catalog_.AdFileList[index]);
}

bool AdCopy::noteFailure(std::map<int, Failure>& failed, int index, const FileOutcome& outcome,
                         bool stopping) {
    failed[index] = {adFileName(catalog_.AdFileList[index]), outcome.status.error};
    if (stopping || failsEveryFile(outcome))
        return true;
    boxes_.show({sourcePath(index) + state::CrLf + state::CrLf + outcome.status.error,
                 state::ApplicationTitle, platform::MessageButtons::Ok, platform::MessageIcon::None});
    return false;
}

bool AdCopy::failsEveryFile(const FileOutcome& outcome) const {
    switch (outcome.at) {
    case FailedAt::TargetFolder:
        return true;
    case FailedAt::TargetWrite:
        return outcome.status.diskFull;
    case FailedAt::Source:
        // One damaged file fails alone; a disc that no longer lists its ads folder fails them all.
        return !lister_.list((location_.DocRoot + QStringLiteral("\\Ads\\*.*")).toStdString()).ok;
    case FailedAt::Nothing:
        break;
    }
    return false;
}

AdCopy::FileOutcome AdCopy::CopyFileWithProgress() {
    platform::OpenResult source = current_.source->take();
    if (!source.status.ok)
        return {source.status, FailedAt::Source, {}};
    const qint64 length = source.file.size();
    platform::ReplacementResult target = current_.target.get();
    if (!target.status.ok)
        return {target.status, FailedAt::TargetFolder, {}};

    const qint64 blocks = length / CopyBlockBytes;
    for (qint64 i = 1; i <= blocks; ++i) {
        if (const platform::FileStatus read = source.file.readFully(block_); !read.ok)
            return {read, FailedAt::Source, {}};
        if (progress_.Text2->text() != copy_.CopySource)
            progress_.Text2->setText(copy_.CopySource);
        setGauge(progress_.ProgressGuage, fileGaugeValue(i, length));
        copy_.CopyBytesLeft -= CopyBlockBytes;
        setGauge(progress_.ProgressGuage2, overallGaugeValue(copy_.CopyBytesLeft));
        if (const platform::FileStatus written =
                target.file->write(QByteArrayView(block_.data(), qsizetype(block_.size())));
            !written.ok)
            return {written, FailedAt::TargetWrite, {}};
        // The panel repaints and the gauges move; the disabled window lets no command start meanwhile.
        QCoreApplication::processEvents();
        // The file half written is dropped, which leaves nothing of it behind.
        if (sessionEnding_)
            return {
                platform::FileStatus::failure(QStringLiteral("The session ended.")), FailedAt::Nothing, {}};
    }
    setGauge(progress_.ProgressGuage, 100);

    const std::span<char> rest(block_.data(), std::size_t(length - blocks * CopyBlockBytes));
    if (!rest.empty()) {
        if (const platform::FileStatus read = source.file.readFully(rest); !read.ok)
            return {read, FailedAt::Source, {}};
        if (const platform::FileStatus written = target.file->write(QByteArrayView(rest.data(), rest.size()));
            !written.ok)
            return {written, FailedAt::TargetWrite, {}};
    }
    return {platform::FileStatus::success(), FailedAt::Nothing, std::move(target.file)};
}

platform::FileStatus AdCopy::recordCompleteCopy() {
    // The ads' new names reach the disk before the record that vouches for them, which reaches it before
    // the viewer turns to the copy.
    if (const platform::FileStatus synced = files_.syncFolder(folders_.localCopyFolder() + AdsFolder);
        !synced.ok)
        return synced;
    platform::ReplacementResult record =
        files_.openReplacement(folders_.localCopyFolder() + state::CopyCompleteRecord);
    if (!record.status.ok)
        return record.status;
    const QByteArray text =
        QStringLiteral("%1 Ads copied from the disc.\n").arg(catalog_.AdFileCount).toUtf8();
    if (const platform::FileStatus written = record.file->write(text); !written.ok)
        return written;
    if (const platform::FileStatus committed = record.file->commit(); !committed.ok)
        return committed;
    return files_.syncFolder(folders_.localCopyFolder());
}

void AdCopy::showCopyResult(const QList<Failure>& failed) {
    if (failed.isEmpty()) {
        report_.MessageText = QStringLiteral("Ads successfully copied!") + state::CrLf;
    } else {
        report_.MessageText =
            QStringLiteral("%1 of %2 Ads could not be copied:").arg(failed.size()).arg(catalog_.AdFileCount) +
            state::CrLf + state::CrLf;
        for (const Failure& failure : failed.first(std::min<qsizetype>(failed.size(), NamedFailures)))
            report_.MessageText += failure.name + QStringLiteral(": ") + failure.reason + state::CrLf;
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

} // namespace localcopy

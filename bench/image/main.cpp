// The catalog read from a disc image against the same files read from a folder, in the same run: showing a
// year's first ad (a scan-like page) through the real program, and listing an ads folder of 2,000 files
// through the program's lister, both at the first look (the image opened and its folders read) and at
// later looks.

#include "BenchViewer.h"
#include "Measure.h"

#include "platform/files/DiskFileLister.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr int ListedFiles = 2000;

// An image of the folder with Joliet names, as a catalog disc made on Windows has them.
QString imageOf(const QString& folder, const QString& image) {
    QProcess tool;
    tool.start(QStringLiteral("genisoimage"),
               {QStringLiteral("-quiet"), QStringLiteral("-J"), QStringLiteral("-o"), image, folder});
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
        qFatal("genisoimage failed: %s", tool.readAllStandardError().constData());
    return image;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median times of showing a year on each viewer, taken in turns so that both see the same machine.
std::pair<double, double> displayTimes(BenchViewer& fromFolder, BenchViewer& fromImage, int button) {
    std::vector<double> folderTimes, imageTimes;
    for (int i = 0; i < Runs; ++i) {
        for (auto [viewer, times] :
             {std::pair{&fromFolder, &folderTimes}, std::pair{&fromImage, &imageTimes}}) {
            times->push_back(medianMilliseconds(
                1, [&] { viewer->showYear(button); },
                [&] {
                    viewer->showYear(0);
                    viewer->settle();
                }));
        }
    }
    return {median(folderTimes), median(imageTimes)};
}

catalog::Listing listAds(const platform::PathResolver& paths) {
    return platform::DiskFileLister(paths).list("D:\\ads\\*.jpg");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool allMet = true;

    BenchViewer fromFolder;
    fromFolder.drawn(QStringLiteral("53kxpe00.jpg"), 60, 80);
    for (int year = 63; year <= 65; ++year)
        fromFolder.scan(QStringLiteral("%1kxpe00.jpg").arg(year), unsigned(year));
    BenchViewer fromImage;
    fromImage.useDrive(imageOf(fromFolder.fake.root() + QStringLiteral("/cd"),
                               fromImage.fake.root() + QStringLiteral("/catalog.iso")));
    fromFolder.start();
    fromImage.start();
    if (!fromFolder.window().isVisible() || !fromImage.window().isVisible()) {
        std::fprintf(stderr, "a main window did not open\n");
        return 2;
    }
    // Both show the same page, in full, before anything is timed.
    for (BenchViewer* viewer : {&fromFolder, &fromImage}) {
        viewer->showYear(10);
        viewer->settle();
        if (viewer->window().PicSrc->size() != QSize(2550, 3300)) {
            std::fprintf(stderr, "the ad of 1963 is not shown\n");
            return 2;
        }
    }
    double folderSum = 0;
    double imageSum = 0;
    for (const int button : {10, 11, 12}) {
        const auto [folder, image] = displayTimes(fromFolder, fromImage, button);
        folderSum += folder;
        imageSum += image;
    }
    std::printf("year display: %.1f ms from the folder, %.1f ms from the image (three years)\n", folderSum,
                imageSum);
    allMet &= report(QStringLiteral("image-year-display"), imageSum / folderSum, 1.1);

    QTemporaryDir many;
    QDir().mkpath(many.filePath(QStringLiteral("cd/ads")));
    for (int i = 0; i < ListedFiles; ++i) {
        QFile file(
            many.filePath(QStringLiteral("cd/ads/%1%2%3.jpg")
                              .arg((53 + i % 49) % 100, 2, 10, QLatin1Char('0'))
                              .arg(QLatin1String(std::array{"kxpe", "pekx", "pepe", "peto"}[(i / 49) % 4]))
                              .arg(i / 196, 2, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write("not a picture") < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    platform::DriveTable folderDrives;
    folderDrives.set('D', many.filePath(QStringLiteral("cd")));
    platform::DriveTable imageDrives;
    imageDrives.set('D',
                    imageOf(many.filePath(QStringLiteral("cd")), many.filePath(QStringLiteral("many.iso"))));
    const platform::PathResolver folderPaths(folderDrives);
    const platform::PathResolver imagePaths(imageDrives);
    if (listAds(folderPaths).names.size() != ListedFiles || listAds(imagePaths).names.size() != ListedFiles) {
        std::fprintf(stderr, "the listings do not hold the %d files\n", ListedFiles);
        return 2;
    }
    const double folderListing = medianMilliseconds(Runs, [&] { listAds(folderPaths); });
    const double firstLook = medianMilliseconds(Runs, [&] { listAds(platform::PathResolver(imageDrives)); });
    const double laterLook = medianMilliseconds(Runs, [&] { listAds(imagePaths); });
    std::printf("listing 2000 files: %.2f ms from the folder, %.2f ms from the image at the first look, "
                "%.2f ms at later looks\n",
                folderListing, firstLook, laterLook);
    allMet &= report(QStringLiteral("image-listing-2000"), firstLook / folderListing, 1.5);
    allMet &= report(QStringLiteral("image-listing-2000-later"), laterLook / folderListing, 1.5);

    if (fromFolder.fake.messageBoxes.unexpectedBoxes() + fromImage.fake.messageBoxes.unexpectedBoxes() > 0) {
        std::fprintf(stderr, "a message box came up during the run\n");
        return 2;
    }
    return allMet ? 0 : 1;
}

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace state {

// Where the ads and the documents are read from.
struct DataLocation {
    QString AdRoot;  // root of the "\ads\" folder: a drive ("E:") or the local copy folder
    QString DocRoot; // root of the catalog disc: a drive, or the program folder in the "HWI" mode
};

// The one report of missing data, and the scratch text every message is built in.
struct DriveReport {
    QString ErrorCode;
    QString MessageText;
    QString MessageReply;
};

struct CatalogState {
    QString CategoryKey; // empty until the first category click
    QStringList AdFileList;
    int AdFileCount = 0;
};

// What is on view.
struct ShownAd {
    int ShownYearButton = 0;
    QString YearText;
    QString DocumentTitle;
    int AdNumber = 0;
    int AdCount = 0;
    // The shown year's first ad; stepping works from it, so that opening a document (which reuses
    // DocumentTitle) cannot derail it.
    QString FirstAdPath;
};

struct ViewState {
    QString ZoomState;
};

struct OutputState {
    int PrintReply = 0;
};

struct CopyState {
    std::int64_t CopyBytesLeft = 0; // below zero once more than 100,000,000 bytes are copied; any size fits
    QString CopySource;
    QString CopyTarget;
};

struct TaskBarState {
    quintptr TrayWindow = 0;
};

// The program-wide state, owned by the composition root and handed to each subsystem by reference.
struct ProgramState {
    DataLocation location;
    DriveReport report;
    CatalogState catalog;
    ShownAd shown;
    ViewState view;
    OutputState output;
    CopyState copy;
    TaskBarState taskBar;
};

inline const QString ProductTitle = QStringLiteral("Vantor Ads - The Marketing of Roadmark");
// The colon form titles the main window and a few questions.
inline const QString ColonTitle = QStringLiteral("Vantor Ads: The Marketing of Roadmark");
inline const QString ApplicationTitle = QStringLiteral("VantorAds");
inline const QString CrLf = QStringLiteral("\r\n");
// Written beside the local copy's "\ads\" folder, after every ad of the disc is in it and on the disk; the
// start takes the local copy for the ads only while this file is there.
inline const QString CopyCompleteRecord = QStringLiteral("\\ads.complete");

} // namespace state

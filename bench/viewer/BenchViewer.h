#pragma once

#include "SlowDisc.h"

#include "platform/doubles/FakeServices.h"
#include "program/Program.h"

#include <QAbstractButton>
#include <QString>

#include <memory>

namespace ui {
class Form1;
}
namespace picture {
class ShownAdModel;
}

// The real program on fake services, with the ads in the folder cd/ads of its temporary folder on drive
// D:, or on whatever D: is made to stand for before the start; driven and timed as a user's clicks are.
// Its files are read through a disc that can be made as slow as a CD drive.
struct BenchViewer {
    platform::FakeServices fake;
    SlowDisc disc{fake.paths};
    platform::Services services;
    std::unique_ptr<program::Program> program;
    QString ads;

    BenchViewer();

    // Makes D: stand for this folder or disc image instead of cd.
    void useDrive(const QString& folderOrImage);
    // A drawn ad page and a scan-like one, in the ads folder.
    QString drawn(const QString& name, int width, int height);
    QString scan(const QString& name, unsigned seed);

    void start();
    ui::Form1& window();
    picture::ShownAdModel& model();

    // Lets every decode under way on the workers end, so that a timed run starts from rest.
    void settle();

    // From the click until the window has painted what changed and the ad is drawn in the view on screen
    // (painted again if the pending updates had not reached it yet; a second paint only copies the
    // cached stretched picture).
    void showYear(int button);
    void click(QAbstractButton* button);
};

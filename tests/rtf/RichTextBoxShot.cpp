// Shows an RTF file in a RichTextBox of the document window's size and saves a picture of it, so that a
// person can look at what the box really shows (run under Xvfb or on the offscreen platform).
//   richtextbox-shot FILE OUT.png [WIDTH HEIGHT]

#include "ui/RichTextBox.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 5) {
        std::fputs("usage: richtextbox-shot FILE OUT.png [WIDTH HEIGHT]\n", stderr);
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    ui::RichTextBox box;
    if (const rtf::RtfError error = box.load(file.readAll(), QFileInfo(file).fileName());
        error != rtf::RtfError::None) {
        std::fprintf(stderr, "%s\n", qPrintable(rtf::describeRtfError(error)));
        return 1;
    }
    // 7695 x 6015 twips at 15 twips per pixel, the box of the document window.
    const int width = argc == 5 ? QByteArray(argv[3]).toInt() : 513;
    const int height = argc == 5 ? QByteArray(argv[4]).toInt() : 401;
    box.resize(width, height);
    box.show();
    QApplication::processEvents();
    return box.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}

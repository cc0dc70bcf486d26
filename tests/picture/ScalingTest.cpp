#include "picture/Scaling.h"

#include <QTest>

// Stretching a picture to a view: the sizes it gives, and the exact box averages of the halving.
class ScalingTest : public QObject {
    Q_OBJECT
private slots:
    void stretch_data();
    void stretch();
};

namespace {

// Tiles of 2 x 2 pixels at levels 10, 20 / 30, 40, whose box average is 25; in colour, blue runs the other
// way and green stays at 200.
QImage tiled(QSize size, QImage::Format format) {
    QImage picture(size, format);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int level = 10 + 10 * (x % 2) + 20 * (y % 2);
            if (format == QImage::Format_Grayscale8)
                picture.scanLine(y)[x] = uchar(level);
            else
                picture.setPixel(x, y, qRgb(level, 200, 255 - level));
        }
    return picture;
}

} // namespace

void ScalingTest::stretch_data() {
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<int>("tolerance");
    const QColor colour(25, 200, 230);
    const QColor grey(25, 25, 25);
    const auto rgb = QImage::Format_RGB32;
    const auto gray = QImage::Format_Grayscale8;
    QTest::newRow("colour, halved once") << rgb << QSize(4, 2) << QSize(2, 1) << colour << 0;
    QTest::newRow("colour, odd sizes drop a column and a row")
        << rgb << QSize(5, 3) << QSize(2, 1) << colour << 0;
    QTest::newRow("colour, halved on two threads")
        << rgb << QSize(2048, 1024) << QSize(1024, 512) << colour << 0;
    QTest::newRow("colour, a scan to the normal view")
        << rgb << QSize(2400, 3200) << QSize(451, 555) << colour << 0;
    QTest::newRow("grey, halved once") << gray << QSize(4, 2) << QSize(2, 1) << grey << 0;
    QTest::newRow("grey, halved on two threads")
        << gray << QSize(2048, 1024) << QSize(1024, 512) << grey << 0;
    QTest::newRow("another format, filtered only")
        << QImage::Format_ARGB32 << QSize(40, 20) << QSize(20, 10) << colour << 3;
    QTest::newRow("an empty view") << rgb << QSize(64, 64) << QSize(0, 0) << QColor() << 0;
}

void ScalingTest::stretch() {
    QFETCH(QImage::Format, format);
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(QColor, shown);
    QFETCH(int, tolerance);
    const QImage stretched = picture::stretch(tiled(from, format), to);
    QCOMPARE(stretched.size(), to);
    if (to.isEmpty())
        return;
    // The last pixel: the lower half of a picture halved on two threads is the other thread's.
    const QColor last = stretched.pixelColor(to.width() - 1, to.height() - 1);
    for (const auto& [got, wanted] :
         {std::pair{last.red(), shown.red()}, std::pair{last.green(), shown.green()},
          std::pair{last.blue(), shown.blue()}})
        QVERIFY2(std::abs(got - wanted) <= tolerance,
                 qPrintable(last.name() + QStringLiteral(" for ") + shown.name()));
}

QTEST_MAIN(ScalingTest)
#include "ScalingTest.moc"

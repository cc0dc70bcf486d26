#include "PdfPages.h"

#include "output/PrintAd.h"
#include "platform/desktop/SystemPrinter.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

// An ad printed through the real printer into a PDF, read back with poppler's tools.
class PrintAdTest : public QObject {
    Q_OBJECT
private slots:
    void printsAtItsOwnSizeFromTheCornerOfThePrintableArea();
};

void PrintAdTest::printsAtItsOwnSizeFromTheCornerOfThePrintableArea() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ad.pdf"));
    platform::SystemPrinter printer(file);
    printer.printer().setPageSize(QPageSize(QPageSize::Letter));
    printer.printer().setPageMargins(QMarginsF(0.5, 0.25, 0.5, 0.25), QPageLayout::Inch);

    QImage ad(600, 400, QImage::Format_RGB32);
    ad.fill(Qt::darkBlue);
    QVERIFY(output::PrintAd(ad, 96, printer).ok);
    QCOMPARE(pdf::pageCount(file), 1);
    const QList<pdf::Picture> pictures = pdf::pictures(file);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures[0].width, 600);
    QCOMPARE(pictures[0].height, 400);
    QCOMPARE(pictures[0].xPpi, 96); // six and a quarter inches wide, as on the screen
    QCOMPARE(pictures[0].yPpi, 96);

    // At 96 dots an inch the printable area starts 48 dots in and 24 down.
    const QImage page = pdf::render(file, 1, 96);
    QVERIFY(qGray(page.pixel(49, 25)) < 100);
    QVERIFY(qGray(page.pixel(46, 25)) > 200);
    QVERIFY(qGray(page.pixel(49, 22)) > 200);
    QVERIFY(qGray(page.pixel(48 + 598, 24 + 398)) < 100);
    QVERIFY(qGray(page.pixel(48 + 603, 24 + 398)) > 200);

    // Larger than the page: one page still, cut off rather than shrunk.
    QImage huge(4000, 6000, QImage::Format_RGB32);
    huge.fill(Qt::red);
    QVERIFY(output::PrintAd(huge, 96, printer).ok);
    QCOMPARE(pdf::pageCount(file), 1);
    QCOMPARE(pdf::pictures(file)[0].xPpi, 96);
}

QTEST_MAIN(PrintAdTest)
#include "PrintAdTest.moc"

#include "picture/Scaling.h"
#include "platform/doubles/RecordingPrinter.h"
#include "platform/doubles/RecordingShell.h"
#include "ui/CommonDialog.h"
#include "ui/ImageBox.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>

using namespace ui;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void commandReportsProgramKeyCodes_data();
    void commandReportsProgramKeyCodes();
    void commandClickAndCaption();
    void commandPictureKeepsAccessibleCaption();
    void commandCaptionColour();
    void panelCaptionAndChildren();
    void gaugeFillIsClampedButCaptionIsFree();
    void gaugeRepaintsAtMostOnceAFrameAndEndsOnItsLastValue();
    void spinArrowsRaiseDownThenUp();
    void scrollBarRunsDownToNegativeMaximum();
    void scrollBarChangesOnlyOnRealChange();
    void imageBoxStretchesOncePerSize();
    void stretchingAveragesFineDetail_data();
    void stretchingAveragesFineDetail();
    void pictureBoxAutoSizeAndMouse();
    void commonDialogHandsItsSettingsToThePlatform();
};

void ControlsTest::commandReportsProgramKeyCodes_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code");
    QTest::newRow("comma") << int(Qt::Key_Comma) << 188;
    QTest::newRow("less-than (shifted comma)") << int(Qt::Key_Less) << 188;
    QTest::newRow("full stop") << int(Qt::Key_Period) << 190;
    QTest::newRow("greater-than (shifted full stop)") << int(Qt::Key_Greater) << 190;
    QTest::newRow("letter a") << int(Qt::Key_A) << 65;
    QTest::newRow("letter z") << int(Qt::Key_Z) << 90;
    QTest::newRow("digit 0") << int(Qt::Key_0) << 48;
    QTest::newRow("digit 9") << int(Qt::Key_9) << 57;
    QTest::newRow("space") << int(Qt::Key_Space) << 32;
    QTest::newRow("enter") << int(Qt::Key_Return) << 13;
    QTest::newRow("right arrow") << int(Qt::Key_Right) << 39;
    QTest::newRow("F1") << int(Qt::Key_F1) << 112;
    QTest::newRow("a key without a code") << int(Qt::Key_Menu) << 0;
}

void ControlsTest::commandReportsProgramKeyCodes() {
    QFETCH(int, qtKey);
    QFETCH(int, code);
    SSCommand button(QStringLiteral("1963"));
    button.setReportsKeys(true);
    button.show();
    QSignalSpy keys(&button, &SSCommand::keyDown);
    QTest::keyPress(&button, Qt::Key(qtKey));
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.first().first().toInt(), code);
    // The key is the handler's: the button is not left drawn pressed.
    QVERIFY(!button.isDown());
}

void ControlsTest::commandClickAndCaption() {
    SSCommand button(QStringLiteral("Zoom In"));
    button.resize(73, 25);
    button.show();
    QSignalSpy clicks(&button, &SSCommand::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    button.setCaption(QStringLiteral(" 1976*"));
    QCOMPARE(button.text(), QStringLiteral(" 1976*"));
    QCOMPARE(button.accessibleName(), QStringLiteral(" 1976*"));
}

void ControlsTest::commandPictureKeepsAccessibleCaption() {
    SSCommand button(QStringLiteral("Print"));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    button.setPicture(picture);
    QVERIFY(!button.icon().isNull());
    QVERIFY(button.text().isEmpty());
    QCOMPARE(button.accessibleName(), QStringLiteral("Print"));
    QCOMPARE(button.caption(), QStringLiteral("Print"));
}

void ControlsTest::commandCaptionColour() {
    SSCommand button(QStringLiteral("1963"));
    button.setCaptionColour(QColor(255, 0, 0));
    QCOMPARE(button.palette().color(QPalette::Active, QPalette::ButtonText), QColor(255, 0, 0));
    QCOMPARE(button.captionColour(), QColor(255, 0, 0));
    // Disabled, the caption fades towards the face instead of standing out.
    const QColor face = button.palette().color(QPalette::Active, QPalette::Button);
    const QColor faded = button.palette().color(QPalette::Disabled, QPalette::ButtonText);
    QVERIFY(qAbs(faded.red() - face.red()) < qAbs(255 - face.red()));
    QVERIFY(qAbs(faded.green() - face.green()) < qAbs(0 - face.green()));
    QVERIFY(faded.red() > faded.green()); // still reddish
}

void ControlsTest::panelCaptionAndChildren() {
    SSPanel panel(QStringLiteral("StatusDay"));
    panel.setGeometry(16, 504, 97, 25);
    QCOMPARE(panel.caption(), QStringLiteral("StatusDay"));
    QCOMPARE(panel.accessibleName(), QStringLiteral("StatusDay"));
    SSPanel child(QStringLiteral("inner"), &panel);
    child.move(10, 5);
    QCOMPARE(child.mapTo(&panel, QPoint(0, 0)), QPoint(10, 5));
    panel.setCaption(QStringLiteral("Tuesday"));
    QCOMPARE(panel.accessibleName(), QStringLiteral("Tuesday"));
}

void ControlsTest::gaugeFillIsClampedButCaptionIsFree() {
    SSPanel gauge;
    gauge.setGauge(true);
    gauge.setFillPercent(42);
    QCOMPARE(gauge.fillPercent(), 42);
    QCOMPARE(gauge.accessibleDescription(), QStringLiteral("42 percent"));
    gauge.setFillPercent(130);
    gauge.setCaption(QStringLiteral("130"));
    QCOMPARE(gauge.fillPercent(), 100);
    QCOMPARE(gauge.caption(), QStringLiteral("130"));
    gauge.setFillPercent(-5);
    QCOMPARE(gauge.fillPercent(), 0);
    gauge.resize(433, 25);
    gauge.grab(); // painting a clamped gauge must stay inside the face
}

void ControlsTest::gaugeRepaintsAtMostOnceAFrameAndEndsOnItsLastValue() {
    // What the gauge draws: its caption at each paint.
    struct PaintedCaptions : QObject {
        QStringList seen;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                seen.append(static_cast<SSPanel*>(watched)->caption());
            return false;
        }
    } painted;
    SSPanel gauge;
    gauge.setGauge(true);
    gauge.resize(433, 25);
    gauge.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gauge));
    gauge.installEventFilter(&painted);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int percent = 1; percent <= 100; ++percent) { // as a copy moves it, with events after each step
        gauge.setFillPercent(percent);
        gauge.setCaption(QString::number(percent));
        QCoreApplication::processEvents();
    }
    QVERIFY2(painted.seen.size() <= elapsed.elapsed() / 16 + 2, qPrintable(painted.seen.join(' ')));
    QTRY_COMPARE(painted.seen.isEmpty() ? QString() : painted.seen.last(), QStringLiteral("100"));
}

void ControlsTest::spinArrowsRaiseDownThenUp() {
    SpinButton spin;
    spin.setGeometry(320, 528, 57, 24);
    spin.show();
    QSignalSpy down(&spin, &SpinButton::spinDown);
    QSignalSpy up(&spin, &SpinButton::spinUp);
    QVERIFY(spin.downArrow()->geometry().right() < spin.upArrow()->geometry().left());
    QTest::mouseClick(spin.downArrow(), Qt::LeftButton);
    QCOMPARE(down.count(), 1);
    QCOMPARE(up.count(), 0);
    QTest::mouseClick(spin.upArrow(), Qt::LeftButton);
    QCOMPARE(up.count(), 1);
    QCOMPARE(spin.downArrow()->accessibleName(), QStringLiteral("Previous ad"));
    QCOMPARE(spin.upArrow()->accessibleName(), QStringLiteral("Next ad"));
}

void ControlsTest::scrollBarRunsDownToNegativeMaximum() {
    ScrollBar bar(Qt::Horizontal);
    bar.setGeometry(314, 504, 481, 18);
    bar.show();
    bar.setMaximumValue(-195); // an ad 600 pixels wide in a 795 pixel view
    QCOMPARE(bar.maximumValue(), -195);
    QCOMPARE(bar.value(), 0);
    // The thumb starts at the left end at 0 and moving it right goes towards the negative end.
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_Right);
    QVERIFY(bar.value() < 0);
    bar.setValue(-195);
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.value();
    option.sliderValue = bar.value();
    option.upsideDown = bar.invertedAppearance();
    const QRect thumb =
        bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    QVERIFY(thumb.center().x() > bar.width() / 2);

    bar.setMaximumValue(805);
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), 805);
    QVERIFY(!bar.invertedAppearance());
}

void ControlsTest::scrollBarChangesOnlyOnRealChange() {
    ScrollBar bar(Qt::Vertical);
    bar.setMaximumValue(702);
    QSignalSpy changes(&bar, &ScrollBar::valueChanged);
    bar.setValue(0);
    QCOMPARE(changes.count(), 0);
    bar.setValue(300);
    QCOMPARE(changes.count(), 1);
    QVERIFY(!bar.hasTracking()); // dragging the thumb changes nothing until it is let go
}

void ControlsTest::imageBoxStretchesOncePerSize() {
    ImageBox box;
    box.setGeometry(0, 0, 451, 555);
    QImage picture(1100, 1450, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    box.setPicture(picture);
    QVERIFY(box.picture().constBits() == picture.constBits()); // shared, not copied
    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.size(), QSize(451, 555));
    QCOMPARE(QColor(shown.pixel(225, 277)), QColor(10, 200, 30));
    box.resize(793, 508);
    const QImage wide = box.grab().toImage();
    QCOMPARE(QColor(wide.pixel(790, 505)), QColor(10, 200, 30));
}

void ControlsTest::stretchingAveragesFineDetail_data() {
    QTest::addColumn<QImage::Format>("format");
    QTest::newRow("colour scan") << QImage::Format_RGB32;
    QTest::newRow("grey scan") << QImage::Format_Grayscale8;
}

void ControlsTest::stretchingAveragesFineDetail() {
    QFETCH(QImage::Format, format);
    // A halftone-like scan of one-pixel black and white columns must shrink to an even grey, never to
    // stripes or to one of the two colours.
    QImage stripes(2400, 3200, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(stripes.scanLine(y));
        for (int x = 0; x < stripes.width(); ++x)
            line[x] = x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    stripes.convertTo(format);
    for (const QSize size : {QSize(451, 555), QSize(793, 508)}) {
        const QImage shown = picture::stretch(stripes, size);
        QCOMPARE(shown.size(), size);
        for (int x = 0; x < size.width(); x += 37) {
            const int grey = qGray(shown.pixel(x, size.height() / 2));
            QVERIFY2(grey > 110 && grey < 145, qPrintable(QStringLiteral("x %1: %2").arg(x).arg(grey)));
        }
    }
    QImage flat(1100, 1450, QImage::Format_RGB32);
    flat.fill(QColor(200, 30, 90));
    flat.convertTo(format);
    QCOMPARE(QColor(picture::stretch(flat, {451, 555}).pixel(200, 300)), QColor(flat.pixel(0, 0)));
}

void ControlsTest::pictureBoxAutoSizeAndMouse() {
    PictureBox source;
    source.setAutoSize(true);
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    source.setPicture(picture);
    QCOMPARE(source.size(), QSize(1600, 1200));

    PictureBox view;
    view.setBackgroundColour(QColor(128, 128, 128));
    view.setGeometry(0, 0, 300, 200);
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(Qt::yellow);
    view.setPicture(small);
    QCOMPARE(view.size(), QSize(300, 200));
    const QImage shown = view.grab().toImage();
    QCOMPARE(QColor(shown.pixel(50, 25)), QColor(Qt::yellow));
    QCOMPARE(QColor(shown.pixel(250, 150)), QColor(128, 128, 128));

    view.show();
    QSignalSpy released(&view, &PictureBox::mouseReleased);
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(20, 20));
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.first().first().value<Qt::MouseButton>(), Qt::RightButton);
}

void ControlsTest::commonDialogHandsItsSettingsToThePlatform() {
    QWidget owner;
    CommonDialog dialog(&owner);
    platform::RecordingPrinter printer;
    printer.setSetupAccepted(false);
    dialog.setFlags(CommonDialog::PrintSetupFlag);
    QCOMPARE(dialog.flags(), 64);
    QVERIFY(!dialog.ShowPrinter(printer)); // the user cancelled
    QCOMPARE(printer.setups(), 1);
}

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"

#include "view/ViewLayout.h"

#include "state/ProgramState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"
#include "view/CategoryOptions.h"
#include "view/ViewGeometry.h"
#include "view/YearFocus.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace view {

ViewLayout::ViewLayout(ui::Form1& window, state::ViewState& view, const state::CatalogState& catalog,
                       const state::ShownAd& shown, CategoryOptions& categories, QObject* parent)
    : QObject(parent), window_(window), view_(view), catalog_(catalog), shown_(shown),
      categories_(categories) {}

void ViewLayout::LayoutNormalView() {
    ui::Form1& w = window_;
    w.cmdZoom->move(geometry::zoomButtonAboveExit(w.SSCommand2->geometry(), w.cmdZoom->height()));
    w.SSCommand2->setEnabled(false);
    w.SSCommand4->setEnabled(false);
    w.SSPanel2->show();
    w.StatusDay->show();
    w.StatusDate->show();
    w.StatusTime->show();
    w.Image1->hide();
    w.Image1->setGeometry(ui::AdViewControls::NormalImage);
    w.panText3->show();
    w.cmdZoomOut->hide();
    w.SSCommand5->hide();
    w.SpinButton1->raise();
    w.Image1->show();
    w.picDest->hide();
    w.HScroll1->hide();
    w.VScr->hide();
    w.panParent->hide();
    // "Exit" and "Wide" stay disabled while the pending events run, so neither acts on a half-made layout.
    QCoreApplication::processEvents();
    categories_.EnableYearButtons(catalog_.CategoryKey);
    w.SSCommand2->setEnabled(true);
    w.SSCommand4->setEnabled(true);
    w.cmdZoom->setEnabled(true);
}

void ViewLayout::LayoutZoomView() {
    ui::Form1& w = window_;
    w.cmdZoom->setEnabled(false);
    w.picDest->raise();
    w.VScr->setValue(0);
    w.VScr->resize(w.VScr->width(), geometry::zoomedHeight(w.PnlCoStar->geometry()));
    w.VScr->raise();
    w.panParent->move(geometry::captionPanelLeft(w.Text1->geometry()), w.panParent->y());
    w.panParent->show();
    w.Image1->hide();
    w.panText3->hide();
    w.cmdZoomOut->show();
    w.SSCommand5->show();
    w.picDest->setGeometry(
        geometry::zoomedPicture(w.cmdZoomOut->geometry(), w.VScr->width(), w.PnlCoStar->geometry()));
    w.picDest->show();
    w.VScr->show();
    w.HScroll1->setValue(0);
    w.HScroll1->show();
    w.HScroll1->setMaximumValue(geometry::horizontalScrollMaximum(w.PicSrc->width(), w.HScroll1->geometry()));
}

void ViewLayout::LayoutWideView() {
    ui::Form1& w = window_;
    w.SSCommand5->setCaption(QStringLiteral("Zoom In"));
    w.cmdZoom->move(w.cmdZoom->x(), geometry::parkedZoomButtonTop(w.cmdZoomOut->geometry()));
    w.SSCommand5->show();
    w.SSCommand2->setEnabled(false);
    w.SSCommand4->setEnabled(false);
    w.cmdZoom->setEnabled(false);
    w.StatusDay->hide();
    w.StatusDate->hide();
    w.StatusTime->hide();
    w.panText3->hide();
    w.panParent->move(geometry::captionPanelLeft(w.Text1->geometry()), w.panParent->y());
    w.panParent->show();
    w.cmdZoomOut->show();
    w.SSPanel2->hide();
    w.SSCommand2->setEnabled(false);
    w.SSCommand4->setEnabled(false);
    w.Image1->hide();
    w.picDest->hide();
    w.HScroll1->hide();
    w.VScr->hide();
    w.Image1->setGeometry(geometry::widePicture(w.cmdZoomOut->geometry(), w.Image1->y()));
    w.Image1->bringToFront();
    w.Image1->show();
}

void ViewLayout::zoomInClicked() {
    window_.SSCommand5->setCaption(QStringLiteral("Wide"));
    view_.ZoomState = QStringLiteral("1");
    LayoutZoomView();
}

void ViewLayout::wideClicked() {
    view_.ZoomState = QStringLiteral("0");
    LayoutWideView();
}

void ViewLayout::toggleClicked() {
    if (view_.ZoomState.toInt() == 1) {
        LayoutWideView();
        window_.SSCommand5->setCaption(QStringLiteral("Zoom In"));
        view_.ZoomState = QStringLiteral("0");
        return;
    }
    window_.SSCommand5->setCaption(QStringLiteral("Wide"));
    window_.SSPanel2->show();
    window_.StatusDay->show();
    window_.StatusDate->show();
    window_.StatusTime->show();
    LayoutZoomView();
    view_.ZoomState = QStringLiteral("1");
}

void ViewLayout::zoomOutClicked() {
    LayoutNormalView();
    FocusNextYearButton(window_, catalog_.CategoryKey, shown_.ShownYearButton);
}

void ViewLayout::exitClicked() {
    window_.close();
}

} // namespace view

#include "ui/LeftPanel.h"

#include "ui/DesignHelpers.h"
#include "ui/YearButtonDesign.h"

#include <QGroupBox>
#include <QRadioButton>

namespace ui {

void LeftPanel::buildLeftPanel(QWidget* central) {
    SSPanel2 = design::panel({}, "SSPanel2", central, {16, 0, 297, 497});
    SSPanel2->setAccessibleName(QStringLiteral("Categories and years"));

    Frame2 = design::named(new QGroupBox(SSPanel2), "Frame2");
    Frame2->setGeometry(16, 4, 265, 48);
    Frame2->setAccessibleName(QStringLiteral("Category"));
    const QRect places[catalog::CategoryCount] = {
        {10, 4, 110, 20}, {10, 24, 110, 20}, {140, 4, 115, 20}, {140, 24, 115, 20}};
    for (const catalog::Category& category : catalog::categories()) {
        const std::size_t i = std::size_t(category.index);
        auto* option = new QRadioButton(
            QString::fromLatin1(category.caption.data(), qsizetype(category.caption.size())), Frame2);
        option->setObjectName(QStringLiteral("optParent_%1").arg(i));
        option->setFont(msSansSerif());
        option->setGeometry(places[i]);
        optParent[i] = option;
    }
    optParent[0]->setChecked(true);

    for (int i = 0; i < catalog::YearButtonCount; ++i) {
        const YearButtonDesign design = yearButtonDesign(i);
        auto* button = new SSCommand(design.caption, SSPanel2);
        button->setObjectName(QStringLiteral("cmdYear_%1").arg(i));
        button->setFont(msSansSerif());
        button->setGeometry(design.geometry);
        button->setCaptionColour(design.captionColour);
        button->setToolTip(design.toolTip);
        button->setReportsKeys(true);
        cmdYear[std::size_t(i)] = button;
    }

    SSCommand4 = design::button(QStringLiteral("Wide"), "SSCommand4", SSPanel2, {200, 416, 73, 25});
    SSCommand4->setEnabled(false);
    cmdZoom = design::button(QStringLiteral("Zoom In"), "cmdZoom", SSPanel2, {200, 440, 73, 25});
    cmdZoom->setEnabled(false);
    SSCommand2 = design::button(QStringLiteral("Exit"), "SSCommand2", SSPanel2, {200, 464, 73, 25});
}

} // namespace ui

#include "ui/TxtForm.h"

#include "ui/Artwork.h"
#include "ui/DesignHelpers.h"
#include "ui/RichTextBox.h"
#include "ui/Units.h"

namespace ui {

TxtForm::TxtForm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("txtForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(rectFromTwips(0, 0, 7965, 6735).size());

    rtbText = design::named(new RichTextBox(this), "rtbText");
    rtbText->setGeometry(rectFromTwips(120, 120, 7695, 6015));

    SSCommand1 =
        design::button(QStringLiteral("OK"), "SSCommand1", this, rectFromTwips(120, 6240, 7316, 375));
    SSCommand1->setFont(msSansSerif(8.25, true));
    SSCommand1->setDefault(true);

    cmdprint = design::button(QString(), "cmdprint", this, rectFromTwips(7440, 6240, 375, 375));
    cmdprint->setPicture(artwork::printerIcon());
    cmdprint->setAccessibleName(QStringLiteral("Print the document"));
    cmdprint->setToolTip(QStringLiteral("Print the document"));

    setTabOrder(rtbText, SSCommand1);
    setTabOrder(SSCommand1, cmdprint);
}

} // namespace ui

#include "tools/makecatalog/RtfWriter.h"
#include "tools/makecatalog/SampleCatalog.h"

namespace samplecatalog {

using rtf::bold;
using rtf::escape;
using rtf::italic;

QByteArray checklistRtf() {
    const QList<AdPage> ads = sampleAds();
    rtf::Document doc;
    doc.heading(QStringLiteral("Vantor Advertising Checklist"));
    doc.paragraph(
        {escape(QStringLiteral("This checklist names every advertisement on the ")),
         italic(QStringLiteral("Vantor Ads \u2013 The Marketing of Roadmark")),
         escape(QStringLiteral(" disc, in the order of the year buttons. Use it to mark the "
                               "printed ads you already own and the ones you are still looking for."))});
    doc.paragraph(
        {bold(QStringLiteral("How to read the list: ")),
         escape(QStringLiteral("the year is the model year of the ad (or the ZX spark-plug and "
                               "Related groups), the category says whether the Vantor appears alone "
                               "or beside the KX, the Pellion or the Tolvin, and the file is the "
                               "name of the scan in the ads folder.")),
         italic(QStringLiteral(" Numbers start at 00 within each year."))});
    doc.paragraph({escape(QStringLiteral("There are %1 ads in this sample.").arg(ads.size()))});

    const QList<int> widths{1400, 2000, 1200, 2400};
    doc.tableRow(
        {QStringLiteral("Year"), QStringLiteral("Category"), QStringLiteral("No."), QStringLiteral("File")},
        widths, true);
    for (const AdPage& ad : ads) {
        doc.tableRow({yearCaptionOf(ad), categoryWordOf(ad),
                      QStringLiteral("%1").arg(ad.number, 2, 10, QLatin1Char('0')), fileNameOf(ad)},
                     widths);
    }
    doc.paragraph({italic(QStringLiteral("Ads that turn up after this disc was made will be listed in the "
                                         "next edition."))});
    return doc.finish();
}

QByteArray noticeRtf() {
    rtf::Document doc;
    doc.heading(QStringLiteral("Notice"));
    doc.paragraph({escape(QStringLiteral("The advertisements on this disc were scanned from magazines, "
                                         "brochures and dealer sheets collected over many years. They are "
                                         "offered for the ")),
                   bold(QStringLiteral("private enjoyment")),
                   escape(QStringLiteral(" of Vantor owners and enthusiasts only."))});
    doc.paragraph({escape(QStringLiteral("The trademarks Vantor, KX, Pellion and Tolvin belong to their "
                                         "owners. The copyright of each advertisement remains with its "
                                         "original publisher; ")),
                   italic(QStringLiteral("no part of this disc may be resold")),
                   escape(QStringLiteral(" or published without permission."))});
    doc.paragraph({escape(QStringLiteral("Colours and sizes of the scans follow the printed pages as closely "
                                         "as the originals allowed. Some pages were yellowed or folded; they "
                                         "were cleaned up by hand, never redrawn."))});
    doc.paragraph({bold(QStringLiteral("Please note: ")),
                   escape(QStringLiteral("the program never writes to the disc. Copying the ads to the hard "
                                         "drive makes the pictures load faster and can be undone at any time "
                                         "from the menu."))});
    doc.paragraph({escape(QStringLiteral("\u00a9 1997 Kestrel Software. All rights reserved."))});
    return doc.finish();
}

QByteArray registerRtf() {
    rtf::Document doc;
    doc.heading(QStringLiteral("Kestrel Software Registration Form"));
    doc.paragraph({escape(QStringLiteral("Thank you for buying ")),
                   italic(QStringLiteral("Vantor Ads \u2013 The Marketing of Roadmark")),
                   escape(QStringLiteral(". Registered owners hear first about updates, new ads and the "
                                         "next edition of the disc. Please print this form, fill it in and "
                                         "mail it to the address on the second page."))});

    doc.subheading(QStringLiteral("About you"));
    doc.field(QStringLiteral("Name:"), 52);
    doc.field(QStringLiteral("Street address:"), 44);
    doc.field(QStringLiteral("City:"), 53);
    doc.field(QStringLiteral("State or province:"), 40);
    doc.field(QStringLiteral("Postal code:"), 46);
    doc.field(QStringLiteral("Country:"), 49);
    doc.field(QStringLiteral("Telephone:"), 48);
    doc.field(QStringLiteral("E-mail:"), 51);

    doc.subheading(QStringLiteral("About your purchase"));
    doc.field(QStringLiteral("Where did you buy the disc?"), 30);
    doc.field(QStringLiteral("Date of purchase:"), 42);
    doc.field(QStringLiteral("Serial number on the disc label:"), 26);

    doc.subheading(QStringLiteral("Your Vantors"));
    const QList<int> widths{1800, 2400, 2600, 2200};
    doc.tableRow({QStringLiteral("Model year"), QStringLiteral("Body style"), QStringLiteral("Colour"),
                  QStringLiteral("Owned since")},
                 widths, true);
    for (int row = 0; row < 4; ++row)
        doc.tableRow({QString(), QString(), QString(), QString()}, widths);

    doc.subheading(QStringLiteral("Comments"));
    doc.paragraph({escape(QStringLiteral("Which ads would you like to see in the next edition? Do you own "
                                         "printed ads that are missing from the checklist?"))});
    for (int line = 0; line < 5; ++line)
        doc.field(QString(), 70);

    doc.pageBreak();
    doc.subheading(QStringLiteral("Terms of registration"));
    doc.paragraph({escape(QStringLiteral("Registration is free. Your details are kept by Kestrel Software "
                                         "alone and are ")),
                   bold(QStringLiteral("never sold or lent")),
                   escape(QStringLiteral(" to anyone else. We write to registered owners at most twice a "
                                         "year."))});
    doc.paragraph({escape(QStringLiteral("The disc may be installed on one computer at a time. You may copy "
                                         "the ads to that computer's hard drive for faster viewing and print "
                                         "single ads for your own collection."))});
    doc.paragraph({italic(QStringLiteral("If you lend or give away the disc, please remove the copied ads "
                                         "from your hard drive first.")),
                   escape(QStringLiteral(" The program's menu has a command for this."))});
    doc.paragraph({escape(QStringLiteral("Kestrel Software replaces a damaged disc free of charge within "
                                         "ninety days of purchase; after that a small fee covers the cost "
                                         "of the disc and postage."))});

    doc.subheading(QStringLiteral("Mail this form to"));
    doc.paragraph({bold(QStringLiteral("Kestrel Software")),
                   escape(QStringLiteral("\nRegistration Department\nP.O. Box 1953\nSpringvale, KS 67000"))});

    doc.field(QStringLiteral("Signature:"), 40);
    doc.field(QStringLiteral("Date:"), 20);
    return doc.finish();
}

} // namespace samplecatalog

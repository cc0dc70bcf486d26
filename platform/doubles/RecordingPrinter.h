#pragma once

#include "platform/Printer.h"

#include <QTextDocument>
#include <vector>

namespace platform {

class RecordingPrinter : public Printer {
public:
    struct ImagePrint {
        QImage image;
        double pixelsPerInch;
    };
    struct DocumentPrint {
        QString plainText;
        MarginsTwips margins;
    };

    // Every print from now on fails with this error; an empty text lets them succeed again.
    void failWith(const QString& error) { error_ = error; }
    void setSetupAccepted(bool accepted) { setupAccepted_ = accepted; }

    PrintStatus printImage(const QImage& image, double pixelsPerInch) override {
        images_.push_back({image, pixelsPerInch});
        return status();
    }
    PrintStatus printDocument(const QTextDocument& document, const MarginsTwips& margins) override {
        documents_.push_back({document.toPlainText(), margins});
        return status();
    }
    bool setup(QWidget*) override {
        ++setups_;
        return setupAccepted_;
    }

    const std::vector<ImagePrint>& images() const { return images_; }
    const std::vector<DocumentPrint>& documents() const { return documents_; }
    int setups() const { return setups_; }

private:
    PrintStatus status() const {
        return error_.isEmpty() ? PrintStatus::success() : PrintStatus::failure(error_);
    }

    QString error_;
    bool setupAccepted_ = true;
    std::vector<ImagePrint> images_;
    std::vector<DocumentPrint> documents_;
    int setups_ = 0;
};

} // namespace platform

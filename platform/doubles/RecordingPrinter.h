#pragma once

#include "platform/desktop/Printer.h"

#include <QImage>
#include <QPainter>
#include <deque>
#include <vector>

namespace platform {

// A printer whose pages are pictures the test can look at: a letter-size sheet with a quarter-inch
// unprintable border, at 96 dots an inch. It can be told to fail as a missing or broken printer would.
class RecordingPrinter : public Printer {
public:
    static constexpr double dotsPerInch = 96;

    // Every job from now on fails to start with this error; an empty text lets them start again.
    void failWith(const QString& error) { error_ = error; }
    void setSetupAccepted(bool accepted) { setupAccepted_ = accepted; }

    StartedJob start() override {
        ++starts_;
        if (!error_.isEmpty())
            return {PrintStatus::failure(error_), nullptr};
        return {PrintStatus::success(), std::make_unique<Job>(*this)};
    }
    bool setup(QWidget*) override {
        ++setups_;
        return setupAccepted_;
    }

    int starts() const { return starts_; }
    int setups() const { return setups_; }
    // The pages of every finished job, in order.
    const std::vector<QImage>& pages() const { return pages_; }
    int finishedJobs() const { return finished_; }

private:
    class Job : public PrintJob {
    public:
        explicit Job(RecordingPrinter& printer) : printer_(printer) { begin(); }
        PageGeometry page() const override { return {12240, 15840, 360, 360, 11520, 15120}; }
        double devicePixelsPerTwip() const override { return dotsPerInch / 1440; }
        QPaintDevice& device() override { return pages_.back(); }
        QPainter& painter() override { return painter_; }
        PrintStatus newPage() override {
            painter_.end();
            begin();
            return PrintStatus::success();
        }
        PrintStatus finish() override {
            painter_.end();
            printer_.pages_.insert(printer_.pages_.end(), pages_.begin(), pages_.end());
            ++printer_.finished_;
            return PrintStatus::success();
        }

    private:
        void begin() {
            pages_.emplace_back(768, 1008, QImage::Format_RGB32); // the printable area at 96 dpi
            pages_.back().fill(Qt::white);
            pages_.back().setDotsPerMeterX(int(dotsPerInch / 0.0254));
            pages_.back().setDotsPerMeterY(int(dotsPerInch / 0.0254));
            painter_.begin(&pages_.back());
        }
        RecordingPrinter& printer_;
        std::deque<QImage> pages_; // a page keeps its place while the job adds more: text is laid out on it
        QPainter painter_;
    };

    QString error_;
    bool setupAccepted_ = true;
    int starts_ = 0;
    int setups_ = 0;
    int finished_ = 0;
    std::vector<QImage> pages_;
};

} // namespace platform

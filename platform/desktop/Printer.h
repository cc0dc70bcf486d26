#pragma once

#include <QString>
#include <memory>
#include <optional>

class QPaintDevice;
class QPainter;
class QWidget;

namespace platform {

struct PrintStatus {
    bool ok = true;
    QString error;

    static PrintStatus success() { return {}; }
    static PrintStatus failure(QString error) { return {false, std::move(error)}; }
};

// The page of a print job as the printer reports it, in twips (1/1440 inch).
struct PageGeometry {
    double paperWidth = 0;
    double paperHeight = 0;
    double printableLeft = 0; // distance of the printable area from the paper's left edge
    double printableTop = 0;  // and from its top edge
    double printableWidth = 0;
    double printableHeight = 0;
};

// An open print job on its current page. The painter's origin is the top-left corner of the printable
// area and its unit is one device pixel; nothing is printed before finish() succeeds.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual PageGeometry page() const = 0;
    virtual double devicePixelsPerTwip() const = 0;
    // What text is laid out for, so that fonts and pictures come out at their size on paper.
    virtual QPaintDevice& device() = 0;
    virtual QPainter& painter() = 0;
    virtual PrintStatus newPage() = 0;
    // Ends the job: the pages go to the printer. A job dropped without finishing prints nothing.
    virtual PrintStatus finish() = 0;
};

struct StartedJob {
    PrintStatus status;
    std::unique_ptr<PrintJob> job; // set only when status.ok
};

class Printer {
public:
    virtual ~Printer() = default;
    // Opens a job on the current printer with its current settings, and its first page.
    virtual StartedJob start() = 0;
    // The Print Setup dialog; the choices are kept for the jobs that follow. False when cancelled.
    virtual bool setup(QWidget* parent) = 0;
};

} // namespace platform

#include "ScanLikePage.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// A smooth picture: a few soft blobs of colour over a sky-to-ground gradient.
struct Photo {
    struct Blob {
        double x, y, radius;
        double r, g, b;
    };
    std::vector<Blob> blobs;
    int width;
    int height;

    void colourAt(int x, int y, double& r, double& g, double& b) const {
        const double t = double(y) / height;
        r = 200 - 120 * t;
        g = 190 - 90 * t;
        b = 230 - 170 * t;
        for (const Blob& blob : blobs) {
            const double dx = x - blob.x;
            const double dy = y - blob.y;
            const double w = std::exp(-(dx * dx + dy * dy) / (2 * blob.radius * blob.radius));
            r += (blob.r - r) * w;
            g += (blob.g - g) * w;
            b += (blob.b - b) * w;
        }
    }
};

} // namespace

QByteArray scanLikeJpeg(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    Photo photo{{}, width, height};
    for (int i = 0; i < 24; ++i)
        photo.blobs.push_back({unit(random) * width, unit(random) * height, 80 + unit(random) * 400,
                               unit(random) * 255, unit(random) * 255, unit(random) * 255});
    std::normal_distribution<double> grain(0, 3);

    QImage page(width, height, QImage::Format_RGB32);
    // A coarse dot screen, turned 45 degrees as magazines print it; with the grain it gives 1.2 to 1.6 bits a
    // pixel after compression, as real 300-dpi scans of printed pages do (0.7 to 1.5).
    constexpr double period = 7;
    const double k = M_PI / period / std::sqrt(2.0);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double r, g, b;
            photo.colourAt(x, y, r, g, b);
            // Paper and sensor grain lighten and darken all three colours alike.
            const double noise = grain(random);
            const double screen = 0.5 + 0.25 * (std::cos(k * (x + y)) + std::cos(k * (x - y)));
            auto ink = [&](double value) {
                const double coverage = 1 - value / 255;
                const double dot = screen < coverage ? 40 : 245;
                // The scanner softens each dot towards the tone it prints.
                return std::clamp(0.9 * value + 0.1 * dot + noise, 0.0, 255.0);
            };
            line[x] = qRgb(int(ink(r)), int(ink(g)), int(ink(b)));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.setSubType("4:2:0");
    writer.write(page);
    return jpeg;
}

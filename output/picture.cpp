#include "picture.h"

#include <cmath>
#include <utility>

namespace {
constexpr double HiMetricPerInch = 2540.0;
}

Picture::Picture(QImage image, QList<QRgb> palette, double dotsPerInch)
    : image_(std::move(image))
    , palette_(std::move(palette))
    , dotsPerInch_(dotsPerInch) {}

int Picture::Width() const {
    return static_cast<int>(std::lround(image_.width() * HiMetricPerInch / dotsPerInch_));
}

int Picture::Height() const {
    return static_cast<int>(std::lround(image_.height() * HiMetricPerInch / dotsPerInch_));
}

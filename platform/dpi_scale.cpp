#include "platform/dpi_scale.h"

#include <cstdint>

namespace platform {
namespace {

constexpr int kPointsPerInch = 72;

// value * numerator / denominator to the nearest integer, halves away from
// zero; the product is taken in 64 bits.
int scaleRounded(int value, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{value} * numerator;
    const std::int64_t magnitude =
        (2 * (product < 0 ? -product : product) + denominator) / (2 * std::int64_t{denominator});
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

}  // namespace

int DpiScale::toDevice(int logical) const {
    return scaleRounded(logical, dpi_, kLayoutDpi);
}

int DpiScale::toLogical(int device) const {
    return scaleRounded(device, kLayoutDpi, dpi_);
}

int DpiScale::fontPixels(int points) const {
    return scaleRounded(points, dpi_, kPointsPerInch);
}

}  // namespace platform

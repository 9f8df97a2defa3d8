#include "view/progressgauge.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

__extension__ using Wide = unsigned __int128; // GCC and Clang

/// 0.01 as the game has always taken it: the nearest number of 80-bit
/// extended precision, Hundredth / 2^70, which lies just below 0.01.
constexpr std::uint64_t Hundredth = 11805916207174113034u;
constexpr int HundredthScale = 70;

/// A number of extended precision: significand * 2^exponent / 2^70.
struct Extended {
    Wide significand;
    int exponent;
};

/// The product n * 2^exponent / 2^70 rounded to the 64 significant bits of
/// extended precision, half to even, as the processor rounds it.
Extended roundToExtended(Wide n, int exponent)
{
    const auto high = std::uint64_t(n >> 64);
    const int bits = high ? 64 + std::bit_width(high) : std::bit_width(std::uint64_t(n));
    const int dropped = std::max(0, bits - 64);
    if (dropped == 0)
        return {n, exponent};
    Wide kept = n >> dropped;
    const Wide rest = n & ((Wide(1) << dropped) - 1);
    const Wide half = Wide(1) << (dropped - 1);
    if (rest > half || (rest == half && (kept & 1)))
        ++kept;
    return {kept, exponent + dropped};
}

} // namespace

int progressFillWidth(int w, int position, int maximum)
{
    const int percent = maximum == 0 ? 0 : (100 * position) / maximum;
    // The width is (w + 1) * (percent * 0.01), truncated, worked out in
    // 80-bit extended precision as the game always has been, where 0.01
    // lies just below its true value: where (w + 1) * percent is a whole
    // multiple of 100 the width can come out one pixel short, as players of
    // the game have always seen it. The rounding of both products is done
    // here in integers, so every processor and compiler gives the same
    // widths, whatever its own long double is.
    const Extended share = roundToExtended(Wide(percent) * Hundredth, 0);
    const Extended width = roundToExtended(share.significand * unsigned(w + 1), share.exponent);
    const Wide pixels = (width.significand << width.exponent) >> HundredthScale;
    return std::min(int(pixels), w + 1);
}

ProgressGauge::ProgressGauge(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressGauge::setMaximum(int maximum)
{
    m_maximum = maximum;
    update();
}

void ProgressGauge::setPosition(int position)
{
    const bool changed = position != m_position;
    m_position = position;
    if (changed) { // a screen reader reads the new count at once
        QAccessibleValueChangeEvent event(this, position);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void ProgressGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(0, 0, progressFillWidth(width(), m_position, m_maximum), height(), Qt::red);
}

#include "convert/SizeRule.h"

#include <algorithm>
#include <cstdint>

#include "convert/KeepRatio.h"

namespace {

// Whether the photo is no larger than the size the rule asks for, on the sides the rule names.
bool AlreadyWithin(const SizeRule& rule, int photoWidth, int photoHeight)
{
    switch (rule.mode) {
    case SizeRule::Mode::Keep:
        return true;
    case SizeRule::Mode::Width:
        return photoWidth <= rule.width;
    case SizeRule::Mode::Height:
        return photoHeight <= rule.height;
    case SizeRule::Mode::Fit:
    case SizeRule::Mode::Exact:
        return photoWidth <= rule.width && photoHeight <= rule.height;
    }
    return false;
}

QSize Fit(int photoWidth, int photoHeight, int width, int height)
{
    if (photoWidth <= 0 || photoHeight <= 0)
        return QSize(0, 0);
    // The side that reaches the box first decides; compared in 64 bits so that no product overflows.
    const bool widthDecides =
        std::int64_t{photoWidth} * height >= std::int64_t{photoHeight} * width;
    if (widthDecides)
        return QSize(width, std::max(1, HeightForWidth(photoWidth, photoHeight, width)));
    return QSize(std::max(1, WidthForHeight(photoWidth, photoHeight, height)), height);
}

}  // namespace

QSize OutputSizeOf(const SizeRule& rule, int photoWidth, int photoHeight)
{
    if (rule.noEnlarge && AlreadyWithin(rule, photoWidth, photoHeight))
        return QSize(photoWidth, photoHeight);
    switch (rule.mode) {
    case SizeRule::Mode::Keep:
        break;
    case SizeRule::Mode::Width:
        return QSize(rule.width, HeightForWidth(photoWidth, photoHeight, rule.width));
    case SizeRule::Mode::Height:
        return QSize(WidthForHeight(photoWidth, photoHeight, rule.height), rule.height);
    case SizeRule::Mode::Fit:
        return Fit(photoWidth, photoHeight, rule.width, rule.height);
    case SizeRule::Mode::Exact:
        return QSize(rule.width, rule.height);
    }
    return QSize(photoWidth, photoHeight);
}

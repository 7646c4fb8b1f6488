#include "app/window_layout.h"

namespace kavro {
namespace {

// The fractions of the client area.
constexpr double kLabelHeight = 0.05;
constexpr double kLatinWidth = 0.45;
constexpr double kBoxHeight = 0.8;
constexpr double kLowerTop = 0.85;
constexpr double kLowerHeight = 0.15;
constexpr double kLowerWidth = 0.75;

int part(double fraction, int whole) { return static_cast<int>(fraction * whole); }

}  // namespace

WindowLayout mainWindowLayout(int w, int h) {
    WindowLayout layout;
    const int labelHeight = part(kLabelHeight, h);
    const int split = part(kLatinWidth, w);
    const int lowerTop = part(kLowerTop, h);
    const int lowerSplit = part(kLowerWidth, w);
    layout.latinLabel = {0, 0, split, labelHeight};
    layout.translationLabel = {split, 0, w - split, labelHeight};
    layout.latinBox = {0, labelHeight, split, part(kBoxHeight, h)};
    layout.translationBox = {split, labelHeight, w - split, part(kBoxHeight, h)};
    layout.lowerWindow = {0, lowerTop, lowerSplit, part(kLowerHeight, h)};
    layout.translateButton = {lowerSplit, lowerTop, w - lowerSplit, part(kLowerHeight, h)};
    return layout;
}

}  // namespace kavro

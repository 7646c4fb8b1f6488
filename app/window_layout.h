// Where the main window puts its boxes, labels and the "Translate" button, recomputed from the
// client area on every resize.
#pragma once

namespace kavro {

struct BoxRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct WindowLayout {
    BoxRect latinLabel;
    BoxRect translationLabel;
    BoxRect latinBox;
    BoxRect translationBox;
    BoxRect lowerWindow;
    BoxRect translateButton;
};

// Labels take the top 5%; the Latin box the left 45% and the Translation box the rest, from 5%
// to 85% of the height; below them the lower window takes the left 75% and the button the rest.
// Every value is truncated to whole pixels.
WindowLayout mainWindowLayout(int clientWidth, int clientHeight);

}  // namespace kavro

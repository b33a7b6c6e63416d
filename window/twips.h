// Window geometry: the controls are placed in twips; 15 twips make one device-independent pixel,
// so Qt scales the layout on high-density screens.
#pragma once

namespace quodrill {

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace quodrill

#pragma once

namespace platform {

// The windows are laid out in pixels of a 96-DPI screen; on a denser screen
// every length grows by DPI / 96, to the nearest pixel. Callers map edges, not
// sizes: the same edge then lands on the same pixel whichever control it
// bounds, so controls that touch in the layout touch on the screen.
class DpiScale {
public:
    static constexpr int kLayoutDpi = 96;

    // A DPI that cannot be (zero or less) counts as the layout's own.
    explicit DpiScale(int dpi = kLayoutDpi) : dpi_(dpi > 0 ? dpi : kLayoutDpi) {}

    int dpi() const { return dpi_; }
    bool unscaled() const { return dpi_ == kLayoutDpi; }
    // A layout coordinate or length in screen pixels; halves round away from zero.
    int toDevice(int logical) const;
    // A screen coordinate in layout pixels, to the nearest: at DPIs of 96 and
    // more, toLogical(toDevice(n)) is n again.
    int toLogical(int device) const;
    // The pixel height of a font of the given point size on this screen.
    int fontPixels(int points) const;

private:
    int dpi_;
};

}  // namespace platform

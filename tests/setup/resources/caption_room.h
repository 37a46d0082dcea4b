#pragma once

// Whether the texts of the controls on real windows fit them, measured with
// the font each window draws in: for layout checks under Wine and the layout
// gallery.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"

namespace setup::layout_check {

// A caption that needs more room than its window gives it.
struct CrampedCaption {
    const ui::Control* control;
    SIZE needed;
    SIZE room;
};

// The controls below root (root too) whose windows exist and whose captions do
// not fit: a label's single line its width, a word-wrapping label's lines its
// height; a button's, check box's or group box's caption the room its face
// keeps for text.
std::vector<CrampedCaption> crampedCaptions(const ui::Control& root);

std::string describe(const CrampedCaption& cramped);

// Whether the control has its window yet.
bool hasWindow(const ui::Control& control);

}  // namespace setup::layout_check

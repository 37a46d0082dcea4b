#include "ui/track_bar.h"

#include <algorithm>

namespace ui {

TrackBar::TrackBar(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

void TrackBar::setMin(int min) {
    setRange(min, std::max(min, max_));
}

void TrackBar::setMax(int max) {
    setRange(std::min(min_, max), max);
}

void TrackBar::setRange(int min, int max) {
    if (max < min) {
        throw InvalidOperation(L"Track bar range " + std::to_wstring(min) + L".." +
                               std::to_wstring(max) + L" is empty (" + name() + L")");
    }
    if (min != min_ || max != max_) {
        min_ = min;
        max_ = max;
        mirror(Property::Range);
    }
    setPosition(position_);
}

void TrackBar::setPosition(int position) {
    if (change(position_, std::clamp(position, min_, max_), Property::Position)) {
        fire(onChange);
    }
}

void TrackBar::setFrequency(int frequency) {
    change(frequency_, frequency, Property::Ticks);
}

void TrackBar::setLineSize(int lineSize) {
    change(lineSize_, lineSize, Property::Range);
}

void TrackBar::setPageSize(int pageSize) {
    change(pageSize_, pageSize, Property::Range);
}

void TrackBar::setTickMarks(TickMarks tickMarks) {
    change(tickMarks_, tickMarks, Property::Ticks);
}

}  // namespace ui

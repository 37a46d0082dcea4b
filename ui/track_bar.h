#pragma once

#include "ui/control.h"

namespace ui {

enum class TickMarks { BottomRight, TopLeft, Both };

// A horizontal track bar. Native: msctls_trackbar32.
class TrackBar : public Control {
public:
    TrackBar(Control& parent, std::wstring name);

    int min() const { return min_; }
    int max() const { return max_; }
    // A position outside a new range is clamped, which fires onChange.
    void setMin(int min);
    void setMax(int max);
    void setRange(int min, int max);
    int position() const { return position_; }
    // Clamped to the range; fires onChange only when the position really changes,
    // from code too.
    void setPosition(int position);

    int frequency() const { return frequency_; }
    void setFrequency(int frequency);
    int lineSize() const { return lineSize_; }
    void setLineSize(int lineSize);
    int pageSize() const { return pageSize_; }
    void setPageSize(int pageSize);
    TickMarks tickMarks() const { return tickMarks_; }
    void setTickMarks(TickMarks tickMarks);

    bool focusable() const override { return true; }

    Event onChange;

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int lineSize_ = 1;
    int pageSize_ = 2;
    TickMarks tickMarks_ = TickMarks::BottomRight;
};

}  // namespace ui

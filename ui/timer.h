#pragma once

#include <functional>
#include <string>

namespace ui {

class Form;

// A window timer owned by a form. While enabled it fires onTimer every interval
// milliseconds (natively from WM_TIMER; headless when the test ticks it or
// advances the clock). As in the toolkit, a new timer is enabled with a
// 1000 ms interval.
class Timer {
public:
    static constexpr int kDefaultInterval = 1000;

    Timer(Form& owner, std::wstring name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::wstring& name() const { return name_; }
    Form& owner() const { return owner_; }
    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    std::function<void(Timer& sender)> onTimer;

private:
    Form& owner_;
    std::wstring name_;
    int interval_ = kDefaultInterval;
    bool enabled_ = true;
};

}  // namespace ui

#pragma once

#include <optional>
#include <string>

#include "setup/device_list.h"

// State of the editor that is not a control: whether a load is filling it, and
// which stored setup it holds.
namespace setup {

// Set while a load fills the editor's controls. Their change handlers fire as
// for the user's edits; while it is set they neither write nor count as edits,
// whatever the stored values make the controls do (a bar clamping a stored
// speed outside its range moves, and that is still no edit).
class LoadInProgress {
public:
    class Scope {
    public:
        explicit Scope(LoadInProgress& load) : load_(load), outer_(load.active_) {
            load_.active_ = true;
        }
        ~Scope() { load_.active_ = outer_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        LoadInProgress& load_;
        bool outer_;
    };

    bool active() const { return active_; }

private:
    bool active_ = false;
};

// The device and application of the last load that succeeded: where live
// writes, Apply and revert store the edited setup, wherever the wizard has
// moved since. Leaving the property page by Back is remembered with the scheme
// the page showed, so that Apply stores the setup's own scheme meanwhile and a
// return to the same setup takes its pending edits up again.
class LoadedSetup {
public:
    bool any() const { return device_.has_value(); }
    // Only while any().
    const MouseInfo& device() const { return device_.value(); }
    // "GENERAL" for all applications.
    const std::wstring& application() const { return application_; }

    // Whether device (by code and port, as its records are keyed) and
    // application ("" meaning "GENERAL") name the loaded setup.
    bool isAt(const MouseInfo& device, const std::wstring& application) const;

    void loaded(const MouseInfo& device, const std::wstring& application);
    void leaveByBack(const std::wstring& schemeShown);
    bool leftByBack() const { return leftByBack_; }
    // Back on the property page with the same setup, its device shown now as
    // device: the scheme the page showed when Back left it, if Back did.
    std::optional<std::wstring> takeUpAgain(const MouseInfo& device);

private:
    std::optional<MouseInfo> device_;
    std::wstring application_;
    bool leftByBack_ = false;
    std::wstring schemeShown_;
};

}  // namespace setup

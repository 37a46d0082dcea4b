#pragma once

#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/standard_controls.h"

namespace setup {

// The small dialog in which a user types the program to add to the
// application list, or asks for the file browser instead. Shown modally; its
// result is OK, Cancel or kBrowseResult.
class TFileBox : public ui::Form {
public:
    // The modal result that sends the caller to the file-browser page.
    static constexpr ui::ModalResult kBrowseResult = 100;
    // Keeps every typed name within the three-digit length field of a record.
    static constexpr int kLongestName = 260;

    explicit TFileBox(ui::Application& application);

    ui::Label* Label1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Edit* txtSpecialApp = nullptr;
    ui::Button* btnOK = nullptr;
    ui::Button* btnCancel = nullptr;
    ui::Button* Button1 = nullptr;

    void btnOKClick(ui::Control& sender);
    void btnCancelClick(ui::Control& sender);
    void Button1Click(ui::Control& sender);
    void txtSpecialAppChange(ui::Control& sender);
};

}  // namespace setup

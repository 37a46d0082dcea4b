#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "ui/edit.h"
#include "ui/file_controls.h"
#include "ui/list_controls.h"
#include "ui/standard_controls.h"
#include "ui/track_bar.h"

// What the main window's layout is written with: the measures of a dialog in
// the 8-point dialog font, and one call per control that makes it with its
// place and its design-time settings.
namespace setup::layout {

// Space between a page's (or a group's) edge and its controls, and between
// neighbouring controls.
inline constexpr int kMargin = 8;
inline constexpr int kGap = 8;
// Where a page's first line of text (its heading, mostly) stands.
inline constexpr int kHeadingTop = 12;
// One line of text, and the step from one line to the next.
inline constexpr int kTextHeight = 13;
inline constexpr int kLineStep = 16;
// Standard push buttons; wider ones carry longer captions.
inline constexpr int kButtonWidth = 75;
inline constexpr int kWideButtonWidth = 100;
inline constexpr int kButtonHeight = 25;
// Edits and drop-down lists, check boxes, track bars with their ticks.
inline constexpr int kFieldHeight = 21;
inline constexpr int kCheckHeight = 17;
inline constexpr int kTrackHeight = 32;
// A group box's caption band: its controls start below it; and the space its
// frame keeps on the left and right.
inline constexpr int kGroupCaption = 16;
inline constexpr int kGroupInset = 12;
// The 97 x 97 device pictures and the 32 x 32 double-click test frames.
inline constexpr int kDevicePicture = 97;
inline constexpr int kTestPicture = 32;
// Text nudged down to line up with the text inside a field or button beside it.
inline constexpr int kFieldTextOffset = 4;
inline constexpr int kButtonTextOffset = 6;

struct Place {
    int left;
    int top;
    int width;
    int height;
};

// Where a control of that height lines up with a field (or button) at top.
constexpr int besideField(int top) {
    return top + kFieldTextOffset;
}
constexpr int besideButton(int top) {
    return top + kButtonTextOffset;
}
// The left edge that puts a control of that width against the right margin.
constexpr int alignRight(int containerWidth, int width) {
    return containerWidth - kMargin - width;
}

struct TextStyle {
    bool bold = false;
    bool wrap = false;
    ui::Alignment alignment = ui::Alignment::Left;
};
inline constexpr TextStyle kPlain{};
inline constexpr TextStyle kBold{true};
inline constexpr TextStyle kWrapped{false, true};
inline constexpr TextStyle kRightAligned{false, false, ui::Alignment::Right};
inline constexpr TextStyle kCentred{false, false, ui::Alignment::Center};
inline constexpr TextStyle kCentredWrapped{false, true, ui::Alignment::Center};
inline constexpr TextStyle kBoldCentred{true, false, ui::Alignment::Center};

struct TrackRange {
    int min;
    int max;
    int position;
};

ui::Label& addLabel(ui::Control& parent, std::wstring name, Place place,
                    const std::wstring& caption, TextStyle style = kPlain);
ui::Button& addButton(ui::Control& parent, std::wstring name, Place place,
                      const std::wstring& caption);
ui::CheckBox& addCheckBox(ui::Control& parent, std::wstring name, Place place,
                          const std::wstring& caption);
ui::GroupBox& addGroupBox(ui::Control& parent, std::wstring name, Place place,
                          const std::wstring& caption);
ui::Panel& addPanel(ui::Control& parent, std::wstring name, Place place, ui::Bevel outer);
ui::Image& addImage(ui::Control& parent, std::wstring name, Place place,
                    const std::wstring& picture);
ui::Edit& addEdit(ui::Control& parent, std::wstring name, Place place);
ui::ListBox& addListBox(ui::Control& parent, std::wstring name, Place place,
                        std::vector<std::wstring> items);
ui::ComboBox& addComboBox(ui::Control& parent, std::wstring name, Place place,
                          std::vector<std::wstring> items);
// Ticks every step, line step 1 and page step 2, marks below: the toolkit's
// own settings, which every track bar of the window keeps.
ui::TrackBar& addTrackBar(ui::Control& parent, std::wstring name, Place place, TrackRange range);

// One column of a table as list items: textsOf(kDeviceKinds, &DeviceKind::text).
template <typename Table, typename Row>
std::vector<std::wstring> textsOf(const Table& table, const wchar_t* Row::*column) {
    std::vector<std::wstring> texts;
    for (const auto& row : table) {
        texts.emplace_back(row.*column);
    }
    return texts;
}

// The names of a file browser's four linked controls; its captions are named
// "lbl" + captionPrefix + "Files" (and "Directories", "Type", "Drives").
struct FileBrowserNames {
    std::wstring drives;
    std::wstring directories;
    std::wstring files;
    std::wstring filter;
    std::wstring captionPrefix;
};

struct FileBrowser {
    ui::DriveComboBox& drives;
    ui::DirectoryListBox& directories;
    ui::FileListBox& files;
    ui::FilterComboBox& filter;
};

// A file list over its filter box on the left, a directory list over its drive
// box on the right, each under a caption, filling area; linked so that the
// drive box moves the directory list, which moves the file list, whose mask
// the filter box sets (the first filter's at once).
FileBrowser addFileBrowser(ui::Control& page, platform::FileSystem& disks,
                           const FileBrowserNames& names, Place area, const std::wstring& filter);

}  // namespace setup::layout

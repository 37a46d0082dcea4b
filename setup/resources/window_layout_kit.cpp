#include "setup/resources/window_layout_kit.h"

#include <utility>

namespace setup::layout {
namespace {

template <typename T, typename... Args>
T& place(ui::Control& parent, std::wstring name, Place at, Args&&... args) {
    T& control = parent.add<T>(std::move(name), std::forward<Args>(args)...);
    control.setBounds(at.left, at.top, at.width, at.height);
    return control;
}

}  // namespace

ui::Label& addLabel(ui::Control& parent, std::wstring name, Place at, const std::wstring& caption,
                    TextStyle style) {
    auto& label = place<ui::Label>(parent, std::move(name), at);
    label.setCaption(caption);
    label.setFontBold(style.bold);
    label.setWordWrap(style.wrap);
    label.setAlignment(style.alignment);
    return label;
}

ui::Button& addButton(ui::Control& parent, std::wstring name, Place at,
                      const std::wstring& caption) {
    auto& button = place<ui::Button>(parent, std::move(name), at);
    button.setCaption(caption);
    return button;
}

ui::CheckBox& addCheckBox(ui::Control& parent, std::wstring name, Place at,
                          const std::wstring& caption) {
    auto& box = place<ui::CheckBox>(parent, std::move(name), at);
    box.setCaption(caption);
    return box;
}

ui::GroupBox& addGroupBox(ui::Control& parent, std::wstring name, Place at,
                          const std::wstring& caption) {
    auto& group = place<ui::GroupBox>(parent, std::move(name), at);
    group.setCaption(caption);
    return group;
}

ui::Panel& addPanel(ui::Control& parent, std::wstring name, Place at, ui::Bevel outer) {
    auto& panel = place<ui::Panel>(parent, std::move(name), at);
    panel.setBevelOuter(outer);
    return panel;
}

ui::Image& addImage(ui::Control& parent, std::wstring name, Place at, const std::wstring& picture) {
    auto& image = place<ui::Image>(parent, std::move(name), at);
    image.setPicture(picture);
    return image;
}

ui::Edit& addEdit(ui::Control& parent, std::wstring name, Place at) {
    return place<ui::Edit>(parent, std::move(name), at);
}

ui::ListBox& addListBox(ui::Control& parent, std::wstring name, Place at,
                        std::vector<std::wstring> items) {
    auto& list = place<ui::ListBox>(parent, std::move(name), at);
    list.setItems(std::move(items));
    return list;
}

ui::ComboBox& addComboBox(ui::Control& parent, std::wstring name, Place at,
                          std::vector<std::wstring> items) {
    auto& box = place<ui::ComboBox>(parent, std::move(name), at);
    box.setItems(std::move(items));
    return box;
}

ui::TrackBar& addTrackBar(ui::Control& parent, std::wstring name, Place at, TrackRange range) {
    auto& bar = place<ui::TrackBar>(parent, std::move(name), at);
    bar.setRange(range.min, range.max);
    bar.setPosition(range.position);
    return bar;
}

FileBrowser addFileBrowser(ui::Control& page, platform::FileSystem& disks,
                           const FileBrowserNames& names, Place area, const std::wstring& filter) {
    const int columnWidth = (area.width - kGap) / 2;
    const int right = area.left + columnWidth + kGap;
    const int boxTop = area.top + area.height - kFieldHeight;
    const int boxCaptionTop = boxTop - kLineStep;
    const int listTop = area.top + kLineStep;
    const int listHeight = boxCaptionTop - kGap / 2 - listTop;
    const std::wstring& prefix = names.captionPrefix;

    addLabel(page, L"lbl" + prefix + L"Files", {area.left, area.top, columnWidth, kTextHeight},
             L"Files:");
    auto& files = place<ui::FileListBox>(page, names.files,
                                         {area.left, listTop, columnWidth, listHeight}, disks);
    addLabel(page, L"lbl" + prefix + L"Type", {area.left, boxCaptionTop, columnWidth, kTextHeight},
             L"List Files of Type:");
    auto& types = place<ui::FilterComboBox>(page, names.filter,
                                            {area.left, boxTop, columnWidth, kFieldHeight});

    addLabel(page, L"lbl" + prefix + L"Directories", {right, area.top, columnWidth, kTextHeight},
             L"Directories:");
    auto& directories = place<ui::DirectoryListBox>(
        page, names.directories, {right, listTop, columnWidth, listHeight}, disks);
    addLabel(page, L"lbl" + prefix + L"Drives", {right, boxCaptionTop, columnWidth, kTextHeight},
             L"Drives:");
    auto& drives = place<ui::DriveComboBox>(page, names.drives,
                                            {right, boxTop, columnWidth, kFieldHeight}, disks);

    drives.setDirectoryList(&directories);
    directories.setFileList(&files);
    types.setFileList(&files);
    types.setFilter(filter);
    return {drives, directories, files, types};
}

}  // namespace setup::layout

#include "ui/file_controls.h"

#include <cwctype>

#include "platform/errors.h"
#include "ui/file_mask.h"

namespace ui {
namespace {

constexpr wchar_t kSeparator = L'\\';
// "C:\": a drive letter, a colon and the separator.
constexpr size_t kRootLength = 3;
constexpr const wchar_t* kLevelIndent = L"  ";

wchar_t driveLetterOf(const std::wstring& path) {
    return path.empty() ? 0 : static_cast<wchar_t>(std::towupper(path[0]));
}

// Without a final separator, except for a drive's root.
std::wstring normalizedDirectory(std::wstring path) {
    while (path.size() > kRootLength && (path.back() == kSeparator || path.back() == L'/')) {
        path.pop_back();
    }
    if (path.size() == kRootLength - 1 && path[1] == L':') {
        path += kSeparator;
    }
    return path;
}

std::wstring indented(const std::wstring& text, int level) {
    std::wstring result;
    for (int i = 0; i < level; ++i) {
        result += kLevelIndent;
    }
    return result + text;
}

}  // namespace

DriveComboBox::DriveComboBox(Control& parent, std::wstring name, platform::FileSystem& files)
    : ComboBox(parent, std::move(name)), files_(files) {}

void DriveComboBox::readDrives() {
    if (drivesRead_) {
        return;
    }
    drivesRead_ = true;
    roots_ = files_.drives();
    std::vector<std::wstring> shown;
    for (const auto& root : roots_) {
        shown.push_back(std::wstring{static_cast<wchar_t>(std::towlower(root[0])), L':'});
    }
    setItems(shown);
    setItemIndex(0);
}

void DriveComboBox::showingChanged(bool showing) {
    if (showing) {
        readDrives();
    }
}

wchar_t DriveComboBox::drive() const {
    return itemIndex() >= 0 ? driveLetterOf(roots_[itemIndex()]) : 0;
}

void DriveComboBox::setDrive(wchar_t letter) {
    readDrives();
    for (int index = 0; index < itemCount(); ++index) {
        if (driveLetterOf(roots_[index]) == static_cast<wchar_t>(std::towupper(letter))) {
            setItemIndex(index);
            if (directoryList_ != nullptr &&
                driveLetterOf(directoryList_->directory()) != drive()) {
                directoryList_->setDirectory(roots_[index]);
            }
            return;
        }
    }
}

void DriveComboBox::setDirectoryList(DirectoryListBox* list) {
    directoryList_ = list;
    if (list != nullptr) {
        list->setDriveBox(this);
    }
}

void DriveComboBox::followDirectory(const std::wstring& directory) {
    readDrives();
    for (int index = 0; index < itemCount(); ++index) {
        if (driveLetterOf(roots_[index]) == driveLetterOf(directory)) {
            setItemIndex(index);
        }
    }
}

void DriveComboBox::changed() {
    if (directoryList_ != nullptr && itemIndex() >= 0) {
        directoryList_->setDirectory(roots_[itemIndex()]);
    }
    ComboBox::changed();
}

DirectoryListBox::DirectoryListBox(Control& parent, std::wstring name, platform::FileSystem& files)
    : ListBox(parent, std::move(name)), files_(files) {}

void DirectoryListBox::showingChanged(bool showing) {
    if (showing && directory_.empty()) {
        openFirstDrive();
    }
}

// Where a list nobody has moved yet stands: the first drive's root, without an
// onChange, as if it had been there from the start.
void DirectoryListBox::openFirstDrive() {
    const auto roots = files_.drives();
    if (roots.empty()) {
        return;
    }
    directory_ = roots.front();
    fill();
    if (fileList_ != nullptr) {
        fileList_->setDirectory(directory_);
    }
    if (driveBox_ != nullptr) {
        driveBox_->followDirectory(directory_);
    }
}

void DirectoryListBox::setDirectory(const std::wstring& directory) {
    const std::wstring wanted = normalizedDirectory(directory);
    if (!files_.directoryExists(wanted)) {
        throw platform::Error(L"The directory " + wanted + L" does not exist");
    }
    if (wanted == directory_) {
        return;
    }
    directory_ = wanted;
    fill();
    if (fileList_ != nullptr) {
        fileList_->setDirectory(directory_);
    }
    if (driveBox_ != nullptr) {
        driveBox_->followDirectory(directory_);
    }
    fire(onChange);
}

void DirectoryListBox::fill() {
    std::vector<std::wstring> rows;
    itemPaths_.clear();
    std::wstring path = directory_.substr(0, kRootLength);
    rows.push_back(path);
    itemPaths_.push_back(path);
    int level = 0;
    size_t start = kRootLength;
    while (start < directory_.size()) {
        size_t end = directory_.find(kSeparator, start);
        if (end == std::wstring::npos) {
            end = directory_.size();
        }
        const std::wstring name = directory_.substr(start, end - start);
        path = platform::joinPath(path, name);
        rows.push_back(indented(name, ++level));
        itemPaths_.push_back(path);
        start = end + 1;
    }
    const int current = static_cast<int>(rows.size()) - 1;
    for (const auto& name : files_.subdirectories(directory_)) {
        rows.push_back(indented(name, level + 1));
        itemPaths_.push_back(platform::joinPath(directory_, name));
    }
    setItems(rows);
    setItemIndex(current);
}

std::wstring DirectoryListBox::itemPath(int index) const {
    item(index);  // checks the index
    return itemPaths_[index];
}

void DirectoryListBox::setFileList(FileListBox* list) {
    fileList_ = list;
    if (list != nullptr && !directory_.empty()) {
        list->setDirectory(directory_);
    }
}

void DirectoryListBox::setDriveBox(DriveComboBox* box) {
    driveBox_ = box;
}

void DirectoryListBox::doubleClick() {
    ListBox::doubleClick();
    openSelected();
}

bool DirectoryListBox::keyPressed(wchar_t key) {
    if (key != L'\r') {
        return false;
    }
    openSelected();
    return true;
}

void DirectoryListBox::openSelected() {
    if (itemIndex() >= 0) {
        setDirectory(itemPaths_[itemIndex()]);
    }
}

FileListBox::FileListBox(Control& parent, std::wstring name, platform::FileSystem& files)
    : ListBox(parent, std::move(name)), files_(files) {}

void FileListBox::setDirectory(const std::wstring& directory) {
    directory_ = normalizedDirectory(directory);
    update();
}

void FileListBox::setMask(const std::wstring& mask) {
    mask_ = mask;
    update();
}

void FileListBox::update() {
    std::vector<std::wstring> names;
    if (!directory_.empty()) {
        for (const auto& name : files_.files(directory_)) {
            if (matchesAnyMask(name, mask_)) {
                names.push_back(name);
            }
        }
    }
    setItems(names);
}

std::wstring FileListBox::fileName() const {
    return itemIndex() >= 0 ? platform::joinPath(directory_, item(itemIndex())) : std::wstring();
}

FilterComboBox::FilterComboBox(Control& parent, std::wstring name)
    : ComboBox(parent, std::move(name)) {}

void FilterComboBox::setFilter(const std::wstring& filter) {
    filter_ = filter;
    std::vector<std::wstring> descriptions;
    masks_.clear();
    size_t start = 0;
    while (start < filter.size()) {
        size_t bar = filter.find(L'|', start);
        const std::wstring description = filter.substr(start, bar - start);
        std::wstring mask;
        if (bar != std::wstring::npos) {
            const size_t next = filter.find(L'|', bar + 1);
            mask = filter.substr(bar + 1,
                                 next == std::wstring::npos ? std::wstring::npos : next - bar - 1);
            bar = next;
        }
        descriptions.push_back(description);
        masks_.push_back(mask);
        start = bar == std::wstring::npos ? filter.size() : bar + 1;
    }
    setItems(descriptions);
    setItemIndex(0);
    if (fileList_ != nullptr && !masks_.empty()) {
        fileList_->setMask(mask());
    }
}

std::wstring FilterComboBox::mask() const {
    return itemIndex() >= 0 ? masks_[itemIndex()] : std::wstring();
}

void FilterComboBox::setFileList(FileListBox* list) {
    fileList_ = list;
    if (list != nullptr && itemIndex() >= 0) {
        list->setMask(mask());
    }
}

void FilterComboBox::changed() {
    if (fileList_ != nullptr) {
        fileList_->setMask(mask());
    }
    ComboBox::changed();
}

}  // namespace ui

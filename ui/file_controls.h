#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "ui/list_controls.h"

// The linked file controls: a drive box drives a directory list, which drives a
// file list, whose mask a filter box sets. They read the disks through
// platform::FileSystem and are plain list and drop-down boxes natively.
//
// A window makes its file pages long before anyone opens one, so the drive box
// and the directory list read the disks when they are first shown or used, not
// when they are made; a directory list never moved shows the first drive's root.
namespace ui {

class DirectoryListBox;
class FileListBox;

// The drives, shown as "c:". Choosing one moves the linked directory list to it.
class DriveComboBox : public ComboBox {
public:
    DriveComboBox(Control& parent, std::wstring name, platform::FileSystem& files);

    // The drive letter in upper case; 0 when there are no drives.
    wchar_t drive() const;
    // Selects the drive (fires nothing) and moves the directory list to its root.
    void setDrive(wchar_t letter);
    void setDirectoryList(DirectoryListBox* list);
    // Selects the drive of the directory the list moved to, without moving it.
    void followDirectory(const std::wstring& directory);

protected:
    void changed() override;
    void showingChanged(bool showing) override;

private:
    void readDrives();

    platform::FileSystem& files_;
    bool drivesRead_ = false;
    std::vector<std::wstring> roots_;
    DirectoryListBox* directoryList_ = nullptr;
};

// The path from the drive's root to the current directory, one row per level
// with the deeper ones indented, then the current directory's subdirectories.
// A double click (or Enter) on a row opens that directory.
class DirectoryListBox : public ListBox {
public:
    DirectoryListBox(Control& parent, std::wstring name, platform::FileSystem& files);

    // The current directory, without a final "\" except for a root ("C:\").
    const std::wstring& directory() const { return directory_; }
    // Moves to a directory (platform::Error when it does not exist); fires
    // onChange when the directory changes, and updates the linked controls.
    void setDirectory(const std::wstring& directory);
    // The directory a row stands for.
    std::wstring itemPath(int index) const;
    void setFileList(FileListBox* list);
    void setDriveBox(DriveComboBox* box);

    void doubleClick() override;

    Event onChange;

protected:
    bool keyPressed(wchar_t key) override;
    void showingChanged(bool showing) override;

private:
    void openSelected();
    void openFirstDrive();
    void fill();

    platform::FileSystem& files_;
    std::wstring directory_;
    std::vector<std::wstring> itemPaths_;
    FileListBox* fileList_ = nullptr;
    DriveComboBox* driveBox_ = nullptr;
};

// The files of a directory whose names match the mask.
class FileListBox : public ListBox {
public:
    static constexpr const wchar_t* kAllFiles = L"*.*";

    FileListBox(Control& parent, std::wstring name, platform::FileSystem& files);

    const std::wstring& directory() const { return directory_; }
    // Lists the directory's files; nothing is selected afterwards (no event).
    void setDirectory(const std::wstring& directory);
    // One or more masks separated by ";" ("*.CUR; *.ANI"); see matchesMask.
    const std::wstring& mask() const { return mask_; }
    void setMask(const std::wstring& mask);
    // Reads the directory again.
    void update();
    // The full path of the selected file; empty when none is selected.
    std::wstring fileName() const;

private:
    platform::FileSystem& files_;
    std::wstring directory_;
    std::wstring mask_ = kAllFiles;
};

// Filters as "description|mask|description|mask"; shows the descriptions and
// sets the linked file list's mask to the chosen one's mask.
class FilterComboBox : public ComboBox {
public:
    FilterComboBox(Control& parent, std::wstring name);

    const std::wstring& filter() const { return filter_; }
    // Selects the first filter and gives the file list its mask.
    void setFilter(const std::wstring& filter);
    // The selected filter's mask; empty when none is selected.
    std::wstring mask() const;
    void setFileList(FileListBox* list);

protected:
    void changed() override;

private:
    std::wstring filter_;
    std::vector<std::wstring> masks_;
    FileListBox* fileList_ = nullptr;
};

}  // namespace ui

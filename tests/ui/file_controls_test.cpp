// The linked drive box, directory list, file list and filter box over an
// in-memory disk.

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"
#include "tests/ui/headless_ui.h"
#include "ui/file_controls.h"
#include "ui/file_mask.h"
#include "ui/user.h"

namespace ui {
namespace {

using Events = std::vector<std::string>;
using Names = std::vector<std::wstring>;

TEST(FileMask, MatchesAsWindowsDoesWithoutRegardToCase) {
    struct Case {
        const wchar_t* name;
        const wchar_t* mask;
        bool matches;
    };
    const Case cases[] = {
        {L"arrow.cur", L"*.CUR", true},
        {L"ARROW.CUR", L"*.cur", true},
        {L"arrow.ani", L"*.CUR", false},
        {L"arrow.cursor", L"*.CUR", false},
        {L"arrow.cur.bak", L"*.CUR", false},
        {L"README", L"*.*", true},
        {L"a.b.c", L"*.*", true},
        {L"README", L"*", true},
        {L"p1.cur", L"P?.CUR", true},
        {L"p12.cur", L"P?.CUR", false},
        {L"p12.cur", L"P*1*.CUR", true},
        {L"notepad", L"notepad.*", true},
        {L"notepad", L"notepad.", true},
        {L"notepad.exe", L"notepad.", false},
        {L"aaab", L"*ab", true},
        {L"abc", L"a*c*", true},
        {L"", L"*", true},
        {L"x", L"", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(platform::toUtf8(std::wstring(test.name) + L" / " + test.mask));
        EXPECT_EQ(matchesMask(test.name, test.mask), test.matches);
    }
}

TEST(FileMask, AListOfMasksIsSplitAtSemicolonsWithBlanksDropped) {
    EXPECT_EQ(splitMasks(L"*.CUR; *.ANI"), (Names{L"*.CUR", L"*.ANI"}));
    EXPECT_EQ(splitMasks(L" *.EXE ;; "), Names{L"*.EXE"});
    EXPECT_TRUE(matchesAnyMask(L"wait.ani", L"*.CUR; *.ANI"));
    EXPECT_FALSE(matchesAnyMask(L"wait.bmp", L"*.CUR; *.ANI"));
}

class FileControls : public testing::HeadlessUi {
protected:
    FileControls()
        : drives(form.add<DriveComboBox>(L"dcbMouseCursors", disk.files)),
          directories(form.add<DirectoryListBox>(L"dlbMouseCursors", disk.files)),
          files(form.add<FileListBox>(L"flbMouseCursors", disk.files)),
          filter(form.add<FilterComboBox>(L"FilterComboBox2")) {
        drives.setDirectoryList(&directories);
        directories.setFileList(&files);
        filter.setFileList(&files);
        filter.setFilter(L"Cursor Files (*.CUR, *.ANI)|*.CUR; *.ANI|All Files (*.*)|*.*");
        directories.setDirectory(L"C:\\Windows\\Cursors");
        form.show();
    }

    struct Disk {
        Disk() {
            files.addFile(L"C:\\Windows\\Cursors\\arrow.cur", "");
            files.addFile(L"C:\\Windows\\Cursors\\BUSY.ANI", "");
            files.addFile(L"C:\\Windows\\Cursors\\readme.txt", "");
            files.addFile(L"C:\\Windows\\Cursors\\Old\\a.cur", "");
            files.addDirectory(L"C:\\Windows\\Cursors\\Animated");
            files.addFile(L"D:\\Tools\\tool.exe", "");
        }
        platform::MemoryFileSystem files;
    };

    Disk disk;
    DriveComboBox& drives;
    DirectoryListBox& directories;
    FileListBox& files;
    FilterComboBox& filter;
};

TEST_F(FileControls, TheDirectoryListShowsThePathThenTheSubdirectories) {
    EXPECT_EQ(directories.items(),
              (Names{L"C:\\", L"  Windows", L"    Cursors", L"      Animated", L"      Old"}));
    EXPECT_EQ(directories.itemIndex(), 2);
    EXPECT_EQ(directories.itemPath(4), L"C:\\Windows\\Cursors\\Old");
    EXPECT_EQ(directories.itemPath(0), L"C:\\");
    EXPECT_THROW(directories.setDirectory(L"C:\\Missing"), platform::Error);
}

TEST_F(FileControls, TheFileListShowsTheFilesMatchingTheChosenFilter) {
    EXPECT_EQ(files.directory(), L"C:\\Windows\\Cursors");
    EXPECT_EQ(files.mask(), L"*.CUR; *.ANI");
    EXPECT_EQ(files.items(), (Names{L"arrow.cur", L"BUSY.ANI"}));
    std::wstring maskSeen;
    filter.onChange = [&](Control&) { maskSeen = files.mask(); };
    user::choose(filter, 1);
    EXPECT_EQ(maskSeen, L"*.*") << "the file list has its new mask when onChange runs";
    EXPECT_EQ(files.items(), (Names{L"arrow.cur", L"BUSY.ANI", L"readme.txt"}));
    user::select(files, 1);
    EXPECT_EQ(files.fileName(), L"C:\\Windows\\Cursors\\BUSY.ANI");
}

TEST_F(FileControls, OpeningADirectoryRowMovesTheFileListWithIt) {
    directories.onChange = log.logs("change");
    directories.onDblClick = log.logs("dblclick");
    user::doubleClick(directories, 4);
    EXPECT_EQ(log.take(), (Events{"dlbMouseCursors dblclick", "dlbMouseCursors change"}));
    EXPECT_EQ(directories.directory(), L"C:\\Windows\\Cursors\\Old");
    EXPECT_EQ(files.items(), Names{L"a.cur"});
    EXPECT_EQ(files.itemIndex(), -1);
    user::select(directories, 1);
    user::pressEnter(form);
    EXPECT_EQ(directories.directory(), L"C:\\Windows") << "Enter opens the selected row";
}

TEST_F(FileControls, ChoosingADriveMovesTheDirectoryListToItsRoot) {
    ASSERT_EQ(drives.items(), (Names{L"c:", L"d:"}));
    EXPECT_EQ(drives.drive(), L'C');
    user::choose(drives, 1);
    EXPECT_EQ(directories.directory(), L"D:\\");
    EXPECT_EQ(directories.items(), (Names{L"D:\\", L"  Tools"}));
    directories.setDirectory(L"C:\\Windows\\");
    EXPECT_EQ(directories.directory(), L"C:\\Windows") << "the final separator goes";
    EXPECT_EQ(drives.drive(), L'C') << "the drive box follows the directory list";
    drives.setDrive(L'd');
    EXPECT_EQ(directories.directory(), L"D:\\");
    drives.setDrive(L'Q');
    EXPECT_EQ(drives.drive(), L'D') << "a drive that does not exist changes nothing";
}

}  // namespace
}  // namespace ui

// A small program for the end-to-end test of the native peers and the UI
// driver: a form of named controls whose events are written to a journal file
// (the path in UI_DEMO_JOURNAL), one line per event, flushed at once, so that
// a test in another process sees exactly which handlers ran and how often.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/text.h"
#include "platform/win32/win32_cursors.h"
#include "platform/win32/win32_message_boxes.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/track_bar.h"
#include "ui/win32/win32_backend.h"

namespace {

using platform::toUtf8;

class Journal {
public:
    explicit Journal(const wchar_t* path)
        : file_(path != nullptr ? _wfopen(path, L"ab") : nullptr) {}
    ~Journal() {
        if (file_ != nullptr) {
            fclose(file_);
        }
    }
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    void write(const std::string& line) {
        if (file_ != nullptr) {
            fputs((line + "\n").c_str(), file_);
            fflush(file_);
        }
    }

private:
    FILE* file_;
};

class DemoForm : public ui::Form {
public:
    DemoForm(ui::Application& application, Journal& journal)
        : Form(application, L"frmDemo"),
          journal_(journal),
          pages(add<ui::PageControl>(L"pgcDemo")),
          first(pages.addPage(L"tabFirst", L"First")),
          second(pages.addPage(L"tabSecond", L"Second")),
          next(first.add<ui::Button>(L"btnNext")),
          back(first.add<ui::Button>(L"btnBack")),
          items(first.add<ui::ListBox>(L"lstItems")),
          speed(first.add<ui::TrackBar>(L"trbSpeed")),
          trails(first.add<ui::CheckBox>(L"chkTrails")),
          choice(first.add<ui::ComboBox>(L"cmbChoice")),
          name(first.add<ui::Edit>(L"txtName")),
          bottom(add<ui::Panel>(L"panBottom")),
          ask(bottom.add<ui::Button>(L"btnAsk")) {
        setNativeClassName(L"TfrmDemo");
        setCaption(L"UI Demo Form");
        setClientSize(536, 384);
        lay();
        bind();
        pages.setActivePage(first);
        created();
    }

private:
    void lay() {
        pages.setBounds(0, 0, 536, 340);
        next.setBounds(8, 8, 75, 25);
        next.setCaption(L"&Next ->");
        back.setBounds(88, 8, 75, 25);
        back.setCaption(L"<- &Back");
        items.setBounds(8, 40, 200, 80);
        items.setStyle(ui::ListStyle::OwnerDrawFixed);
        items.setItems({L"Normal Select", L"Help Select", L"Busy"});
        speed.setBounds(220, 40, 200, 30);
        speed.setRange(1, 13);
        speed.setPosition(1);
        trails.setBounds(220, 80, 120, 17);
        trails.setCaption(L"Show &Trails");
        choice.setBounds(220, 104, 150, 21);
        choice.setItems({L"Swift Scroll", L"Double Click", L"Maximize"});
        name.setBounds(8, 130, 200, 21);
        bottom.setBounds(0, 340, 536, 44);
        ask.setBounds(8, 10, 75, 25);
        ask.setCaption(L"&Ask");
    }

    void log(const ui::Control& control, const std::string& event) {
        journal_.write(toUtf8(control.name()) + " " + event);
    }

    ui::Control::Event logs(const std::string& event) {
        return [this, event](ui::Control& sender) { log(sender, event); };
    }

    void bind() {
        for (ui::Control* control :
             {static_cast<ui::Control*>(&next), static_cast<ui::Control*>(&back),
              static_cast<ui::Control*>(&items), static_cast<ui::Control*>(&name)}) {
            control->onEnter = logs("enter");
            control->onExit = logs("exit");
        }
        next.onClick = logs("click");
        back.onClick = logs("click");
        items.onClick = [this](ui::Control& sender) {
            log(sender, "click " + std::to_string(items.itemIndex()));
        };
        items.onDrawItem = [this](ui::Control& sender, int index, ui::Rect rect,
                                  ui::OwnerDrawState) {
            sender.canvas().fillRect(rect);
            sender.canvas().textOut(rect.left + 2, rect.top, items.item(index));
        };
        speed.onChange = [this](ui::Control& sender) {
            log(sender, "change " + std::to_string(speed.position()));
        };
        trails.onClick = [this](ui::Control& sender) {
            log(sender, trails.checked() ? "click checked" : "click unchecked");
        };
        choice.onChange = [this](ui::Control& sender) {
            log(sender, "change " + std::to_string(choice.itemIndex()));
        };
        name.onChange = [this](ui::Control& sender) {
            log(sender, "change " + toUtf8(name.text()));
        };
        first.onShow = logs("show");
        second.onShow = logs("show");
        pages.onChange = logs("change");
        ask.onClick = [this](ui::Control&) { askQuestion(); };
        onClose = [this](ui::Form& sender, ui::CloseAction&) { log(sender, "close"); };
    }

    void askQuestion() {
        platform::MessageBoxRequest box;
        box.text = L"Proceed with the demo?\n  Really?";
        box.caption = L"Demo Question";
        box.buttons = platform::MessageButtons::YesNo;
        box.defaultButton = platform::MessageAnswer::No;
        box.owner = windowId();
        const auto answer = application().messageBoxes().show(box);
        journal_.write("answer " + toUtf8(platform::answerName(answer)));
    }

    Journal& journal_;

public:
    ui::PageControl& pages;
    ui::TabSheet& first;
    ui::TabSheet& second;
    ui::Button& next;
    ui::Button& back;
    ui::ListBox& items;
    ui::TrackBar& speed;
    ui::CheckBox& trails;
    ui::ComboBox& choice;
    ui::Edit& name;
    ui::Panel& bottom;
    ui::Button& ask;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Journal journal(_wgetenv(L"UI_DEMO_JOURNAL"));
    platform::Win32Cursors cursors;
    platform::Win32MessageBoxes boxes;
    ui::win32::Win32Backend backend(cursors, instance);
    ui::Application application(backend, boxes);
    application.setTitle(L"UI Demo");
    DemoForm form(application, journal);
    application.run();
    journal.write("ended");
    return 0;
}

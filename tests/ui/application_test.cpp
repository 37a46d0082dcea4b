// The application object: the exception barrier, re-entrant message processing,
// termination, the cursor, timers and modal forms.

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/errors.h"
#include "platform/memory/script_error.h"
#include "tests/ui/headless_ui.h"
#include "ui/edit.h"
#include "ui/standard_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"
#include "ui/user.h"

namespace ui {
namespace {

using Events = std::vector<std::string>;
using platform::CursorKind;
using platform::MessageAnswer;

class ApplicationTest : public testing::HeadlessUi {};

TEST_F(ApplicationTest, AnEscapingErrorShowsTheStandardErrorBoxAndTheProgramGoesOn) {
    auto& apply = form.add<Button>(L"btnApply");
    int clicks = 0;
    apply.onClick = [&](Control&) {
        if (++clicks == 1) {
            throw platform::RegistryError(L"Failed to set data for 'P001'");
        }
    };
    form.show();
    boxes.answerNext(MessageAnswer::Ok);
    user::click(apply);
    ASSERT_EQ(boxes.shown().size(), 1u);
    platform::MessageBoxRequest expected;
    expected.text = L"Failed to set data for 'P001'";
    expected.caption = L"Test Program";
    expected.icon = platform::MessageIcon::Error;
    expected.owner = form.windowId();
    EXPECT_EQ(boxes.shown()[0], expected);
    user::click(apply);
    EXPECT_EQ(clicks, 2) << "the next click runs normally";
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(ApplicationTest, AnyStandardExceptionShowsItsText) {
    auto& button = form.add<Button>(L"btnDelete");
    button.onClick = [](Control&) { throw std::out_of_range("List index out of bounds (3)"); };
    form.show();
    boxes.answerNext(MessageAnswer::Ok);
    user::click(button);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, L"List index out of bounds (3)");
}

// The barrier is the last one: nothing passes it, not even an exception of no
// standard type or an error box the system refuses to show.
TEST(ApplicationBarrier, LetsNothingThroughEvenWhenTheErrorBoxCannotBeShown) {
    class NoDesktop : public platform::MessageBoxes {
    public:
        MessageAnswer show(const platform::MessageBoxRequest& box) override {
            texts.push_back(box.text);
            throw platform::Error(L"The message box could not be shown");
        }
        std::vector<std::wstring> texts;
    } boxes;
    HeadlessBackend backend;
    Application application(backend, boxes);
    EXPECT_NO_THROW(application.deliver([] { throw platform::Error(L"Drive not ready"); }));
    EXPECT_NO_THROW(application.deliver([] { throw 42; }));
    EXPECT_EQ(boxes.texts, (std::vector<std::wstring>{L"Drive not ready", L"unknown error"}));
}

TEST_F(ApplicationTest, AnErrorInAnEventFiredByASetterEndsTheWholeOuterHandler) {
    auto& bar = form.add<TrackBar>(L"trbSpeed");
    auto& down = form.add<Button>(L"btnMouseSpeedDown");
    bar.setRange(1, 13);
    bar.setPosition(5);
    bar.onChange = [](Control&) { throw platform::RegistryError(L"refused"); };
    down.onClick = [&](Control&) {
        bar.setPosition(bar.position() - 1);
        log.add("after the setter");
    };
    form.show();
    boxes.answerNext(MessageAnswer::Ok);
    user::click(down);
    EXPECT_EQ(log.take(), Events{});
    EXPECT_EQ(boxes.shown().size(), 1u) << "one box, at the outer barrier";
    EXPECT_EQ(bar.position(), 4) << "the position was stored before the handler failed";
}

TEST_F(ApplicationTest, ProcessingMessagesInAHandlerLetsASecondClickRunInside) {
    auto& remove = form.add<Button>(L"btnPage10Delete");
    int running = 0;
    int clicks = 0;
    remove.onClick = [&](Control&) {
        const int click = ++clicks;
        log.add("start " + std::to_string(click) + (running > 0 ? " while busy" : ""));
        ++running;
        if (click == 1) {
            backend.post([&] { user::click(remove); });
            application.processMessages();
        }
        --running;
        log.add("end " + std::to_string(click));
    };
    form.show();
    user::click(remove);
    EXPECT_EQ(log.take(), (Events{"start 1", "start 2 while busy", "end 2", "end 1"}));
    EXPECT_EQ(backend.queuedInput(), 0u);
}

TEST_F(ApplicationTest, QueuedInputThatFailsIsReportedAndTheRestStillRuns) {
    form.show();
    backend.post([] { throw platform::Error(L"first"); });
    backend.post([&] { log.add("second"); });
    boxes.answerNext(MessageAnswer::Ok);
    application.processMessages();
    EXPECT_EQ(log.take(), Events{"second"});
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(ApplicationTest, AnApplicationToldToEndBeforeItRunsNeverShowsItsForm) {
    form.onCreate = [&](Control&) { application.terminate(); };
    form.created();
    application.run();
    EXPECT_TRUE(application.terminated());
    EXPECT_FALSE(form.visible());
}

TEST_F(ApplicationTest, RunShowsTheMainForm) {
    form.onShow = log.logs("show");
    application.run();
    EXPECT_TRUE(form.showing());
    EXPECT_EQ(log.take(), Events{"frmTest show"});
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheApplicationUnlessOnCloseKeepsItOpen) {
    bool keepOpen = true;
    form.onClose = [&](Form&, CloseAction& action) {
        if (keepOpen) {
            action = CloseAction::None;
        }
    };
    form.show();
    user::closeWindow(form);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(application.terminated());
    keepOpen = false;
    user::closeWindow(form);
    EXPECT_TRUE(application.terminated());
    Form other(application, L"frmOther");
    other.show();
    user::closeWindow(other);
    EXPECT_FALSE(other.visible()) << "any other form closes by hiding";
}

TEST_F(ApplicationTest, TheCursorIsRecordedAsShown) {
    application.setCursor(CursorKind::AppStarting);
    application.setCursor(CursorKind::Wait);
    application.setCursor(CursorKind::Arrow);
    EXPECT_EQ(application.cursor(), CursorKind::Arrow);
    EXPECT_EQ(
        backend.cursorsShown(),
        (std::vector<CursorKind>{CursorKind::AppStarting, CursorKind::Wait, CursorKind::Arrow}));
}

TEST_F(ApplicationTest, DeactivatingTheFormFiresItsEvent) {
    form.onDeactivate = log.logs("deactivate");
    form.show();
    user::switchAway(form);
    EXPECT_EQ(log.take(), Events{"frmTest deactivate"});
}

class Timers : public testing::HeadlessUi {
protected:
    Timer& timerLogging(const std::wstring& name, int interval) {
        Timer& timer = form.addTimer(name);
        timer.setEnabled(false);
        timer.setInterval(interval);
        timer.onTimer = [this](Timer& sender) {
            log.add(platform::toUtf8(sender.name()) + "@" + std::to_string(backend.now()));
        };
        return timer;
    }
};

TEST_F(Timers, AdvancingTheClockFiresDueTimersInTimeOrder) {
    Timer& fast = timerLogging(L"Timer1", 100);
    Timer& slow = timerLogging(L"Timer2", 150);
    fast.setEnabled(true);
    slow.setEnabled(true);
    backend.advance(300);
    EXPECT_EQ(log.take(),
              (Events{"Timer1@100", "Timer2@150", "Timer1@200", "Timer2@300", "Timer1@300"}))
        << "at equal times the timer scheduled first fires first";
}

TEST_F(Timers, ADisabledTimerNeverFiresAndATickerCanStopItself) {
    Timer& timer = timerLogging(L"Timer1", 100);
    backend.advance(500);
    EXPECT_EQ(log.take(), Events{});
    EXPECT_THROW(backend.tick(timer), std::logic_error);
    int ticks = 0;
    timer.onTimer = [&](Timer& sender) {
        if (++ticks == 3) {
            sender.setEnabled(false);
        }
    };
    timer.setEnabled(true);
    backend.advance(1000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Timers, SleepingMovesTheClockAndLeavesQueuedInputWaiting) {
    Timer& timer = timerLogging(L"Timer1", 100);
    timer.setEnabled(true);
    backend.post([this] { log.add("queued click"); });
    Backend& native = backend;
    native.sleep(250);
    EXPECT_EQ(backend.now(), 250);
    EXPECT_EQ(log.take(), (Events{"Timer1@100", "Timer1@200"}));
    EXPECT_EQ(backend.queuedInput(), 1u);
    application.processMessages();
    EXPECT_EQ(log.take(), Events{"queued click"});
}

TEST_F(Timers, ANewTimerRunsEverySecondAsTheToolkitsDo) {
    Timer& timer = form.addTimer(L"Timer3");
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 1000);
    int ticks = 0;
    timer.onTimer = [&](Timer&) { ++ticks; };
    backend.advance(2500);
    EXPECT_EQ(ticks, 2);
}

class ModalForms : public testing::HeadlessUi {
protected:
    // A small dialog: an edit, OK (default, modal result OK), Cancel, Browse.
    ModalForms()
        : dialog(application, L"TFileBox"),
          text(dialog.add<Edit>(L"txtSpecialApp")),
          ok(dialog.add<Button>(L"btnOK")),
          cancel(dialog.add<Button>(L"btnCancel")),
          browse(dialog.add<Button>(L"Button1")) {
        ok.setModalResult(kModalOk);
        ok.setDefault(true);
        cancel.setModalResult(kModalCancel);
        cancel.setCancel(true);
        browse.onClick = [this](Control&) { dialog.setModalResult(kBrowse); };
        form.show();
    }

    static constexpr ModalResult kBrowse = 100;
    Form dialog;
    Edit& text;
    Button& ok;
    Button& cancel;
    Button& browse;
};

TEST_F(ModalForms, AScriptActsAsTheUserWhileTheDialogIsUp) {
    backend.onNextModal([&](Form& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_TRUE(dialog.showing());
        EXPECT_TRUE(dialog.modal());
        user::type(text, L"notepad.exe ");
        user::pressEnter(dialog);
    });
    EXPECT_EQ(dialog.showModal(), kModalOk);
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(text.text(), L"notepad.exe ");
    backend.onNextModal([&](Form&) { user::pressKey(dialog, platform::vk::kEscape); });
    EXPECT_EQ(dialog.showModal(), kModalCancel);
    backend.onNextModal([&](Form&) { user::click(browse); });
    EXPECT_EQ(dialog.showModal(), kBrowse);
    backend.onNextModal([&](Form&) { user::closeWindow(dialog); });
    EXPECT_EQ(dialog.showModal(), kModalCancel) << "closing a modal form cancels it";
}

TEST_F(ModalForms, OnCloseCanKeepAModalFormOpen) {
    int closes = 0;
    dialog.onClose = [&](Form&, CloseAction& action) {
        if (++closes == 1) {
            action = CloseAction::None;
        }
    };
    backend.onNextModal([&](Form&) { user::click(ok); });
    backend.onNextModal([&](Form&) {
        EXPECT_TRUE(dialog.showing()) << "still up after the first close was refused";
        user::click(cancel);
    });
    EXPECT_EQ(dialog.showModal(), kModalCancel);
    EXPECT_EQ(closes, 2);
}

TEST_F(ModalForms, AnErrorInsideTheDialogShowsTheErrorBoxOverTheDialog) {
    browse.onClick = [](Control&) { throw platform::Error(L"Drive not ready"); };
    backend.onNextModal([&](Form&) {
        boxes.answerNext(MessageAnswer::Ok);
        user::click(browse);
        user::click(cancel);
    });
    dialog.showModal();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].owner, dialog.windowId()) << "the box blocks the dialog";
}

TEST_F(ModalForms, EveryBoxIsOwnedByTheTopmostWindowWhateverTheCallerNamed) {
    platform::MessageBoxRequest box;
    box.text = L"Apply changes before continuing?";
    box.owner = 0;
    boxes.answerNext(MessageAnswer::Ok);
    application.messageBoxes().show(box);
    backend.onNextModal([&](Form&) {
        box.owner = form.windowId();
        boxes.answerNext(MessageAnswer::Ok);
        application.messageBoxes().show(box);
        user::click(cancel);
    });
    dialog.showModal();
    boxes.answerNext(MessageAnswer::Ok);
    application.messageBoxes().show(box);

    const std::vector<WindowId> owners = {form.windowId(), dialog.windowId(), form.windowId()};
    ASSERT_EQ(boxes.shown().size(), owners.size());
    for (size_t i = 0; i < owners.size(); ++i) {
        EXPECT_EQ(boxes.shown()[i].owner, owners[i]) << "box " << i;
    }
}

TEST_F(ModalForms, AModalFormNobodyAnswersFailsTheTestEvenInsideAHandler) {
    auto& add = form.add<Button>(L"btnPage10Browse");
    add.onClick = [&](Control&) { dialog.showModal(); };
    EXPECT_THROW(user::click(add), platform::ScriptError);
    EXPECT_FALSE(dialog.visible());
    backend.onNextModal([&](Form&) { user::type(text, L"x"); });
    EXPECT_THROW(dialog.showModal(), platform::ScriptError) << "the script left it open";
    EXPECT_TRUE(boxes.shown().empty()) << "a script failure is no error box";
}

TEST_F(ModalForms, AMessageBoxWithNoScriptedAnswerFailsTheTestEvenInsideAHandler) {
    auto& check = form.add<Button>(L"btnCheck");
    check.onClick = [&](Control&) {
        platform::MessageBoxRequest box;
        box.text = L"Please Select a Listed Device";
        box.caption = L"Select Device";
        application.messageBoxes().show(box);
    };
    EXPECT_THROW(user::click(check), platform::ScriptError);
}

}  // namespace
}  // namespace ui

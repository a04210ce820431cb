// The element framework driven by synthetic input: click routing, modality, z-order, windows
// that close themselves, tooltips, sliders, disabled buttons and the yes/no question.
#include "GUI_ButtonTypes.h"
#include "GUI_Dialog.h"
#include "GUI_SliderControl.h"
#include "GUI_TextField.h"
#include "GuiFixture.h"

namespace {
// A plain window at a rectangle, with one text button filling a corner of it.
GUI_WindowBase* OpenWindow(float l, float t, float r, float b, int* presses = nullptr) {
    auto* window = WindowList().Open<GUI_WindowBase>();
    window->SetRect(l, t, r, b);
    auto* button = window->Add<GUI_ButtonText>("CONFIRM_OK", [presses] {
        if (presses) ++*presses;
    });
    button->SetRect(l + 10, t + 10, l + 110, t + 40);
    return window;
}
}  // namespace

class Framework : public GuiFixture {};

TEST_F(Framework, AModalDialogSwallowsClicksAroundItWithTheErrorSound) {
    int desktopPresses = 0;
    GUI_WindowBase* desktop = OpenWindow(0, 0, 400, 300, &desktopPresses);
    bool confirmed = false;
    GUI_ConfirmDialog* question = GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "Sure?", [&] { confirmed = true; });

    // Behind the question the button neither highlights nor takes the click, and an icon of
    // the desktop (a button of no window, updated by the desktop itself) keeps its tooltip.
    MoveTo(50, 20);
    Step();
    auto* behind = static_cast<GUI_ButtonBase*>(desktop->Elements()[0].get());
    EXPECT_EQ(behind->state, 0);
    GUI_ButtonText icon("CONFIRM_OK");
    icon.SetRect(0, 200, 100, 240);
    icon.SetTooltip("A drum kit");
    MoveTo(50, 220);
    for (int i = 0; i < 3 * GUI_Tooltip::kDefaultDelay; ++i) {
        shell.input.Update();
        icon.Update();
    }
    EXPECT_EQ(icon.Tooltip()->fade, 0.0f);
    EXPECT_TRUE(Click(50, 20));
    EXPECT_EQ(desktopPresses, 0);
    EXPECT_EQ(Played("error.ogg"), 1);
    EXPECT_EQ(GUI_ConfirmDialog::Current(), question);

    // Its own OK button works, closes it first and then acts; behind it is usable again.
    const GRect ok = question->Elements()[0]->Area();
    EXPECT_TRUE(Click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2));
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(GUI_ConfirmDialog::Current(), nullptr);
    EXPECT_FALSE(WindowList().HasModal());
    EXPECT_EQ(Played("click.ogg"), 1);
    Click(50, 20);
    EXPECT_EQ(desktopPresses, 1);
}

// A letter that arrives overnight is open before the morning's full-screen options: it is drawn
// over them, so it is also the one the mouse and the keys reach.
TEST_F(Framework, AModalDialogStaysOnTopOfAModalScreenOpenedAfterIt) {
    bool answered = false;
    GUI_ConfirmDialog* letter = GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "Read me", [&] { answered = true; });
    int screenPresses = 0;
    GUI_WindowBase* screen = OpenWindow(0, 0, 1024, 768, &screenPresses);
    WindowList().AddModal(screen);
    Step();

    const GRect ok = letter->Elements()[0]->Area();
    EXPECT_TRUE(Click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2));
    EXPECT_TRUE(answered);
    EXPECT_EQ(screenPresses, 0);

    GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "And me", [&] { answered = false; });
    EXPECT_TRUE(WindowList().KeyToModal(DIK_RETURN));
    EXPECT_FALSE(answered) << "the key answered the letter, not the screen under it";
    EXPECT_EQ(WindowList().ModalWindows().size(), 1u);
    Click(50, 20);
    EXPECT_EQ(screenPresses, 1);
}

TEST_F(Framework, OnlyOneQuestionAtATimeAndKeysAnswerIt) {
    int cancelled = 0, confirmed = 0;
    GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "First?", [&] { ++confirmed; }, [&] { ++cancelled; });
    GUI_ConfirmDialog* second = GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "Second?", [&] { ++confirmed; });
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().ModalWindows().size(), 1u);
    EXPECT_EQ(GUI_ConfirmDialog::Current(), second);
    EXPECT_EQ(cancelled, 0);  // replaced, not answered
    EXPECT_TRUE(WindowList().KeyToModal(DIK_RETURN));
    EXPECT_EQ(confirmed, 1);
    GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "Third?", [&] { ++confirmed; }, [&] { ++cancelled; });
    EXPECT_TRUE(WindowList().KeyToModal(DIK_ESCAPE));
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(confirmed, 1);
    EXPECT_FALSE(WindowList().HasModal());
}

TEST_F(Framework, TheTopWindowTakesTheClickAndAClickBringsAWindowToTheFront) {
    int lowerPresses = 0, upperPresses = 0;
    GUI_WindowBase* lower = OpenWindow(0, 0, 300, 300, &lowerPresses);
    GUI_WindowBase* upper = OpenWindow(0, 0, 300, 300, &upperPresses);
    EXPECT_TRUE(Click(50, 20));
    EXPECT_EQ(upperPresses, 1);
    EXPECT_EQ(lowerPresses, 0);
    // Moved aside, the lower window is clicked on its own area and comes to the top.
    upper->MoveWindow(200, 0);
    EXPECT_EQ(upper->Elements()[0]->rect.left, 210);  // its button moved with it
    EXPECT_TRUE(Click(20, 200));
    EXPECT_EQ(WindowList().Windows().back(), lower);
    // A click on no window is left to the game mode.
    EXPECT_FALSE(Click(800, 700));
}

TEST_F(Framework, ACloseButtonClosesItsOwnWindowFromInsideTheClick) {
    auto* dialog = WindowList().Open<GUI_Dialog>("A title", true);
    dialog->SetRect(100, 100, 400, 300);
    bool told = false;
    dialog->onClosed = [&] { told = true; };
    Step();
    const GRect close = dialog->Elements()[0]->Area();
    EXPECT_TRUE(Click((close.left + close.right) / 2, (close.top + close.bottom) / 2));
    EXPECT_TRUE(told);
    EXPECT_TRUE(WindowList().Windows().empty());
    Step();  // nothing refers to it any more
}

TEST_F(Framework, EscapeClosesOnlyTheTopDialogAndNeverBehindAModal) {
    auto* first = WindowList().Open<GUI_Dialog>("First");
    auto* second = WindowList().Open<GUI_Dialog>("Second");
    OpenWindow(0, 0, 100, 100);
    WindowList().CloseTopDialog();
    EXPECT_TRUE(second->Closed());
    EXPECT_FALSE(first->Closed());
    GUI_ConfirmDialog::Ask("CONFIRM_APP_QUIT_TITLE", "Sure?", [] {});
    WindowList().CloseTopDialog();
    EXPECT_FALSE(first->Closed());
}

TEST_F(Framework, DialogsAreDrawnOverWindowsWhateverTheirOrder) {
    SolidPicture("red.png", 4, 4, 0xFFFF0000);
    struct Filled : GUI_WindowBase {
        std::uint32_t colour;
        explicit Filled(std::uint32_t c) : colour(c) {}
        void DrawBackground() override { Renderer().FillRect(0, 0, 50, 50, colour); }
    };
    struct FilledDialog : GUI_Dialog {
        void DrawBackground() override { Renderer().FillRect(0, 0, 50, 50, 0xFF0000FF); }
    };
    WindowList().Open<FilledDialog>();
    WindowList().Open<Filled>(0xFF00FF00u);  // later in the list, yet an ordinary window
    WindowList().DrawWindows();
    EXPECT_EQ(At(Frame(), 10, 10), 0x0000FFu);
}

TEST_F(Framework, TooltipsFadeInAfterTheRestDelayFadeOutAndStayOnScreen) {
    GUI_WindowBase* holder = OpenWindow(0, 0, 1024, 300);
    auto* button = static_cast<GUI_ButtonBase*>(holder->Elements()[0].get());
    button->SetTooltip("Short");
    GUI_Tooltip& tip = *button->Tooltip();
    EXPECT_EQ(tip.height, 20);
    // The mouse comes to rest on the button at time 0; frames of `step` ms follow. Returns the
    // fade after each frame until `until` ms, hovered until `leave` ms.
    auto run = [&](std::uint64_t step, std::uint64_t leave, std::uint64_t until) {
        tip.fade = 0.0f;
        std::vector<std::pair<std::uint64_t, float>> fades;
        for (std::uint64_t now = 1000; now <= 1000 + until; now += step) {
            shell.now = now;
            shell.input.restMs = now - 1000;
            shell.input.mouseTaken = false;
            MoveTo(now - 1000 < leave ? 50.0f : 600.0f, 20.0f);
            button->Update();
            button->Draw();
            DrawTooltipQueue();
            fades.emplace_back(now - 1000, tip.fade);
        }
        return fades;
    };
    // At 50 frames a second: nothing until the rest delay has passed, then +0.25 a frame less the
    // 0.125 drawing takes away, and gone eight frames after the mouse leaves.
    const auto fifty = run(20, 400, 600);
    for (const auto& [ms, fade] : fifty) {
        if (ms <= static_cast<std::uint64_t>(tip.delay) * 20) {
            EXPECT_FLOAT_EQ(fade, 0.0f) << ms;
        }
    }
    EXPECT_FLOAT_EQ(fifty[static_cast<std::size_t>(tip.delay) + 1].second, 0.125f);
    EXPECT_FLOAT_EQ(fifty[static_cast<std::size_t>(tip.delay) + 7].second, 0.875f);
    EXPECT_GT(fifty[19].second, 0.0f);        // 380 ms: still hovered
    EXPECT_FLOAT_EQ(fifty[28].second, 0.0f);  // 560 ms: eight frames after leaving
    // At 144 frames a second (7 ms frames) the tooltip keeps the same time: it shows, fills and
    // goes at the same moments, within a frame of each rate (each sees the mouse go at its own
    // next frame).
    const auto fast = run(7, 400, 600);
    auto first = [](const std::vector<std::pair<std::uint64_t, float>>& fades, std::uint64_t after, auto test) {
        for (const auto& [at, fade] : fades)
            if (at >= after && test(fade)) return static_cast<long long>(at);
        return -1LL;
    };
    const auto shown = [](float fade) { return fade > 0.0f; };
    const auto full = [](float fade) { return fade >= 0.85f; };
    const auto gone = [](float fade) { return fade == 0.0f; };
    EXPECT_NEAR(first(fast, 0, shown), first(fifty, 0, shown), 27);
    EXPECT_NEAR(first(fast, 0, full), first(fifty, 0, full), 27);
    EXPECT_NEAR(first(fast, 400, gone), first(fifty, 400, gone), 27);
    EXPECT_GT(first(fast, 400, gone), 400);

    // Near the right edge it flips to the left of the cursor; near the bottom it goes above.
    tip.PlaceNear(1020, 760);
    EXPECT_EQ(tip.rect.right, 1020);
    EXPECT_EQ(tip.rect.bottom, 760);
    tip.PlaceNear(5, 5);
    EXPECT_EQ(tip.rect.left, 35);

    // A long text wraps within 240 pixels (and its padding).
    button->SetTooltip("A much longer tooltip that certainly needs more than one line of text to be read");
    EXPECT_GT(button->Tooltip()->height, 20);
    EXPECT_LE(button->Tooltip()->width, 248);
}

// Two buttons in one place, one of them hidden (a screen that swaps a button for another):
// the hidden one neither lights up nor keeps the shown one's tooltip from coming.
TEST_F(Framework, AHiddenButtonLeavesTheMouseToTheOneShownInItsPlace) {
    GUI_WindowBase* holder = OpenWindow(0, 0, 400, 300);
    auto* hidden = static_cast<GUI_ButtonBase*>(holder->Elements()[0].get());
    hidden->SetTooltip("Hidden");
    hidden->visible = false;
    auto* shown = holder->Add<GUI_ButtonText>("CONFIRM_CANCEL", [] {}, "CONFIRM_OK");
    shown->SetRect(10, 10, 110, 40);
    MoveTo(50, 20);
    for (int i = 0; i < shown->Tooltip()->delay + 4; ++i) {  // the mouse rests there
        shell.now += 20;
        Step();
    }
    EXPECT_EQ(hidden->state, 0);
    EXPECT_EQ(shown->state, 1);
    EXPECT_GT(shown->Tooltip()->fade, 0.0f);
    EXPECT_FLOAT_EQ(hidden->Tooltip()->fade, 0.0f);
}

TEST_F(Framework, SliderFollowsTheDragWithinItsEnds) {
    float value = 0.5f;
    int changes = 0;
    GUI_SliderControl slider("OPTIONS_MUSIC_VOLUME", &value, [&] { ++changes; });
    slider.SetRect(100, 100, 300, 116);
    EXPECT_FALSE(slider.OnClick(120, 108));  // not on the knob
    ASSERT_TRUE(slider.OnClick(200, 108));
    shell.input.buttonHeld = true;
    MoveTo(250, 300);
    slider.Update();
    EXPECT_FLOAT_EQ(value, 0.75f);
    MoveTo(900, 108);
    slider.Update();
    EXPECT_FLOAT_EQ(value, 1.0f);
    MoveTo(-50, 108);
    slider.Update();
    EXPECT_FLOAT_EQ(value, 0.0f);
    EXPECT_EQ(changes, 3);
    shell.input.buttonHeld = false;
    slider.Update();
    EXPECT_FALSE(slider.Dragging());
    MoveTo(250, 108);
    slider.Update();
    EXPECT_FLOAT_EQ(value, 0.0f);
}

TEST_F(Framework, ADisabledIconButtonIsFaintAndIgnoresClicksAndNoCallbackMeansNoClickSound) {
    SolidPicture("white.png", 8, 8, 0xFFFFFFFF);
    int presses = 0;
    GUI_IconButton icon("white.png", "white.png", [&] { ++presses; });
    icon.SetRect(0, 0, 32, 32);
    icon.enabled = false;
    icon.Draw();
    EXPECT_NEAR(static_cast<int>(At(Frame(), 16, 16) & 0xFF), 32, 2);
    EXPECT_FALSE(icon.OnClick(16, 16));
    EXPECT_EQ(presses, 0);
    icon.enabled = true;
    EXPECT_TRUE(icon.OnClick(16, 16));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(Played("click.ogg"), 1);
    GUI_IconButton silent("white.png", "white.png");
    silent.SetRect(0, 0, 32, 32);
    EXPECT_TRUE(silent.OnClick(16, 16));
    EXPECT_EQ(Played("click.ogg"), 1);
}

TEST_F(Framework, DraggedWindowsFollowTheMouseAndStayOnScreen) {
    GUI_WindowBase* dragged = OpenWindow(100, 100, 400, 300);
    dragged->draggable = true;
    MoveTo(300, 250);  // on the window, off its button
    shell.input.buttonHeld = true;
    dragged->Update();
    ASSERT_TRUE(dragged->dragging);
    MoveTo(2000, 2000);
    dragged->Update();
    EXPECT_EQ(dragged->rect.right, 1024);
    EXPECT_EQ(dragged->rect.bottom, 768);
    MoveTo(-500, -500);
    dragged->Update();
    EXPECT_EQ(dragged->rect.left, 0);
    EXPECT_EQ(dragged->rect.top, 0);
    shell.input.buttonHeld = false;
    dragged->Update();
    EXPECT_FALSE(dragged->dragging);
    EXPECT_EQ(WindowList().dragOwner, nullptr);
    // A press on one of its buttons is a press, not a drag.
    MoveTo(50, 20);
    shell.input.mouseTaken = false;
    shell.input.buttonHeld = true;
    dragged->Update();
    EXPECT_FALSE(dragged->dragging);
}

TEST_F(Framework, TextFieldsEditWithinTheirLimitsAndSayWhyAChangeIsRefused) {
    GUI_TextField field(8, 120.0f);
    field.SetRect(0, 0, 200, 40);
    GUI_TextField other(8, 120.0f);
    EXPECT_TRUE(field.OnClick(10, 10));
    EXPECT_TRUE(field.Focused());
    field.OnText("abc");
    field.OnKey(DIK_LEFT);
    field.OnText("X");
    EXPECT_EQ(field.Text(), "abXc");
    field.OnKey(DIK_HOME);
    field.OnKey(DIK_DELETE);
    field.OnKey(DIK_END);
    field.OnKey(DIK_BACK);
    EXPECT_EQ(field.Text(), "bX");
    field.OnText("123456789");
    EXPECT_EQ(field.Text().size(), 8u);  // the length limit
    field.SetText("");
    field.OnText(std::string(40, 'W'));
    EXPECT_LT(field.Text().size(), 8u);  // the width limit came first
    EXPECT_GT(field.Text().size(), 0u);
    field.SetText("ok");
    field.check = [](const std::string& text) { return text.find('/') != std::string::npos ? "no slashes" : ""; };
    field.OnText("/");
    EXPECT_EQ(field.Text(), "ok");
    EXPECT_EQ(field.Refusal(), "no slashes");
    field.OnText("!");
    EXPECT_EQ(field.Refusal(), "");
    other.Focus();
    EXPECT_FALSE(field.Focused());
    EXPECT_EQ(FocusedTextField(), &other);
}

TEST_F(Framework, AFullScreenActivityAloneIsDrawnAndClickedAndTabsShowOneAtATime) {
    int behindPresses = 0, activityPresses = 0;
    OpenWindow(0, 0, 400, 300, &behindPresses);
    GUI_WindowBase* activity = OpenWindow(500, 400, 900, 700, &activityPresses);
    WindowList().AddExclusive(activity);
    EXPECT_TRUE(Click(50, 20));
    EXPECT_EQ(behindPresses, 0);
    EXPECT_EQ(Played("error.ogg"), 1);
    EXPECT_TRUE(Click(550, 420));
    EXPECT_EQ(activityPresses, 1);
    WindowList().RemoveExclusive(activity);
    Click(50, 20);
    EXPECT_EQ(behindPresses, 1);

    // Two tabs: the selected one draws and takes clicks; its button selects the other.
    auto* container = WindowList().Open<GUI_TabContainer>();
    container->SetRect(0, 400, 300, 700);
    int firstPresses = 0, secondPresses = 0;
    GUI_WindowTab* first = container->AddTab(std::make_unique<GUI_WindowTab>());
    GUI_WindowTab* second = container->AddTab(std::make_unique<GUI_WindowTab>());
    first->Add<GUI_ButtonText>("CONFIRM_OK", [&] { ++firstPresses; })->SetRect(10, 410, 110, 440);
    second->Add<GUI_ButtonText>("CONFIRM_OK", [&] { ++secondPresses; })->SetRect(10, 410, 110, 440);
    container->Add<GUI_ButtonTab>("CONFIRM_CANCEL", second)->SetRect(10, 650, 110, 680);
    container->SelectTab(first);
    EXPECT_EQ(second->index, 1);
    Click(50, 420);
    Click(50, 665);
    EXPECT_TRUE(second->selected);
    EXPECT_FALSE(first->selected);
    Click(50, 420);
    EXPECT_EQ(firstPresses, 1);
    EXPECT_EQ(secondPresses, 1);
}

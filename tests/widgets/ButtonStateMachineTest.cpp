#include "widgets/ButtonStateMachine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingSurface : public ButtonSurface
{
public:
    void DrawState(ButtonState s) override { draws.push_back(s); }
    void RaiseClick() override { ++clicks; }
    void RaiseDblClick() override { ++dblClicks; }
    void RaiseMouseMove(int, int, float, float) override { ++mouseMoves; }
    void RaiseFormActivate(int &state) override { activations.push_back(state); }
    void TrackLeave() override { ++leaveRequests; }
    void SendTab(bool backwards) override { tabs.push_back(backwards); }
    void DoEvents() override { ++doEvents; }

    std::vector<ButtonState> draws;
    std::vector<int> activations;
    std::vector<bool> tabs;
    int clicks = 0, dblClicks = 0, mouseMoves = 0, leaveRequests = 0, doEvents = 0;
};

constexpr float W = 77;
constexpr float H = 34;

// An enabled button on an active form, as a running form has it.
class ButtonStateMachineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        machine.SetPaintLock(true);
        machine.SetFocusRect(true);
        machine.SetEnabled(true);
        machine.FormActivated(true);
        surface.draws.clear();
        surface.activations.clear();
    }
    void MoveInside() { machine.MouseMove(0, 0, 10, 10, W, H); }
    void MoveOutside() { machine.MouseMove(1, 0, W + 5, 10, W, H); }
    ButtonState State() const { return machine.CurrentState(); }

    RecordingSurface surface;
    ButtonStateMachine machine{surface};
};

TEST(ButtonStateMachineCreation, PaintLockDropsDrawingsUntilEnabledIsSet)
{
    RecordingSurface surface;
    ButtonStateMachine machine(surface);
    machine.SetPaintLock(true);
    machine.DrawButton(StateHot);
    EXPECT_TRUE(surface.draws.empty());
    EXPECT_EQ(machine.CurrentState(), StateDisabled); // not even recorded
    machine.SetEnabled(true);
    EXPECT_FALSE(machine.PaintLock());
    EXPECT_EQ(surface.draws, std::vector<ButtonState>{StateNormal});
}

TEST_F(ButtonStateMachineTest, MouseReleaseOutsideGivesNoClickAndMovingBackPresses)
{
    MoveInside();
    machine.MouseDown(LeftButton);
    EXPECT_EQ(State(), StatePressed);
    MoveOutside();
    EXPECT_EQ(State(), StateFocused); // focused by the press
    machine.MouseUp(LeftButton);
    EXPECT_EQ(surface.clicks, 0);
    EXPECT_FALSE(machine.Armed());

    MoveInside();
    machine.MouseDown(LeftButton);
    MoveOutside();
    MoveInside();
    EXPECT_EQ(State(), StatePressed);
    machine.MouseUp(LeftButton);
    EXPECT_EQ(surface.clicks, 1);
    EXPECT_EQ(State(), StateHot);
}

TEST_F(ButtonStateMachineTest, OnlyTheLeftButtonPressesAndADoubleClickClicksOnce)
{
    MoveInside();
    machine.MouseDown(2);
    machine.MouseUp(2);
    EXPECT_EQ(State(), StateHot);
    machine.DoubleClick();
    EXPECT_EQ(surface.clicks, 0);
    EXPECT_EQ(surface.dblClicks, 0);

    machine.MouseDown(LeftButton);
    machine.MouseUp(LeftButton);
    machine.DoubleClick();
    EXPECT_EQ(State(), StatePressed);
    machine.MouseUp(LeftButton);
    EXPECT_EQ(surface.clicks, 1);
    EXPECT_EQ(surface.dblClicks, 1);
    EXPECT_EQ(State(), StateHot);
}

TEST_F(ButtonStateMachineTest, SpaceWhileMouseHoldsIsIgnored)
{
    MoveInside();
    machine.MouseDown(LeftButton);
    machine.KeyPressed(KeySpace);
    EXPECT_FALSE(machine.SpaceDown());
    machine.KeyReleased(KeySpace);
    EXPECT_EQ(surface.clicks, 0);
    EXPECT_TRUE(machine.Armed());
    machine.MouseUp(LeftButton);
    EXPECT_EQ(surface.clicks, 1);
}

TEST_F(ButtonStateMachineTest, SpaceClicksOnReleaseEnterWithoutPressedLookArrowsMoveFocus)
{
    machine.GotFocus();
    machine.KeyPressed(KeySpace);
    EXPECT_EQ(State(), StatePressed);
    EXPECT_EQ(surface.clicks, 0);
    // Mouse moves while Space holds the button change nothing and are not reported.
    MoveInside();
    EXPECT_EQ(State(), StatePressed);
    EXPECT_EQ(surface.mouseMoves, 0);
    machine.KeyReleased(KeySpace);
    EXPECT_EQ(surface.clicks, 1);
    EXPECT_EQ(State(), StateHot);
    EXPECT_FALSE(machine.SpaceDown());

    machine.MouseLeft();
    surface.draws.clear();
    machine.KeyPressed(KeyEnter);
    EXPECT_EQ(surface.clicks, 2);
    EXPECT_TRUE(surface.draws.empty());
    EXPECT_EQ(State(), StateFocused);

    for (int key : {KeyLeft, KeyUp, KeyRight, KeyDown, 65})
        machine.KeyPressed(key);
    EXPECT_EQ(surface.tabs, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(surface.clicks, 2);
}

TEST_F(ButtonStateMachineTest, AccessKeyDuringSpaceCancelsThePress)
{
    machine.GotFocus();
    machine.KeyPressed(KeySpace);
    machine.AccessKeyPressed();
    EXPECT_EQ(State(), StateFocused);
    EXPECT_FALSE(machine.Armed());
    machine.KeyReleased(KeySpace);
    EXPECT_EQ(surface.clicks, 0);

    machine.AccessKeyPressed();
    EXPECT_EQ(surface.doEvents, 1);
    EXPECT_EQ(surface.clicks, 1);
}

TEST_F(ButtonStateMachineTest, DisabledButtonIgnoresInputButReportsActivationAndReturnsToItsLook)
{
    machine.SetEnabled(false);
    EXPECT_EQ(State(), StateDisabled);
    machine.AccessKeyPressed();
    machine.LostFocus();
    machine.MouseLeft();
    EXPECT_EQ(surface.clicks, 0);
    EXPECT_EQ(State(), StateDisabled);

    surface.draws.clear();
    machine.FormActivated(false);
    machine.FormActivated(true);
    EXPECT_TRUE(surface.draws.empty());
    EXPECT_EQ(surface.activations, (std::vector<int>{0, 1}));

    machine.AmbientChanged("DisplayAsDefault", true);
    EXPECT_EQ(State(), StateDisabled);
    machine.SetEnabled(true);
    EXPECT_EQ(State(), StateFocused);
    MoveInside();
    machine.SetEnabled(false);
    EXPECT_EQ(State(), StateDisabled);
    machine.SetEnabled(true);
    EXPECT_EQ(State(), StateHot);
}

TEST(ButtonStateMachineInactiveForm, NoHotLookNoMouseMoveNoClick)
{
    RecordingSurface surface;
    ButtonStateMachine machine(surface);
    machine.SetEnabled(true);
    machine.MouseMove(0, 0, 5, 5, W, H);
    EXPECT_TRUE(machine.IsHot());
    EXPECT_EQ(machine.CurrentState(), StateNormal);
    EXPECT_EQ(surface.mouseMoves, 0);
    machine.MouseDown(LeftButton);
    machine.MouseUp(LeftButton);
    EXPECT_EQ(surface.clicks, 0);

    machine.FormActivated(true);
    EXPECT_EQ(machine.CurrentState(), StateHot);
    EXPECT_EQ(surface.activations, std::vector<int>{1});
}

TEST_F(ButtonStateMachineTest, DeactivationCancelsPressesAndShowsNormal)
{
    MoveInside();
    machine.MouseDown(LeftButton);
    machine.FormActivated(false);
    EXPECT_EQ(State(), StateNormal);
    EXPECT_FALSE(machine.Armed());
    EXPECT_FALSE(machine.LeftDown());
    machine.MouseUp(LeftButton);
    EXPECT_EQ(surface.clicks, 0);

    machine.FormActivated(true);
    machine.GotFocus();
    machine.KeyPressed(KeySpace);
    machine.FormActivated(false);
    machine.KeyReleased(KeySpace);
    EXPECT_EQ(surface.clicks, 0);
    EXPECT_EQ(surface.activations, (std::vector<int>{0, 1, 0}));
}

TEST_F(ButtonStateMachineTest, LeavingShowsFocusOrNormalLookButKeepsASpacePress)
{
    MoveInside();
    EXPECT_EQ(State(), StateHot);
    EXPECT_EQ(surface.leaveRequests, 1);
    machine.MouseLeft();
    EXPECT_EQ(State(), StateNormal);

    machine.GotFocus();
    MoveInside();
    machine.MouseLeft();
    EXPECT_EQ(State(), StateFocused);
    EXPECT_FALSE(machine.IsHot());

    MoveInside();
    machine.KeyPressed(KeySpace);
    machine.MouseLeft();
    EXPECT_EQ(State(), StatePressed);
}

TEST_F(ButtonStateMachineTest, FocusLossClearsPressAndFollowsDefaultLook)
{
    machine.GotFocus();
    EXPECT_EQ(State(), StateFocused);
    machine.KeyPressed(KeySpace);
    machine.LostFocus();
    EXPECT_FALSE(machine.SpaceDown());
    EXPECT_FALSE(machine.Armed());
    EXPECT_EQ(State(), StateNormal);

    machine.AmbientChanged("DisplayAsDefault", true);
    EXPECT_EQ(State(), StateFocused);
    machine.GotFocus();
    machine.LostFocus();
    EXPECT_EQ(State(), StateFocused);
}

TEST_F(ButtonStateMachineTest, OnlyDisplayAsDefaultRedrawsButAnyAmbientChangeIsRead)
{
    machine.AmbientChanged("ForeColor", true);
    EXPECT_TRUE(machine.ShowDefault());
    EXPECT_TRUE(surface.draws.empty());
    machine.AmbientChanged("DisplayAsDefault", false);
    EXPECT_FALSE(machine.ShowDefault());
    EXPECT_EQ(State(), StateNormal);

    MoveInside();
    machine.AmbientChanged("DisplayAsDefault", true);
    EXPECT_EQ(State(), StateHot);
}

TEST_F(ButtonStateMachineTest, MouseBoundsIncludeTheFarEdgesAndFocusRectRedrawsOnlyWithFocus)
{
    machine.MouseMove(0, 0, W, H, W, H);
    EXPECT_TRUE(machine.IsHot());
    machine.MouseMove(0, 0, -0.5f, 0, W, H);
    EXPECT_FALSE(machine.IsHot());
    EXPECT_EQ(State(), StateNormal);
    EXPECT_EQ(surface.mouseMoves, 2);

    surface.draws.clear();
    machine.SetFocusRect(false);
    EXPECT_TRUE(surface.draws.empty());
    machine.GotFocus();
    surface.draws.clear();
    machine.SetFocusRect(true);
    EXPECT_EQ(surface.draws, std::vector<ButtonState>{StateFocused});
}

} // namespace

#include "ButtonTestSupport.h"

#include "widgets/MessageHook.h"

#include <QSignalSpy>

#include <memory>
#include <vector>

namespace {

class RecordingClient : public HookClient
{
public:
    void HookProc(bool bBefore, bool &bHandled, qintptr &, QWidget *lng_hWnd, quint32 &uMsg, quintptr &wParam,
                  qintptr) override
    {
        EXPECT_TRUE(bBefore);
        messages.push_back({lng_hWnd, uMsg, wParam});
        bHandled = consume;
    }

    struct Message
    {
        QWidget *window;
        quint32 uMsg;
        quintptr wParam;
    };
    std::vector<Message> messages;
    bool consume = false;
};

// Counts the events that get past every filter installed after it.
class EventCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate)
            ++activations;
        return false;
    }
    int activations = 0;
};

void Send(QWidget &window, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(&window, &event);
}

// One window hooked for one message.
class ButtonMessageHook : public ::testing::Test
{
protected:
    void Hook(quint32 message, int flags)
    {
        hook.HookWindow(&window);
        hook.HookMessage(&window, message, flags);
    }

    QWidget window;
    RecordingClient client;
    MessageHook hook{&client};
};

TEST_F(ButtonMessageHook, ReportsOnlyListedMessagesWithWParamAndOneLeavePerTrackLeave)
{
    Hook(WM_ACTIVATE, 1);
    hook.HookMessage(&window, WM_ACTIVATE, 1);
    Send(window, QEvent::WindowActivate);
    Send(window, QEvent::WindowDeactivate);
    Send(window, QEvent::Leave);
    ASSERT_EQ(client.messages.size(), 2u);
    EXPECT_EQ(client.messages[0].uMsg, WM_ACTIVATE);
    EXPECT_EQ(client.messages[0].wParam, 1u);
    EXPECT_EQ(client.messages[0].window, &window);
    EXPECT_EQ(client.messages[1].wParam, 0u);
    EXPECT_EQ(hook.Entries()[0].List[0], std::vector<quint32>{WM_ACTIVATE});

    // The leave is reported once per TrackLeave.
    hook.HookMessage(&window, WM_MOUSELEAVE, 1);
    Send(window, QEvent::Leave);
    hook.TrackLeave(&window);
    Send(window, QEvent::Leave);
    Send(window, QEvent::Leave);
    ASSERT_EQ(client.messages.size(), 3u);
    EXPECT_EQ(client.messages[2].uMsg, WM_MOUSELEAVE);
}

TEST_F(ButtonMessageHook, EveryMessageListAndHandledMessagesStopThere)
{
    EventCounter counter;
    window.installEventFilter(&counter);
    Hook(quint32(-1), 2);
    EXPECT_EQ(hook.Entries()[0].Count[1], -1);
    Send(window, QEvent::WindowActivate);
    // With every message listed, both activation messages are reported.
    ASSERT_EQ(client.messages.size(), 2u);
    EXPECT_EQ(client.messages[1].uMsg, WM_NCACTIVATE);
    EXPECT_EQ(counter.activations, 1);

    client.consume = true;
    Send(window, QEvent::WindowActivate);
    EXPECT_EQ(counter.activations, 1);
}

TEST_F(ButtonMessageHook, FreedEntriesAreReusedFromTheTop)
{
    QWidget a, b, c, d;
    hook.HookWindow(&a);
    hook.HookWindow(&b);
    hook.HookWindow(&c);
    hook.UnhookWindow(&a);
    hook.UnhookWindow(&b);
    hook.HookWindow(&d);
    ASSERT_EQ(hook.Entries().size(), 3u);
    EXPECT_EQ(hook.Entries()[0].Window, nullptr);
    EXPECT_EQ(hook.Entries()[1].Window, &d);
    hook.HookMessage(&a, WM_ACTIVATE, 1); // not hooked any more: nothing happens
    Send(a, QEvent::WindowActivate);
    EXPECT_TRUE(client.messages.empty());
}

TEST(ButtonMessageHooks, UnhookedClientIsNeverCalledAgain)
{
    QWidget window;
    RecordingClient first, second;
    MessageHook firstHook(&first), secondHook(&second);
    for (MessageHook *hook : {&firstHook, &secondHook}) {
        hook->HookWindow(&window);
        hook->HookMessage(&window, WM_ACTIVATE, 1);
    }
    firstHook.UnhookWindow(&window);
    Send(window, QEvent::WindowActivate);
    EXPECT_TRUE(first.messages.empty());
    EXPECT_EQ(second.messages.size(), 1u);
}

class ButtonHooksOnForm : public ButtonForm, public ::testing::WithParamInterface<bool>
{
};

TEST_P(ButtonHooksOnForm, TwoButtonsRemovedInEitherOrder)
{
    const bool firstGoesFirst = GetParam();
    auto *one = AddButton(QStringLiteral("&OK"), QPoint(10, 10));
    auto *two = AddButton(QStringLiteral("&Cancel"), QPoint(110, 10));
    two->setEnabled(false);
    QSignalSpy oneActivations(one, &FlatButton::FormActivate);
    QSignalSpy twoActivations(two, &FlatButton::FormActivate);
    ShowActive();
    EXPECT_EQ(oneActivations.count(), 1);
    EXPECT_EQ(twoActivations.count(), 1); // disabled buttons follow the form too

    FlatButton *gone = firstGoesFirst ? one : two;
    FlatButton *kept = firstGoesFirst ? two : one;
    std::vector<int> keptActivations;
    QObject::connect(kept, &FlatButton::FormActivate, kept, [&keptActivations](int &state) {
        keptActivations.push_back(state);
    });
    delete gone;

    QWidget otherForm;
    otherForm.resize(50, 50);
    otherForm.show();
    ASSERT_TRUE(Activate(otherForm));
    ASSERT_TRUE(Activate(form));
    EXPECT_EQ(keptActivations, (std::vector<int>{0, 1}));
    EXPECT_TRUE(kept->State().FormActive());

    delete kept;
    ASSERT_TRUE(Activate(otherForm));
    ASSERT_TRUE(Activate(form));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.findChildren<HookDispatcher *>().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothOrders, ButtonHooksOnForm, ::testing::Bool());

TEST_F(ButtonForm, ButtonPutOnAFormLaterFollowsThatForm)
{
    auto *button = new FlatButton;
    button->setParent(&form);
    ShowActive();
    EXPECT_TRUE(button->State().FormActive());
}

TEST_F(ButtonForm, ButtonDeletedByItsFormActivateHandlerIsSafe)
{
    QPointer<FlatButton> button = AddButton(QStringLiteral("&OK"), QPoint(10, 10));
    QObject::connect(button, &FlatButton::FormActivate, button, [&button](int &) { delete button; });
    ShowActive();
    EXPECT_TRUE(button.isNull());
}

} // namespace

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

// Platform message numbers the button observes. Qt delivers them as events:
// QEvent::WindowActivate is WM_ACTIVATE (and WM_NCACTIVATE) with wParam 1,
// QEvent::WindowDeactivate the same with wParam 0, and QEvent::Leave, after a
// TrackLeave, is WM_MOUSELEAVE.
constexpr quint32 WM_ACTIVATE = 0x0006;
constexpr quint32 WM_NCACTIVATE = 0x0086;
constexpr quint32 WM_MOUSELEAVE = 0x02A3;

// Receives the messages of the windows it hooked.
class HookClient
{
public:
    virtual ~HookClient() = default;
    // bBefore is true: an event filter sees a message before the window does.
    // Setting bHandled keeps the message from the window; lReturn is unused,
    // as Qt events carry no result.
    virtual void HookProc(bool bBefore, bool &bHandled, qintptr &lReturn, QWidget *lng_hWnd, quint32 &uMsg,
                          quintptr &wParam, qintptr lParam) = 0;
};

// The per-window dispatch routine: an event filter on the hooked window (and
// its child, so it goes with the window) that turns the events above into
// messages and reports the listed ones.
class HookDispatcher : public QObject
{
    Q_OBJECT

public:
    HookDispatcher(QWidget *window, HookClient *client);
    // count -1 reports every message; 0 none.
    void SetList(int list, const std::vector<quint32> &messages, int count);
    void SetCount(int list, int count);
    void TrackLeave() { leaveTracked_ = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Listed(int list, quint32 message) const;

    QWidget *window_;
    HookClient *client_;
    std::vector<quint32> lists_[2];
    int counts_[2] = {0, 0};
    bool leaveTracked_ = false;
};

// One button's table of hooked windows. Several tables may hook the same
// window; each adds its own filter, and they can be removed in any order.
class MessageHook
{
public:
    explicit MessageHook(HookClient *client);
    ~MessageHook();
    MessageHook(const MessageHook &) = delete;
    MessageHook &operator=(const MessageHook &) = delete;

    void HookWindow(QWidget *hwnd);
    // Flags: 1 selects list 1, 2 selects list 2; message -1 (0xFFFFFFFF) means every message.
    void HookMessage(QWidget *hwnd, quint32 message, int flags);
    void UnhookWindow(QWidget *hwnd);
    // One QEvent::Leave of hwnd will be reported as WM_MOUSELEAVE.
    void TrackLeave(QWidget *hwnd);

private:
    struct Entry
    {
        QPointer<QWidget> Window; // null marks a free entry
        QPointer<HookDispatcher> Dispatcher;
        int Count[2] = {0, 0};
        std::vector<quint32> List[2];
    };

    Entry *Find(QWidget *hwnd);

    HookClient *client_;
    std::vector<Entry> table_;
};

#include "widgets/MessageHook.h"

#include <QEvent>

#include <algorithm>

HookDispatcher::HookDispatcher(QWidget *window, HookClient *client)
    : QObject(window)
    , window_(window)
    , client_(client)
{
}

void HookDispatcher::SetList(int list, const std::vector<quint32> &messages, int count)
{
    lists_[list - 1] = messages;
    counts_[list - 1] = count;
}

void HookDispatcher::SetCount(int list, int count)
{
    counts_[list - 1] = count;
}

bool HookDispatcher::Listed(int list, quint32 message) const
{
    const int count = counts_[list - 1];
    if (count == -1)
        return true;
    const auto &messages = lists_[list - 1];
    const auto end = messages.begin() + std::min<qsizetype>(count, qsizetype(messages.size()));
    return std::find(messages.begin(), end, message) != end;
}

bool HookDispatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_)
        return false;
    quint32 messages[2] = {0, 0};
    quintptr wParam = 0;
    switch (event->type()) {
    case QEvent::WindowActivate:
        messages[0] = WM_ACTIVATE;
        messages[1] = WM_NCACTIVATE;
        wParam = 1;
        break;
    case QEvent::WindowDeactivate:
        messages[0] = WM_ACTIVATE;
        messages[1] = WM_NCACTIVATE;
        break;
    case QEvent::Leave:
        if (!leaveTracked_)
            return false;
        leaveTracked_ = false;
        messages[0] = WM_MOUSELEAVE;
        break;
    default:
        return false;
    }
    bool handled = false;
    for (quint32 message : messages) {
        for (int list = 1; list <= 2 && message != 0; ++list) {
            // Listed() is asked again each time: the handler may have unhooked.
            if (!Listed(list, message))
                continue;
            bool bHandled = false;
            qintptr lReturn = 0;
            quint32 uMsg = message;
            quintptr w = wParam;
            client_->HookProc(true, bHandled, lReturn, window_, uMsg, w, 0);
            handled = handled || bHandled;
        }
    }
    return handled;
}

MessageHook::MessageHook(HookClient *client)
    : client_(client)
{
}

MessageHook::~MessageHook()
{
    for (Entry &entry : table_)
        if (entry.Window)
            UnhookWindow(entry.Window);
}

MessageHook::Entry *MessageHook::Find(QWidget *hwnd)
{
    if (!hwnd)
        return nullptr;
    for (Entry &entry : table_)
        if (entry.Window == hwnd)
            return &entry;
    return nullptr;
}

void MessageHook::HookWindow(QWidget *hwnd)
{
    if (!hwnd)
        return;
    Entry *entry = nullptr;
    for (auto it = table_.rbegin(); it != table_.rend(); ++it) {
        if (!it->Window) {
            entry = &*it;
            break;
        }
    }
    if (!entry)
        entry = &table_.emplace_back();
    entry->Window = hwnd;
    entry->Dispatcher = new HookDispatcher(hwnd, client_);
    hwnd->installEventFilter(entry->Dispatcher);
}

void MessageHook::HookMessage(QWidget *hwnd, quint32 message, int flags)
{
    Entry *entry = Find(hwnd);
    if (!entry)
        return;
    for (int list : {2, 1}) {
        if (!(flags & list))
            continue;
        const int i = list - 1;
        if (message == quint32(-1)) {
            entry->Count[i] = -1;
            if (entry->Dispatcher)
                entry->Dispatcher->SetCount(list, -1);
            continue;
        }
        auto &messages = entry->List[i];
        if (std::find(messages.begin(), messages.end(), message) != messages.end())
            continue;
        messages.push_back(message);
        if (entry->Count[i] != -1)
            entry->Count[i] = int(messages.size());
        if (entry->Dispatcher)
            entry->Dispatcher->SetList(list, messages, entry->Count[i]);
    }
}

void MessageHook::UnhookWindow(QWidget *hwnd)
{
    Entry *entry = Find(hwnd);
    if (!entry)
        return;
    if (HookDispatcher *dispatcher = entry->Dispatcher) {
        dispatcher->SetCount(1, 0);
        dispatcher->SetCount(2, 0);
        if (entry->Window)
            entry->Window->removeEventFilter(dispatcher);
        // Later, because this may run inside the dispatcher's own report.
        dispatcher->deleteLater();
    }
    entry->Window = nullptr;
    entry->Dispatcher = nullptr;
    entry->Count[0] = entry->Count[1] = 0;
    entry->List[0].clear();
    entry->List[1].clear();
}

void MessageHook::TrackLeave(QWidget *hwnd)
{
    if (Entry *entry = Find(hwnd); entry && entry->Dispatcher)
        entry->Dispatcher->TrackLeave();
}

#include "moc_MessageHook.cpp"

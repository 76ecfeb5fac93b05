#pragma once

#include <QString>

class FileListBox;
class QWidget;

// What the file actions need from the main window.
class FileActionsHost
{
public:
    virtual FileListBox &Files() = 0;
    // Owner of the dialogs and message boxes.
    virtual QWidget &Owner() = 0;

protected:
    ~FileActionsHost() = default;
};

#pragma once

#include "actions/FileActionsHost.h"
#include "rename/BatchRename.h"

#include <functional>
#include <optional>

// What the batch commands (the rename button, the preview dialog, undo)
// need from the main window.
class BatchHost : public FileActionsHost
{
public:
    // The options the window's boxes set: file times, and the frozen time
    // while the time is frozen; nothing when it is to be frozen but no photo
    // with a capture time has been shown yet.
    // They carry the name pattern the preview dialog carried out last.
    virtual std::optional<RenameOptions> ChosenOptions() = 0;
    // Keeps the pattern the preview dialog carried out, for later batches.
    virtual void RememberNamePattern(const QString &pattern) = 0;
    // Where browsing for a target folder starts: the target the preview
    // dialog carried out last, or nothing. Never a default target.
    virtual QString LibraryStart() = 0;
    virtual void RememberLibrary(const QString &folder) = 0;
    // Before the first file moves: the window lets go of the photo shown and
    // stops following the disk.
    virtual void BatchBegins() = 0;
    // After the last one: the folder read again, the panel emptied, the time
    // no longer frozen.
    virtual void BatchEnded() = 0;
    // The status line's word on a batch, which stays until the next action;
    // `report`, when set, shows the report again from a link in it.
    virtual void ShowBatchWord(const QString &word, const std::function<void()> &report) = 0;

protected:
    ~BatchHost() = default;
};

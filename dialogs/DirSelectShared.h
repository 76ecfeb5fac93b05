#pragma once

#include <QString>
#include <QtGlobal>

// The values through which a caller and frmDirSelect exchange caption, start
// folder and result. The caller sets all three before it opens the dialog.

// 1 while the dialog is open; the dialog sets 0 however it is closed.
extern qint16 DirSelectBusy;
// The dialog's window caption.
extern QString DirSelectCaption;
// In: the folder shown first. Out, on OK only: the chosen folder, ending in
// one separator.
extern QString DirSelectPath;

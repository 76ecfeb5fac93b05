#include "app/BrowseForFolder.h"

#include "app/Form1.h"
#include "app/OpenFolder.h"
#include "dialogs/DirSelectShared.h"
#include "dialogs/frmDirSelect.h"

#include <QLineEdit>

void BrowseForFolder(Form1 &form)
{
    DirSelectBusy = 1;
    DirSelectPath = form.txtPath()->text();
    const QString old = DirSelectPath;
    DirSelectCaption = QStringLiteral("Pfad L auswählen");
    ShowDirSelect(&form);

    form.txtPath()->setText(DirSelectPath);
    // Exact text comparison: OK on the folder shown still re-reads it when
    // txtPath lacked the trailing separator.
    if (DirSelectPath == old)
        return;
    // A folder that cannot be listed leaves the list as it was.
    OpenFolder(form, DirSelectPath);
}

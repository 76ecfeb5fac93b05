#include "app/BrowseForFolder.h"

#include "app/Form1.h"
#include "app/OpenFolder.h"
#include "dialogs/FolderDialog.h"

#include <QLineEdit>

void BrowseForFolder(Form1 &form)
{
    // A folder that cannot be listed leaves the list as it was.
    if (const std::optional<QString> folder = ChooseFolder(&form, form.txtPath()->text()))
        OpenFolder(form, *folder);
}

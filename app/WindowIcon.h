#pragma once

#include <QIcon>

// The window's icon: the installed theme icon named after the application id
// (FOTLEX_APP_ID), else a 32 x 32 framed landscape photo drawn at run time,
// as for a program run from its build folder.
QIcon WindowIcon();

#pragma once

#include <QIcon>

// The window's 32 x 32 icon: a framed landscape photo, drawn at run time.
QIcon WindowIcon();

#pragma once

#include <QString>
#include <QStringList>

// The caption of a button created without stored properties: "&OK", "&Cancel"
// or "&Apply", whichever the form's buttons (their captions in the form's
// order) do not have yet in that order; ownName when all three exist.
QString NewButtonCaption(const QStringList &formCaptions, const QString &ownName);

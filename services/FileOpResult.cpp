#include "services/FileOpResult.h"

#include <QCoreApplication>

#include <cerrno>

QString FileOpResult::reason() const
{
    switch (error) {
    case 0: return {};
    case NotRegularFile: return tr("keine normale Datei");
    case ENOENT: return tr("Datei oder Ordner nicht gefunden");
    case ENOTDIR: return tr("ein Teil des Pfades ist kein Ordner");
    case EISDIR: return tr("ist ein Ordner");
    case EACCES: return tr("keine Berechtigung");
    case EPERM: return tr("Vorgang nicht erlaubt");
    case EEXIST: return tr("Datei existiert bereits");
    case EROFS: return tr("Datenträger ist schreibgeschützt");
    case ENOSPC: return tr("kein Platz mehr auf dem Datenträger");
    case EDQUOT: return tr("Speicherkontingent erschöpft");
    case ENAMETOOLONG: return tr("Name zu lang");
    case EXDEV: return tr("nicht auf demselben Dateisystem");
    case EIO: return tr("Ein-/Ausgabefehler");
    case EPIPE: return tr("der Empfänger liest nicht mehr");
    default: return qt_error_string(error);
    }
}

#include "services/FileOpResult.h"

#include <QCoreApplication>

#include <cerrno>

QString FileOpResult::reason() const
{
    switch (error) {
    case 0: return {};
    case NotRegularFile: return QCoreApplication::translate("FileOpResult", "keine normale Datei");
    case ENOENT: return QCoreApplication::translate("FileOpResult", "Datei oder Ordner nicht gefunden");
    case ENOTDIR: return QCoreApplication::translate("FileOpResult", "ein Teil des Pfades ist kein Ordner");
    case EISDIR: return QCoreApplication::translate("FileOpResult", "ist ein Ordner");
    case EACCES: return QCoreApplication::translate("FileOpResult", "keine Berechtigung");
    case EPERM: return QCoreApplication::translate("FileOpResult", "Vorgang nicht erlaubt");
    case EEXIST: return QCoreApplication::translate("FileOpResult", "Datei existiert bereits");
    case EROFS: return QCoreApplication::translate("FileOpResult", "Datenträger ist schreibgeschützt");
    case ENOSPC: return QCoreApplication::translate("FileOpResult", "kein Platz mehr auf dem Datenträger");
    case EDQUOT: return QCoreApplication::translate("FileOpResult", "Speicherkontingent erschöpft");
    case ENAMETOOLONG: return QCoreApplication::translate("FileOpResult", "Name zu lang");
    case EXDEV: return QCoreApplication::translate("FileOpResult", "nicht auf demselben Dateisystem");
    case EIO: return QCoreApplication::translate("FileOpResult", "Ein-/Ausgabefehler");
    case EPIPE: return QCoreApplication::translate("FileOpResult", "der Empfänger liest nicht mehr");
    default: return qt_error_string(error);
    }
}

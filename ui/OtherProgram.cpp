#include "ui/OtherProgram.h"

#include <QFile>

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <memory>

namespace {

struct Unref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfo = std::unique_ptr<GAppInfo, Unref>;

QString IdOf(GAppInfo *program)
{
    const char *id = g_app_info_get_id(program);
    return id ? QString::fromUtf8(id) : QString();
}

}

std::optional<QString> DefaultProgramFor(const QString &mimeType)
{
    const AppInfo program(g_app_info_get_default_for_type(mimeType.toUtf8().constData(), FALSE));
    if (!program)
        return std::nullopt;
    return IdOf(program.get());
}

// GIO lists the programs for a type with the default first, then the others
// in the order the desktop keeps them.
std::optional<QString> OtherProgramFor(const QString &mimeType, const QString &ownId)
{
    GList *programs = g_app_info_get_all_for_type(mimeType.toUtf8().constData());
    std::optional<QString> other;
    for (GList *item = programs; item && !other; item = item->next) {
        const QString id = IdOf(G_APP_INFO(item->data));
        if (!id.isEmpty() && id != ownId)
            other = id;
    }
    g_list_free_full(programs, g_object_unref);
    return other;
}

bool OpenWithProgram(const QString &mimeType, const QString &id, const QString &path)
{
    GList *programs = g_app_info_get_all_for_type(mimeType.toUtf8().constData());
    bool started = false;
    for (GList *item = programs; item; item = item->next) {
        GAppInfo *program = G_APP_INFO(item->data);
        if (IdOf(program) != id)
            continue;
        GFile *file = g_file_new_for_path(QFile::encodeName(path).constData());
        GList files{file, nullptr, nullptr};
        started = g_app_info_launch(program, &files, nullptr, nullptr);
        g_object_unref(file);
        break;
    }
    g_list_free_full(programs, g_object_unref);
    return started;
}

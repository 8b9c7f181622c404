#include "platform/MediaModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

namespace platform
{
namespace
{
// The root object belongs to Qt's plugin loader, which keeps the module in memory until the
// program ends; this only remembers the answer.
struct ModuleState
{
    QString file;
    bool tried = false;
    MediaModule* module = nullptr;
    QString error;
};

ModuleState& State()
{
    static ModuleState state;
    return state;
}

QString TryLoad(const QString& file, MediaModule*& module)
{
    if (!QFileInfo(file).isFile())
        return QStringLiteral("%1 is missing").arg(file);
    QPluginLoader loader(file);
    QObject* root = loader.instance();
    if (!root)
        return loader.errorString();
    module = qobject_cast<MediaModule*>(root);
    if (!module)
        return QStringLiteral("%1 is not Velmoria's media module").arg(file);
    return QString();
}
} // namespace

MediaModule* LoadMediaModule()
{
    ModuleState& s = State();
    if (s.tried)
        return s.module;
    s.tried = true;
    s.error = TryLoad(MediaModuleFile(), s.module);
    if (!s.module)
        qWarning("velmoria: no sound and no films of other codecs: %s", qPrintable(s.error));
    return s.module;
}

QString MediaModuleError()
{
    return State().error;
}

QString MediaModuleFile()
{
    const QString& file = State().file;
    if (!file.isEmpty())
        return file;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/velmoria_media.so");
}

void SetMediaModuleFile(const QString& file)
{
    ModuleState fresh;
    fresh.file = file;
    State() = fresh;
}
} // namespace platform

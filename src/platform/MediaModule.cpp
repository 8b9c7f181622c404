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

ModuleState state;

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
    if (state.tried)
        return state.module;
    state.tried = true;
    state.error = TryLoad(MediaModuleFile(), state.module);
    if (!state.module)
        qWarning("velmoria: no sound and no films of other codecs: %s", qPrintable(state.error));
    return state.module;
}

QString MediaModuleError()
{
    return state.error;
}

QString MediaModuleFile()
{
    if (!state.file.isEmpty())
        return state.file;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/velmoria_media.so");
}

void SetMediaModuleFile(const QString& file)
{
    state = ModuleState{file, false, nullptr, QString()};
}
} // namespace platform

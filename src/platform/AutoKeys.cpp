#include "platform/AutoKeys.h"

#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

// Qt's own entry for a key that arrives from the window system: shortcuts, focus and modal
// dialogs see it exactly as they see a key of the keyboard. QtTest drives keys through it too.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false,
                                    ushort count = 1);

namespace platform
{
namespace
{
constexpr int kPollMs = 100;
// Polls the target must stand unchanged before its key: long enough for the window's set-up,
// its music and its first paint to have happened.
constexpr int kSettlePolls = 10;

class AutoKeys : public QObject
{
public:
    AutoKeys(QList<QKeySequence> keys, QObject* parent) : QObject(parent), keys(std::move(keys))
    {
        connect(&poll, &QTimer::timeout, this, &AutoKeys::Poll);
        poll.start(kPollMs);
    }

private:
    static QWindow* Target()
    {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal->windowHandle();
        if (QWindow* w = QGuiApplication::focusWindow())
            return w;
        if (QWidget* w = QApplication::activeWindow())
            return w->windowHandle();
        return nullptr;
    }

    void Poll()
    {
        QWindow* window = Target();
        if (!window || !window->isExposed() || window != last)
        {
            last = window;
            steady = 0;
            return;
        }
        if (++steady < kSettlePolls)
            return;
        steady = 0;
        const QKeyCombination key = keys.takeFirst()[0];
        std::fprintf(stderr, "autokeys: %s -> %s\n",
                     qPrintable(QKeySequence(key).toString(QKeySequence::PortableText)),
                     qPrintable(window->title()));
        // The key is pressed from an event of its own: a key that opens a modal box runs the
        // box's event loop inside the press, and the poll must go on in there.
        const QPointer<QWindow> target(window);
        QTimer::singleShot(
            0, this,
            [target, key]
            {
                for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                    if (target)
                        qt_handleKeyEvent(target, type, key.key(), key.keyboardModifiers());
            });
        if (keys.isEmpty())
            poll.stop();
    }

    QList<QKeySequence> keys;
    QTimer poll;
    QPointer<QWindow> last;
    int steady = 0;
};
} // namespace

void StartAutoKeys()
{
    const QString names = qEnvironmentVariable("VELMORIA_AUTOKEYS");
    QList<QKeySequence> keys;
    for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    {
        const QKeySequence key = QKeySequence::fromString(name, QKeySequence::PortableText);
        if (key.isEmpty())
        {
            std::fprintf(stderr, "autokeys: unknown key %s\n", qPrintable(name));
            continue;
        }
        keys.append(key);
    }
    if (!keys.isEmpty())
        new AutoKeys(std::move(keys), qApp);
}
} // namespace platform

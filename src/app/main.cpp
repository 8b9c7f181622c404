// Program entry: the title screen, then the application until its main window closes.
#include <QApplication>

#include "app/TitleDlg.h"
#include "app/VelmoriaApp.h"
#include "platform/AutoKeys.h"

int main(int argc, char** argv)
{
    // Everything is drawn in software; nothing needs OpenGL. Under X, an OpenGL context would
    // only be set up for the frames of a film that the media back end plays (one of a codec
    // the film window does not decode itself), and on a slow or busy machine that set-up keeps
    // the program's thread past the video pipeline's one-second wait for it, so the film fails
    // to start.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    platform::StartAutoKeys();
    {
        TitleDlg title(nullptr, 31);
        title.Execute();
        if (!title.Continued())
            return 0;
    }
    int result = 0;
    {
        VelmoriaApp app;
        result = app.Run();
    }
    return result;
}

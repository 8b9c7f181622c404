// Program entry: the answers to --help and --version, or the title screen, then the
// application until its main window closes.
#include "app/CommandLine.h"
#include "app/ProjectRCVersion.h"
#include "app/TitleDlg.h"
#include "app/VelmoriaApp.h"
#include "platform/AutoKeys.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
// The product version from the program file's own version block, as the About box shows it.
std::string ProgramVersion()
{
    const TProjectRCVersion info;
    const char* version = nullptr;
    return info.GetValue("ProductVersion", version) ? version : "";
}
} // namespace

int main(int argc, char** argv)
{
    // Answered before Qt starts: Qt needs a display, and a terminal question should not open
    // a window.
    const CommandLineAnswer answer =
        AnswerCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                          argc > 1 ? ProgramVersion() : std::string());
    if (!answer.start)
    {
        std::fputs(answer.out.c_str(), stdout);
        std::fputs(answer.err.c_str(), stderr);
        return answer.status;
    }
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
    VelmoriaApp app;
    return app.Run();
}

// Program entry: the title screen, then the application until its main window closes.
#include <QApplication>

#include "app/TitleDlg.h"
#include "app/VelmoriaApp.h"
#include "platform/AutoKeys.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    platform::StartAutoKeys();
    {
        TitleDlg title(nullptr, 31);
        title.Execute();
    }
    if (!Continue)
        return 0;
    Subject = 0;
    PreviousSubject = 0;
    int result = 0;
    {
        VelmoriaApp app;
        result = app.Run();
    }
    return result;
}

// The main of every test executable: headless Qt, then GoogleTest.
#include "platform/MediaModule.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The tests run from their own folder: the module is the one beside the program.
    platform::SetMediaModuleFile(QStringLiteral(VELMORIA_RUNTIME_DIR "/velmoria_media.so"));
    return RUN_ALL_TESTS();
}

#include "platform/runtimefolder.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Every test runs inside a GUI application on the offscreen platform: pictures, fonts and the
// printer's text metrics need one, and no screen is needed.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    provideRuntimeFolder();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

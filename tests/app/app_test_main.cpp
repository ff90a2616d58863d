#include "platform/language.h"
#include "platform/runtimefolder.h"

#include <QApplication>
#include <gtest/gtest.h>

// The window tests need widgets: a QApplication on the offscreen platform, made before any test.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    provideRuntimeFolder();
    QApplication app(argc, argv);
    // Qt's own texts as the program shows them.
    language::installQtTranslations();
    return RUN_ALL_TESTS();
}

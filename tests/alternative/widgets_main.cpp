#include "platform/language.h"
#include "platform/runtimefolder.h"

#include <QApplication>
#include <gtest/gtest.h>

// The common test main, with a QApplication in place of the QGuiApplication so that a test can
// show a widget. Defining main here keeps the common one out of this executable.
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

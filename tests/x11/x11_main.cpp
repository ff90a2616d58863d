#include "platform/language.h"
#include "platform/runtimefolder.h"
#include "tests/x11/xsession.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

// Each run has a display of its own with a window manager, so runs side by side never share
// focus; listing the tests needs none.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    XSession x;
    QString error;
    if (!x.startServer(&error)) {
        std::fprintf(stderr, "No X display for the focus tests: %s\n", qPrintable(error));
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    provideRuntimeFolder();
    int result = 1;
    {
        QApplication app(argc, argv);
        // Qt's own texts as the program shows them.
        language::installQtTranslations();
        if (!x.startWindowManager(&error)) {
            std::fprintf(stderr, "No window manager for the focus tests: %s\n", qPrintable(error));
            return 77;
        }
        result = RUN_ALL_TESTS();
    }
    x.stop();
    return result;
}

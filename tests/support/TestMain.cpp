#include "toolkit/gui/Application.h"

#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // No native dialog may hang an offscreen run.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    qunsetenv("QT_QPA_PLATFORMTHEME");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "platform_noise.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The windows need an application; the offscreen platform shows them
// without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    dravik::dropOffscreenPlatformNoise();
    QApplication application(argc, argv);
    // The list of recent designs goes to a settings file of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

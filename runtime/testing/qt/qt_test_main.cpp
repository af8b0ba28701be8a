// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

#include "rt/qt/application_setup.h"

// Qt tests need one application, created before any widget and set up as the host sets it up.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Without a display (CI, test discovery) the tests run on Qt's offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    rt::qt::set_up_application(application);
    return RUN_ALL_TESTS();
}

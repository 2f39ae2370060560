#include "platform/runtime_folder.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// The pages draw text: the report's font through a QGuiApplication, offscreen.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ProvideRuntimeFolder();
    const QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

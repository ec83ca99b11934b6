#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Every test program runs headless on Qt's offscreen platform with one application object.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

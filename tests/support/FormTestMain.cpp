#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "ui/TApplication.h"

// Form tests build the real window, so every test process gets the
// application object; the offscreen platform keeps it off any screen.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qtApp(argc, argv);
    TApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

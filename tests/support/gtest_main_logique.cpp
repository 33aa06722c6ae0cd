// GoogleTest entry for the logic tests: a QCoreApplication, no screen; the seams put back
// after every test.
#include "RemiseAZero.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    RemiseAZero::installePourGoogleTest();
    return RUN_ALL_TESTS();
}

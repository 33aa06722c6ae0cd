// GoogleTest entry for the screen-side tests: a QApplication (offscreen) for the tests that
// need widgets or pictures; the seams put back after every test.
#include "RemiseAZero.h"
#include "ecrans/commun/Polices.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    Polices::installe();
    ::testing::InitGoogleTest(&argc, argv);
    RemiseAZero::installePourGoogleTest();
    return RUN_ALL_TESTS();
}

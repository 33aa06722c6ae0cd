#include "logique/base/Erreurs.h"
#include "logique/base/FormatFr.h"
#include "logique/base/JourLocal.h"
#include "logique/base/Nombres.h"

#include <QDateTime>
#include <ctime>
#include <gtest/gtest.h>

TEST(Nombres, AcceptsTheStandardConversion) {
    EXPECT_EQ(Nombres::lit("  42"), 42);
    EXPECT_EQ(Nombres::lit("-17"), -17);
    EXPECT_EQ(Nombres::lit("+12"), 12);
    EXPECT_EQ(Nombres::lit("$C"), 12);
    EXPECT_EQ(Nombres::lit("0x1f"), 31);
    EXPECT_EQ(Nombres::lit("X10"), 16);
    EXPECT_EQ(Nombres::lit("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(Nombres::lit("2147483647"), 2147483647);
    EXPECT_EQ(Nombres::lit("007"), 7);
}

TEST(Nombres, RefusesWhatIsNotAWholeNumber) {
    for (const char* t : {"", " ", "12 ", "1.5", "1,5", "abc", "12a", "-", "$", "0x", "2147483648", "-2147483649",
                          "99999999999999999999", "\t3", "$1FFFFFFFF"})
        EXPECT_FALSE(Nombres::lit(t).has_value()) << t;
    EXPECT_THROW(Nombres::entier("abc"), ErreurConversion);
}

// The other dates, times and numbers are checked where the profile, the sequence driver and the
// workbook write them (profil_test.cpp, driver_test.cpp, resultats_test.cpp).
TEST(FormatFr, DatesTimesAndNumbersAreFrench) {
    EXPECT_EQ(FormatFr::dateLongue(QDate(2027, 8, 1)), QString::fromUtf8("dimanche 1 août 2027"));
    EXPECT_EQ(FormatFr::duree(0.0), "00:00:00");
    EXPECT_EQ(FormatFr::duree(26.5 * 3600 / 86400.0), "26:30:00");
}

// A week around the spring change of the clocks in Paris, every 20 minutes, in a shuffled order:
// each moment is given its own local day, kept or worked out.
TEST(JourLocal, EveryMomentFallsInItsOwnLocalDayAcrossAChangeOfTheClocks) {
    const QByteArray avant = qgetenv("TZ");
    qputenv("TZ", "Europe/Paris");
    tzset();
    const qint64 debut = QDateTime(QDate(2027, 3, 25), QTime(0, 0)).toMSecsSinceEpoch();
    QList<qint64> moments;
    for (qint64 m = debut; m < debut + 7 * 24 * 3600 * 1000LL; m += 20 * 60 * 1000) moments << m;
    for (qsizetype i = 0; i < moments.size(); ++i) std::swap(moments[i], moments[(i * 7919) % moments.size()]);
    for (const qint64 m : moments) {
        const JourLocal j = jourLocal(m);
        ASSERT_EQ(j.jour, QDateTime::fromMSecsSinceEpoch(m).date()) << m;
        ASSERT_TRUE(j.contient(m)) << m;
    }
    EXPECT_EQ(jourLocal(QDateTime(QDate(2027, 3, 28), QTime(12, 0)).toMSecsSinceEpoch()).fin -
                  jourLocal(QDateTime(QDate(2027, 3, 28), QTime(12, 0)).toMSecsSinceEpoch()).debut,
              23 * 3600 * 1000LL);
    if (avant.isEmpty()) qunsetenv("TZ");
    else qputenv("TZ", avant);
    tzset();
}

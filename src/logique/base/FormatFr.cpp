#include "logique/base/FormatFr.h"

#include <array>
#include <cmath>

namespace {
constexpr std::array<const char16_t*, 7> kJours = {u"lundi",    u"mardi",  u"mercredi", u"jeudi",
                                                   u"vendredi", u"samedi", u"dimanche"};
constexpr std::array<const char16_t*, 12> kMois = {u"janvier", u"février", u"mars",      u"avril",   u"mai",      u"juin",
                                                   u"juillet", u"août",    u"septembre", u"octobre", u"novembre", u"décembre"};

QString deuxChiffres(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
}  // namespace

namespace FormatFr {
QString dateLongue(const QDate& date) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::fromUtf16(kJours[date.dayOfWeek() - 1]))
        .arg(date.day())
        .arg(QString::fromUtf16(kMois[date.month() - 1]))
        .arg(date.year());
}

QString jourMois(const QDate& date) {
    static const std::array<const char16_t*, 12> abreges = {u"janv.", u"févr.", u"mars",  u"avr.", u"mai",  u"juin",
                                                            u"juil.", u"août",  u"sept.", u"oct.", u"nov.", u"déc."};
    const QString jour = date.day() == 1 ? QStringLiteral("1er") : QString::number(date.day());
    return jour + QLatin1Char(' ') + QString::fromUtf16(abreges[size_t(date.month() - 1)]);
}

QString heureCourte(const QTime& heure) { return deuxChiffres(heure.hour()) + QLatin1Char(':') + deuxChiffres(heure.minute()); }

QString heureLongue(const QTime& heure) { return heureCourte(heure) + QLatin1Char(':') + deuxChiffres(heure.second()); }

QString dateHeure(const QDateTime& instant) {
    const QDate d = instant.date();
    return QStringLiteral("%1/%2/%3 %4")
        .arg(deuxChiffres(d.day()), deuxChiffres(d.month()))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(heureLongue(instant.time()));
}

QString dateLongueHeureCourte(const QDateTime& instant) {
    return dateLongue(instant.date()) + QLatin1Char(' ') + heureCourte(instant.time());
}

QString dateLongueHeureLongue(const QDateTime& instant) {
    return dateLongue(instant.date()) + QLatin1Char(' ') + heureLongue(instant.time());
}

QString nombre(double valeur) {
    if (std::isnan(valeur)) return QStringLiteral("NAN");
    if (std::isinf(valeur)) return valeur > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    QString texte = QString::number(valeur, 'g', 15);
    texte.replace(QLatin1Char('.'), QLatin1Char(','));
    texte.replace(QLatin1String("e+"), QLatin1String("E+"));
    texte.replace(QLatin1String("e-"), QLatin1String("E-"));
    return texte;
}

QString secondes(int ms) { return nombre(std::round(ms / 100.0) / 10.0) + QChar(0xa0) + QLatin1Char('s'); }

QString pourcent(double part) { return QString::number(qRound(part * 100)) + QChar(0xa0) + QLatin1Char('%'); }

QString insecable(QString texte) { return texte.replace(QLatin1Char(' '), QChar(0xa0)); }

QString pointsVirgules(const QStringList& elements) { return elements.join(QChar(0xa0) + QStringLiteral("; ")); }

QString enumeration(const QStringList& elements) {
    if (elements.size() < 2) return elements.join(QString());
    return elements.first(elements.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") + elements.last();
}

QString accord(int nombre, const QString& singulier, const QString& pluriel) {
    return nombre >= 2 || nombre <= -2 ? pluriel : singulier;
}

QString quantite(int nombre, const QString& singulier, const QString& pluriel) {
    return QString::number(nombre) + QLatin1Char(' ') + accord(nombre, singulier, pluriel);
}

QString duree(double fractionJour) {
    const qint64 ms = std::llround(fractionJour * 86400000.0);
    const qint64 secondes = (ms < 0 ? 0 : ms) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(deuxChiffres(static_cast<int>(secondes / 3600)), deuxChiffres(static_cast<int>(secondes / 60 % 60)),
             deuxChiffres(static_cast<int>(secondes % 60)));
}
}  // namespace FormatFr

#include "ecrans/commun/Apparence.h"

#include "ecrans/commun/Controles.h"
#include "ecrans/commun/Polices.h"
#include "logique/amenagements/AmenagementsEnCours.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <cmath>

namespace Apparence {
QFont comic(int pixels, bool gras) { return Polices::police(QStringLiteral("Comic Sans MS"), pixels, gras); }
QFont arial(int pixels, bool gras) { return Polices::police(QStringLiteral("Arial"), pixels, gras); }
QFont nombres(int pixels) { return arial(pixels, true); }

namespace {
QString bulle(int gauche, int haut = 4, int droite = 10) {
    return QStringLiteral("QLabel { background-color: rgba(255, 255, 255, 230); border: 3px solid #12355b; "
                          "border-radius: 14px; padding: %2px %3px %2px %1px; }")
        .arg(gauche)
        .arg(haut)
        .arg(droite);
}
}  // namespace

QString styleBulleParole() { return bulle(10); }
QString styleBulleParoleDecalee() { return bulle(36); }
QString styleBulleMessage() { return bulle(28, 14, 28); }
QString styleMarqueDouce() {
    return QStringLiteral("QLabel { background-color: #fffbe6; border: 2px solid #f08a5d; border-radius: 10px; padding: 0px; }");
}

void colore(QWidget* w, QPalette::ColorRole role, const QColor& couleur) {
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

bool contrasteFort() { return AmenagementsEnCours::courants().contraste; }

namespace {
// The relative luminance of a colour and the contrast of two, as the accessibility guidelines
// define them.
double luminance(const QColor& c) {
    const auto lineaire = [](double s) { return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) + 0.0722 * lineaire(c.blueF());
}
double contrasteSurBlanc(const QColor& c) { return 1.05 / (luminance(c) + 0.05); }
}  // namespace

QColor encre(const QColor& programme) {
    if (!contrasteFort() || luminance(programme) > 0.5) return programme;
    QColor c = programme;
    while (contrasteSurBlanc(c) < 7.0) c = c.darker(110);
    return c;
}

QString style(const QString& programme) {
    if (!contrasteFort()) return programme;
    QString s = programme;
    s.replace(QLatin1String("rgba(255, 255, 255, 230)"), QLatin1String("white"))
        .replace(QLatin1String("solid #12355b"), QLatin1String("solid black"))
        .replace(QLatin1String("#fffbe6"), QLatin1String("white"))
        .replace(QLatin1String("solid #f08a5d"), QLatin1String("solid black"))
        .replace(OrFonce.name(), encre(OrFonce).name());
    return s;
}

namespace {
constexpr char Enfant[] = "ecranEnfant";

bool memePolice(const QFont& a, const QFont& b) {
    return a.family() == b.family() && a.pixelSize() == b.pixelSize() && a.bold() == b.bold() &&
           a.letterSpacing() == b.letterSpacing() && a.wordSpacing() == b.wordSpacing();
}

// One of the widget's looks: what the screen's code last set (`programme`), kept in a property
// the first time and whenever the widget no longer has what was put in its place (`mise`), then
// the pupil's put. `pareil` tells a look put here from one the screen set since.
template <typename T, typename Lit, typename Pareil, typename Pour, typename Met>
void remplace(QWidget* w, const char* nom, Lit lit, Pareil pareil, Pour pour, Met met) {
    const QByteArray programme = QByteArray(nom) + "Programme", mise = QByteArray(nom) + "Mise";
    const T actuel = lit();
    const QVariant misAvant = w->property(mise.constData());
    if (!misAvant.isValid() || !pareil(actuel, misAvant.value<T>()))
        w->setProperty(programme.constData(), QVariant::fromValue(actuel));
    const T voulu = pour(w->property(programme.constData()).template value<T>());
    w->setProperty(mise.constData(), QVariant::fromValue(voulu));
    if (!pareil(actuel, voulu)) met(voulu);
}

// The style first: a new style sheet puts back the font and colours the widget had before one.
void adapte(QWidget* w) {
    if (!w->styleSheet().isEmpty())
        remplace<QString>(
            w, "style", [w] { return w->styleSheet(); }, std::equal_to<QString>(), style,
            [w](const QString& s) { w->setStyleSheet(s); });
    if (w->testAttribute(Qt::WA_SetFont))
        remplace<QFont>(
            w, "police", [w] { return w->font(); }, memePolice,
            [w](const QFont& f) {
                const QVariant part = w->property("part");
                return Polices::pourLEleve(f, AmenagementsEnCours::courants(), part.isValid() ? part.toDouble() : 1.0);
            },
            [w](const QFont& f) {
                w->setFont(f);
                if (Marques::estTailleAuTexte(w)) w->adjustSize();
            });
    if (w->testAttribute(Qt::WA_SetPalette))
        remplace<QColor>(
            w, "encre", [w] { return w->palette().color(QPalette::WindowText); }, std::equal_to<QColor>(), encre,
            [w](const QColor& c) { colore(w, QPalette::WindowText, c); });
}

// Watches the whole program for a child's screen being shown, and for a text of a child's screen
// on view being given a font, a colour or a style by its screen.
class Surveillant final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* e) override {
        const auto type = e->type();
        if (type != QEvent::Show && type != QEvent::FontChange && type != QEvent::PaletteChange && type != QEvent::StyleChange)
            return false;
        if (!objet->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(objet);
        QWidget* ecran = w->window();
        if (!ecran->property(Enfant).toBool()) return false;
        if (type == QEvent::Show) {
            if (w == ecran && !e->spontaneous()) {
                adapte(ecran);
                for (QWidget* enfant : ecran->findChildren<QWidget*>()) adapte(enfant);
            }
        } else if (ecran->isVisible()) {
            adapte(w);
        }
        return false;
    }
};
}  // namespace

void pourLEnfant(QWidget* ecran) {
    static Surveillant* surveillant = [] {
        auto* s = new Surveillant(qApp);
        qApp->installEventFilter(s);
        return s;
    }();
    Q_UNUSED(surveillant);
    ecran->setProperty(Enfant, true);
}

void reduit(QWidget* texte, double part) {
    // The program's own type keeps its designed size: only a pupil's larger or wider one gives some back.
    const Amenagements& a = AmenagementsEnCours::courants();
    const bool programme = a.police == Amenagements::Police::Programme && a.taille == Amenagements::Taille::Normale &&
                           !a.espacement;
    texte->setProperty("part", programme ? 1.0 : part);
    adapte(texte);
}

void reduitPourTenir(QLabel* texte, const QSize& place) {
    const int drapeaux = int(texte->alignment()) | (texte->wordWrap() ? Qt::TextWordWrap : 0);
    for (double part = 1.0;; part *= 0.9) {
        reduit(texte, part);
        const QSize besoin = texte->fontMetrics().boundingRect(QRect(QPoint(), place), drapeaux, texte->text()).size();
        if ((besoin.width() <= place.width() && besoin.height() <= place.height()) || part < 0.4) return;
    }
}
}  // namespace Apparence

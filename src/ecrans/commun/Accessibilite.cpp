#include "ecrans/commun/Accessibilite.h"

#include "logique/base/Garde.h"
#include "ecrans/commun/Image.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>

namespace {
constexpr char ProprieteRole[] = "roleAccessible";
constexpr char ProprieteCache[] = "cacheAuLecteur";

// A picture: a button when it takes clicks (pressed by the reader as by the mouse), a picture
// when it has a name, hidden from the reader when it is only the sea, the coral or a trail.
class ImageAccessible final : public QAccessibleWidget {
public:
    explicit ImageAccessible(Image* image) : QAccessibleWidget(image, QAccessible::Graphic) {}
    Image* image() const { return static_cast<Image*>(widget()); }
    QAccessible::Role role() const override { return image()->cliquable() ? QAccessible::Button : QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (image()->property(ProprieteCache).toBool() || (!image()->cliquable() && image()->accessibleName().isEmpty()))
            s.invisible = true;
        return s;
    }
    QStringList actionNames() const override {
        return image()->cliquable() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !image()->cliquable()) return QAccessibleWidget::doAction(action);
        Image* i = image();
        Garde::execute([i] { emit i->clique(); });
    }
};

// A widget of the screens' own made a button: pressed by the reader as by the mouse, a click at
// its middle (Orca's "activate", a switch device), as a plain push button is.
class BoutonAccessible final : public QAccessibleWidget {
public:
    explicit BoutonAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        QWidget* w = widget();
        const QPointF milieu = QRectF(w->rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(w, new QMouseEvent(type, milieu, w->mapToGlobal(milieu), Qt::LeftButton,
                                                           type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                           Qt::NoModifier));
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("Image") && objet && objet->isWidgetType())
        return new ImageAccessible(static_cast<Image*>(objet));
    // A widget given a role answers as such, whatever its class (asked first by its own class's name).
    if (objet && objet->isWidgetType() && objet->property(ProprieteRole).isValid()) {
        const auto role = objet->property(ProprieteRole).value<QAccessible::Role>();
        if (role == QAccessible::Button) return new BoutonAccessible(static_cast<QWidget*>(objet));
        return new QAccessibleWidget(static_cast<QWidget*>(objet), role);
    }
    return nullptr;
}
}  // namespace

namespace Accessibilite {
void nomme(QWidget* w, const QString& nom, const QString& description) {
    // Qt announces each change itself (QWidget::setAccessibleName sends NameChanged).
    w->setAccessibleName(nom);
    w->setAccessibleDescription(description);
}

void annonce(QWidget* w, const QString& texte) {
    if (w->accessibleName() != texte) {
        w->setAccessibleName(texte);
    } else {
        QAccessibleEvent nom(w, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nom);
    }
    // A reader speaks a notification as it shows, not as its name changes while it is on view
    // (Orca): one already shown shows again, with its new words.
    if (w->isVisible()) {
        QAccessibleEvent montre(w, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&montre);
    }
}

void nommeTous(QWidget* ecran, std::initializer_list<Nom> noms) {
    for (const Nom& n : noms)
        for (QWidget* w :
             ecran->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(?:%1)$").arg(QLatin1String(n.objet)))))
            nomme(w, QString::fromUtf8(n.nom), n.description ? QString::fromUtf8(n.description) : QString());
}

void role(QWidget* w, QAccessible::Role role) {
    installe();
    w->setProperty(ProprieteRole, QVariant::fromValue(role));
}

void cache(QWidget* w, bool cache) { w->setProperty(ProprieteCache, cache); }

void installe() {
    static const bool fait = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)fait;
}
}  // namespace Accessibilite

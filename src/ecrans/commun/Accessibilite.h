#pragma once
// What a screen reader (Orca, through Qt's accessibility and AT-SPI) is told of the children's
// screens: every control and every picture that means something has a French name (and a
// description where it helps), said again when it changes. A picture (`Image`) reports itself
// as a button when it can be clicked, as a picture when it has a name, and not at all when it is
// only decoration (no name, no click).
#include <QAccessible>
#include <QString>

#include <initializer_list>

class QWidget;

namespace Accessibilite {
// The name (and description) a screen reader says for `w`; a change is announced (NameChanged,
// DescriptionChanged), so the reader says again a question, a bubble or the fish's words.
void nomme(QWidget* w, const QString& nom, const QString& description = {});
// What a creature or a speech bubble says now: announced even when it says the same again.
// Called before the bubble shows, so that a reader finds the new words when it shows.
void annonce(QWidget* w, const QString& texte);
// The names of a screen's fixed controls, found by their object names (a regular expression
// matching the whole name), in one table per screen.
struct Nom {
    const char* objet;
    const char* nom;
    const char* description = nullptr;
};
void nommeTous(QWidget* ecran, std::initializer_list<Nom> noms);
// A widget that acts as `role` for a reader whatever its class (a chooser's case is a button, the
// fish's speech a notification, which Orca says as it shows). Before its name: Qt keeps a widget's reader interface once it has made it.
void role(QWidget* w, QAccessible::Role role);
// A picture the reader skips while another one covers it (exercise 4's yellow bubble under the
// blue one until it is chosen).
void cache(QWidget* w, bool cache);
// Makes Qt's accessibility ask this module how a picture reports itself (done once, by Image).
void installe();
}  // namespace Accessibilite

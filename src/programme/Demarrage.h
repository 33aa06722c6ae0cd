#pragma once
// Program start: fonts, random generator, then the screens in their fixed order.
class QApplication;

namespace Demarrage {
// Prepares fonts and the random generator.
void prepare();
// Reads "marivelle.ini" in the working folder: with a [serveur] section, results and journal go
// to the school's server (an outbox keeps what it cannot take yet); a setting that cannot be
// used is told in French and everything stays local.
void connecteServeur();
// Creates the main window and the start-up screen, and announces the other screens in their order.
void creeLesEcrans();
// Shows the main window; the announced screens are created once it has painted itself.
void montreFenetrePrincipale();
}

#pragma once
// Program start: fonts, random generator, then the nine screens in their fixed order.
class QApplication;

namespace Demarrage {
// Prepares fonts and the random generator.
void prepare();
// Creates the nine screens once and registers them; the first is the main window.
void creeLesEcrans();
// Shows the main window.
void montreFenetrePrincipale();
}

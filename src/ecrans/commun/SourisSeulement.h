#pragma once
// Controls that only a deliberate mouse click may trigger (the program's quit button): they never
// take the keyboard focus and ignore keys, so Tab and a child's space bar cannot reach them.
class QWidget;

namespace SourisSeulement {
void applique(QWidget* controle);
}

#pragma once
// After the screen is fitted to the display, a radio or check box whose text would run into the
// frame of its group (or past its own width) gets a smaller font until it fits with a margin.
// Only the boxes that would touch change; the others keep the screen's fitted font.
class QWidget;

namespace TextesEntiers {
void ajuste(QWidget* ecran);
}

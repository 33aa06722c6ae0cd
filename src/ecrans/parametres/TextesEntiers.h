#pragma once
// After the screen is fitted to the display, no text touches a frame: the fonts grow by the mean
// of the two factors while heights grow by the vertical one only, so on a wide display a group's
// title takes more room than its rows leave it. The rows of a group are then moved (and, when
// they must, drawn closer) into the room under its title, and a radio or check box whose text
// would run past its own height or width, or into its group's frame, gets a smaller font until it
// fits. What already fits is left as it is.
class QWidget;

namespace TextesEntiers {
void ajuste(QWidget* ecran);
}

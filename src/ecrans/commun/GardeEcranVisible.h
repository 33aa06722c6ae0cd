#pragma once
// One screen at a time: a click or a key that reaches a screen after it was hidden (it was queued
// while another action hid it) is dropped, so a hidden screen never acts on a late event.
#include <QEvent>

namespace GardeEcranVisible {
// Whether an event is the user's action (a click, a key, the wheel, a touch…), for every filter
// that holds them.
bool estUneAction(QEvent::Type type);
// Installs the filter on the application once; later calls do nothing.
void installe();
}

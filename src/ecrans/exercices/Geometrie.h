#pragma once
// Edges of a control, as the animations test them.
#include <QWidget>

inline int droiteDe(const QWidget* w) { return w->x() + w->width(); }
inline int basDe(const QWidget* w) { return w->y() + w->height(); }

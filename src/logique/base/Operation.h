#pragma once
// The four operations, coded as the table entries code them (0 addition … 3 division), and the
// sign every screen, file and journal writes for each.
#include <QString>

enum class Operation { Addition = 0, Soustraction = 1, Multiplication = 2, Division = 3 };

// "+", "-", "×", "÷".
QString SigneOperation(Operation operation);

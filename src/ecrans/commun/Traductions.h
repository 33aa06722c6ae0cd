#pragma once
// Qt's own texts (context menus of text fields, standard buttons and dialogs) in French, from the
// translations the system ships with Qt.
namespace Traductions {
// True when the French translations were found and installed.
bool installe();
}

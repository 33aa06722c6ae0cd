#pragma once
// The real message and confirmation boxes behind the Messages seam: the program's own boxes
// (BoiteMessage), French buttons, on top.
namespace BoitesMessages {
void installe();
}

#pragma once
// The real message and confirmation boxes behind the Messages seam: French buttons, on top.
namespace BoitesMessages {
void installe();
}

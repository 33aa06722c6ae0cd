#pragma once
// The real message and confirmation boxes behind the Messages seam: the program's own boxes
// (DialogueMessage), French buttons, on top.
namespace MessagesEcran {
void installe();
}

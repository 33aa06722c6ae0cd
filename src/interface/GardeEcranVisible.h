#pragma once
// One screen at a time: a click or a key that reaches a screen after it was hidden (it was queued
// while another action hid it) is dropped, so a hidden screen never acts on a late event.
namespace GardeEcranVisible {
// Installs the filter on the application once; later calls do nothing.
void installe();
}

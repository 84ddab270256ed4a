#pragma once

class QObject;

namespace zelmora {

// What assistive tools read of the grid's painted parts, which have no
// widgets of their own to tell them: an input cell that paints its text
// reads as an editable text with that value, a pairing as its two names
// ("剣士アルド 対 オーガ") with its three results as the description.
// Installing it again does nothing.
void InstallGridAccessibility();

// Tells assistive tools that `pairing` now has the focus within the
// results, which keep the keyboard focus themselves.
void AnnouncePairing(QObject& pairing);

}  // namespace zelmora

#pragma once

#include <QString>

class QLineEdit;

// How the dialogs' line edits show their texts: from the first character,
// and an output distinguishable from an input.
namespace zelmora {

// Sets a text and shows it from its first character, as a field that has
// just been filled should.
void SetTextFromStart(QLineEdit& edit, const QString& text);

// An input field that shows its text from the first character again when it
// loses the focus, so that a long name shows its head rather than its tail.
void ShowStartOnFocusOut(QLineEdit& edit);

// A read-only field in the dialog's colour, so that an output never looks
// like an input; its tooltip carries all of its text.
void MakeOutputField(QLineEdit& edit);

// A field without a frame, its text as close to the edges as a framed one's.
void RemoveFrame(QLineEdit& edit);

}  // namespace zelmora

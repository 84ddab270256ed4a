#pragma once

class QDialog;

namespace zelmora {

// Lets a dialog that would not fit on its screen (a small one, or a large
// scale factor) scroll instead of reaching past the screen's edge: what is
// above its buttons moves into a scroll area as large as the screen allows,
// and the row of DialogButtons stays in view below it. A dialog that fits is
// left as it is.
void FitToScreen(QDialog& dialog);

}  // namespace zelmora

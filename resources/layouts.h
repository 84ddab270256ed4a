#pragma once

#include <span>

// The main window's controls as data: kind, identifier, text, position and size
// in dialog units, style. One builder turns a table into widgets. Texts are
// UTF-8. The order of a table is the tab order of its focusable controls.
namespace zelmora::layout {

enum class Kind { kLabel, kEdit, kButton, kGroupBox, kComboBox };

enum Style : unsigned {
  kPlain = 0,
  kReadOnly = 1u << 0,
  kNoBorder = 1u << 1,
  kCentre = 1u << 2,
  kRight = 1u << 3,
  kNoTabStop = 1u << 4,
  kDefault = 1u << 5,  // the dialog's default button: Enter runs it
  kTop = 1u << 6,      // a field's text on its first line, level with a label beside it
};

inline constexpr int kNoId = -1;  // labels and group boxes nobody looks up

struct Control {
  Kind kind;
  int id;
  const char* text;
  int x, y, width, height;  // dialog units; a list's height is its opened height
  unsigned style = kPlain;
};

struct Dialog {
  const char* caption;
  int width, height;  // dialog units
  std::span<const Control> controls;
};

extern const Dialog kCalcWindow;

}  // namespace zelmora::layout

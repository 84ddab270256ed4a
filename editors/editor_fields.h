#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "engine/labels.h"

class QComboBox;
class QLineEdit;
class QWidget;

// What both record editors do with their controls. Showing a record writes
// texts and selections without any edit signal; only the user's edits
// (textEdited, activated) reach the record.
namespace zelmora {

// An input field `width` dialog units wide on an editor, which shows its
// head again when the focus leaves it.
QLineEdit* NewInputField(QWidget& editor, int width);

// A name edit: every user edit becomes the name's code page 932 bytes, as
// TakeNameEdit takes it.
void BindName(QLineEdit& edit, std::string& name);
void ShowName(QLineEdit& edit, const std::string& name);

// A number edit: the field becomes the leading integer of each user edit,
// full-width digits read as ASCII; the text stays as typed.
void BindNumber(QLineEdit& edit, std::int32_t& field);
void ShowNumber(QLineEdit& edit, std::int32_t value);

// Fills a list with a label table, in table order, and makes it as wide as
// its longest entry.
void FillList(QComboBox& list, LabelTable labels);
// Selects `position`, or nothing when the list has no such entry (a value
// from a hand-edited file keeps its code until the user picks an entry).
void ShowPosition(QComboBox& list, std::int32_t position);

}  // namespace zelmora

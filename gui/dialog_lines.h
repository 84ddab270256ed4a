#pragma once

#include <QString>
#include <Qt>
#include <initializer_list>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

// Small pieces the dialogs are laid out with: lines of widgets, labels and
// fields measured in dialog units.
namespace zelmora {

// Adds a line of `widgets` to `column`, left to right; nullptr stands for a
// stretch that takes the free space.
QHBoxLayout& AddLine(QBoxLayout& column, std::initializer_list<QWidget*> widgets);

// Fixes a dialog to the size its `lines` need, at least `width` dialog units
// wide, and places its controls now, so that a dialog has its size and its
// controls their places when it is built, before it is shown.
void FixToContents(QBoxLayout& lines, int width);

// A label on `parent` with `text`, standing before the control it names.
QLabel* NewLabel(QWidget& parent, const QString& text,
                 Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);

// A line edit `width` dialog units wide.
QLineEdit* NewField(QWidget& parent, int width);

}  // namespace zelmora

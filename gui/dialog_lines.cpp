#include "gui/dialog_lines.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/dialog_units.h"

namespace zelmora {

QHBoxLayout& AddLine(QBoxLayout& column, std::initializer_list<QWidget*> widgets) {
  auto* line = new QHBoxLayout;
  for (QWidget* widget : widgets) {
    if (widget != nullptr) {
      line->addWidget(widget);
    } else {
      line->addStretch();
    }
  }
  column.addLayout(line);
  return *line;
}

void FixToContents(QBoxLayout& lines, int width) {
  const QMargins margins = lines.contentsMargins();
  lines.addStrut(DialogUnits(lines.parentWidget()->font()).X(width) - margins.left() -
                 margins.right());
  lines.setSizeConstraint(QLayout::SetFixedSize);
  lines.activate();
}

QLabel* NewLabel(QWidget& parent, const QString& text, Qt::Alignment alignment) {
  auto* label = new QLabel(text, &parent);
  label->setAlignment(alignment);
  return label;
}

QLineEdit* NewField(QWidget& parent, int width) {
  auto* field = new QLineEdit(&parent);
  field->setFixedWidth(DialogUnits(parent.font()).X(width));
  return field;
}

}  // namespace zelmora

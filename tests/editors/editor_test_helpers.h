#pragma once

// What the editor tests do as a user would: type, pick list entries, press
// buttons, answer the slot chooser.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "editors/dialog_builder.h"
#include "editors/slot_chooser.h"
#include "files/cp932.h"
#include "tests/support/scripted_prompts.h"

namespace zelmora::testing {

inline QLineEdit* Edit(const QWidget& dialog, int id) {
  auto* edit = ControlById<QLineEdit>(dialog, id);
  EXPECT_NE(edit, nullptr) << "edit " << id;
  return edit;
}

inline QComboBox* List(const QWidget& dialog, int id) {
  auto* list = ControlById<QComboBox>(dialog, id);
  EXPECT_NE(list, nullptr) << "list " << id;
  return list;
}

inline QPushButton* Button(const QWidget& dialog, int id) {
  auto* button = ControlById<QPushButton>(dialog, id);
  EXPECT_NE(button, nullptr) << "button " << id;
  return button;
}

inline void Click(const QWidget& dialog, int id) {
  QTest::mouseClick(Button(dialog, id), Qt::LeftButton);
}

// Replaces the whole text of an edit with ASCII keystrokes.
inline void Retype(QLineEdit* edit, const QString& ascii) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, ascii);
}

// Replaces the whole text as an input method commits it (any script).
inline void Commit(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(edit, &event);
}

// Picks an entry with the keyboard: Home, then Down to the position.
inline void Pick(QComboBox* list, int position) {
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < position; ++i) QTest::keyClick(list, Qt::Key_Down);
  ASSERT_EQ(list->currentIndex(), position);
}

// The identifiers of the focusable controls, in tab order from `first_id`.
inline std::vector<int> TabOrder(const QWidget& dialog, int first_id) {
  std::vector<int> ids;
  QWidget* start = ControlById(dialog, first_id);
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()) {
      ids.push_back(widget->objectName().toInt());
    }
    widget = widget->nextInFocusChain();
  } while (widget != start && widget != nullptr);
  return ids;
}

inline std::string Cp932(const char* utf8) { return *Cp932FromUtf8(utf8); }

// What a chooser showed when it was answered.
struct ChooserSeen {
  QString caption;
  QString prompt;
  std::vector<QString> names;  // rows 1 to 5
};

// Answers the next chooser by pressing number `slot` (0: its Cancel),
// recording what it showed.
inline ScriptedPrompts::DialogScript AnswerChooser(int slot, ChooserSeen* seen = nullptr) {
  return [slot, seen](QDialog& dialog) {
    auto* chooser = qobject_cast<SlotChooser*>(&dialog);
    EXPECT_NE(chooser, nullptr) << "expected the slot chooser";
    if (!chooser) return int{QDialog::Rejected};
    if (seen) {
      seen->caption = chooser->windowTitle();
      seen->prompt = Edit(*chooser, 1238)->text();
      for (int id : {1244, 1246, 1247, 1245, 1248})
        seen->names.push_back(Edit(*chooser, id)->text());
    }
    Click(*chooser, slot == 0 ? 2 : 1238 + slot);
    return chooser->result();
  };
}

}  // namespace zelmora::testing

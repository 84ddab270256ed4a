#pragma once

// What the GUI tests do as a user would: find controls, type,
// pick list entries, press buttons, follow the tab order, answer the slot
// chooser.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <string_view>
#include <vector>

#include "editors/slot_button_row.h"
#include "editors/slot_chooser.h"
#include "gui/dialog_buttons.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/test_text.h"

namespace zelmora::testing {

inline void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// A dialog's controls through its accessors: a field as a member of its
// Fields, OK and ｷｬﾝｾﾙ as &DialogButtons::ok and ::cancel, an editor's slot
// buttons as members of SlotButtonRow.
template <class Dialog>
QLineEdit* Edit(const Dialog& dialog, QLineEdit* Dialog::Fields::*field) {
  return dialog.fields().*field;
}
template <class Dialog>
QComboBox* List(const Dialog& dialog, QComboBox* Dialog::Fields::*field) {
  return dialog.fields().*field;
}
template <class Dialog>
QPushButton* Button(const Dialog& dialog, QPushButton* (DialogButtons::*button)() const) {
  return (dialog.buttons().*button)();
}
template <class Dialog>
QPushButton* Button(const Dialog& dialog, QPushButton* (SlotButtonRow::*button)() const) {
  return (dialog.slot_buttons().*button)();
}
template <class Dialog, class Which>
void Click(const Dialog& dialog, Which button) {
  Click(Button(dialog, button));
}

// The buttons every dialog or editor has, for Button and Click.
constexpr auto kOk = &DialogButtons::ok;
constexpr auto kCancel = &DialogButtons::cancel;
constexpr auto kSwap = &SlotButtonRow::swap;
constexpr auto kCopy = &SlotButtonRow::copy;
constexpr auto kSaveOne = &SlotButtonRow::save_one;
constexpr auto kLoadOne = &SlotButtonRow::load_one;
constexpr auto kImportSheet = &SlotButtonRow::import_sheet;

// Shows a window as exec() would, so that focus and the default button act
// as they do for the user.
inline void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
}

// Inserts `text` as an input method commits it (any script).
inline void CommitText(QLineEdit* edit, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QCoreApplication::sendEvent(edit, &commit);
}

// Keystrokes for ASCII; anything else arrives as an input method commits it
// (QTest::keyClicks cannot send it).
inline void Type(QLineEdit* edit, const QString& text) {
  bool ascii = true;
  for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
  if (ascii) {
    QTest::keyClicks(edit, text);
  } else {
    CommitText(edit, text);
  }
}

inline void Clear(QLineEdit* edit) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
}

// Replaces the whole text of an edit the way a user does.
inline void Retype(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  Clear(edit);
  Type(edit, text);
}

// Replaces the whole text as an input method commits it, ASCII included.
inline void Commit(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  Clear(edit);
  CommitText(edit, text);
}

// Picks an entry with the keyboard: Home, then Down to the position.
inline void Pick(QComboBox* list, int position) {
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < position; ++i) QTest::keyClick(list, Qt::Key_Down);
  ASSERT_EQ(list->currentIndex(), position);
}

// The focusable controls in tab order, from `start` round to it.
inline std::vector<QWidget*> TabChain(QWidget* start) {
  std::vector<QWidget*> chain;
  QWidget* widget = start;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
    widget = widget->nextInFocusChain();
  } while (widget != start && widget != nullptr);
  return chain;
}

// A file's bytes, read and written without the code under test.
inline std::string ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

inline void WriteAll(const QString& path, std::string_view bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
            static_cast<qint64>(bytes.size()));
}

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
      seen->prompt = chooser->prompt().text();
      for (const QLineEdit* name : chooser->names()) seen->names.push_back(name->text());
    }
    Click(slot == 0 ? chooser->buttons().cancel() : chooser->numbers()[slot - 1]);
    return chooser->result();
  };
}

}  // namespace zelmora::testing

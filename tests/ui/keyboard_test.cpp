// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Правка" and the keyboard: Ctrl+C, Ctrl+Shift+C ("Копировать в
// стандартном Юникоде", also in the context menus of both outputs), Esc, F1, Alt+1 … Alt+0,
// the access letters of every menu and the Tab order. Keys are pressed on the real widgets.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/numeral_systems.h"
#include "keypads/layout.h"
#include "numerals/standard_form.h"
#include "ui/help/keyboard_commands.h"
#include "ui/widgets.h"
#include "window_fixture.h"

namespace zarno::ui::testing {
namespace {

QString Caption(const QAction* action) { return QString(action->text()).remove(u'&'); }

class KeyboardTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    QApplication::clipboard()->setText(QStringLiteral("before"));
  }

  // A key pressed while `c` has the focus.
  void Press(Ctl c, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* w = Find(c);
    w->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), w) << Name(c);
    QTest::keyClick(w, static_cast<Qt::Key>(key), modifiers);
  }
  void Select(Ctl c, int start, int end) {
    auto* out = Find<RichOutput>(c);
    QTextCursor cursor(out->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    out->setTextCursor(cursor);
  }
  QAction* Action(const char* name) {
    auto* action = Main().findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  QString ClipboardText() { return QApplication::clipboard()->text(); }
  bool ClipboardHasHtml() { return QApplication::clipboard()->mimeData()->hasHtml(); }
};

// ---- Ctrl+C ------------------------------------------------------------------------------------

TEST_F(KeyboardTest, CtrlCWithNothingSelectedCopiesTheWholeNumeral) {
  Type(QStringLiteral("1234"));
  Press(Ctl::Sovr, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), ToQ(Model().Kiril()));
  EXPECT_TRUE(ClipboardHasHtml()) << "in both formats";
  // From a key of the keypad as well.
  QApplication::clipboard()->setText(QStringLiteral("before"));
  Press(Ctl::Kiril1_5, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), ToQ(Model().Kiril()));
}

TEST_F(KeyboardTest, CtrlCCopiesTheSelectionOfAnOutput) {
  Type(QStringLiteral("1234"));
  Select(Ctl::Kiril, 0, 2);
  Press(Ctl::Sovr, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), ToQ(u"\u0482а")) << "the selection, though the focus is elsewhere";
  // The focused output's selection comes first.
  Select(Ctl::Arab1, 2, 4);  // after the direction mark: the second and third digits
  Press(Ctl::Arab1, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), ToQ(u"\u0662\u0663"));
  EXPECT_TRUE(ClipboardHasHtml());
}

TEST_F(KeyboardTest, CtrlCInTheNumberFieldCopiesItsOwnSelection) {
  Type(QStringLiteral("1234"));
  auto* sovr = Find<QLineEdit>(Ctl::Sovr);
  sovr->setFocus();
  sovr->setSelection(1, 2);
  QTest::keyClick(sovr, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), QStringLiteral("23"));
  EXPECT_FALSE(ClipboardHasHtml());
}

TEST_F(KeyboardTest, CtrlCWithAnEmptyOutputLeavesTheClipboard) {
  Press(Ctl::Sovr, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(ClipboardText(), QStringLiteral("before"));
}

// ---- Ctrl+Shift+C: copy in standard Unicode
// ------------------------------------------------------

TEST_F(KeyboardTest, StandardCopyStandsInTheMenusOfBothOutputsAndInTheMainMenu) {
  for (const auto& [menu, action] :
       {std::pair{"PopupMenu1", "StandardCopy1"}, std::pair{"PopupMenu2", "StandardCopy2"}}) {
    auto* popup = Main().findChild<QMenu*>(QLatin1String(menu));
    ASSERT_NE(popup, nullptr) << menu;
    QAction* entry = Action(action);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(popup->actions().contains(entry)) << menu;
    EXPECT_EQ(Caption(entry), QStringLiteral("Копировать в стандартном Юникоде"));
    EXPECT_EQ(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  }
  QAction* main = Action("KopirovatStandart");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Caption(main), QStringLiteral("Копировать в стандартном Юникоде"));
  EXPECT_EQ(main->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  auto* edit = Main().findChild<QMenu*>(QStringLiteral("Pravka"));
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->actions().contains(main));
}

TEST_F(KeyboardTest, CtrlShiftCCopiesTheNumeralWithoutOurSigns) {
  Type(QStringLiteral("1234"));
  ASSERT_TRUE(HasPrivateUse(Model().Kiril()));
  Press(Ctl::Sovr, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const std::u16string copied = FromQ(ClipboardText());
  EXPECT_EQ(copied, StandardForm(NumeralSystem::kKiril, Model().Kiril(), Model().MarkWidth()));
  EXPECT_FALSE(HasPrivateUse(copied));
  EXPECT_EQ(ReadNumeralText(NumeralSystem::kKiril, copied), 1234);
  // A selection is mapped alone.
  Select(Ctl::Kiril, 1, 3);
  Press(Ctl::Sovr, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(FromQ(ClipboardText()), StandardForm(NumeralSystem::kKiril, u"а\u0483", 1));
}

TEST_F(KeyboardTest, TheContextMenusCopyTheirOwnOutput) {
  Click(Ctl::Maya);
  Type(QStringLiteral("20"));
  // Nothing selected: the whole output of that menu.
  Action("StandardCopy1")->trigger();
  EXPECT_EQ(FromQ(ClipboardText()), u"\U0001D2E1\U0001D2E0");
  Action("StandardCopy2")->trigger();
  EXPECT_EQ(FromQ(ClipboardText()), Model().Text(Ctl::Arab1));
  // The Tamil zero that Arial Unicode MS lacks comes back as itself.
  ASSERT_TRUE(Model().SetText(Ctl::FontArab1, u"Arial Unicode MS"));
  ASSERT_TRUE(Model().SetText(Ctl::Dr10Znak_Name, u"Тамильские соврем."));
  Main().Sync();
  Select(Ctl::Arab1, 2, 3);  // the zero, after the direction mark
  Action("StandardCopy2")->trigger();
  EXPECT_EQ(FromQ(ClipboardText()), u"\u0BE6");
}

// ---- Esc, F1, Alt+1 … Alt+0 ---------------------------------------------------------------------

TEST_F(KeyboardTest, EscClearsAsTheButtonDoes) {
  Click(Ctl::Armen);
  Type(QStringLiteral("1984"));
  Press(Ctl::Sovr, Qt::Key_Escape);
  EXPECT_TRUE(Find<QLineEdit>(Ctl::Sovr)->text().isEmpty());
  EXPECT_TRUE(Find<QTextEdit>(Ctl::Kiril)->toPlainText().isEmpty());
  EXPECT_TRUE(Find<QTextEdit>(Ctl::Arab1)->toPlainText().isEmpty());
  EXPECT_TRUE(Find<QRadioButton>(Ctl::Armen)->isChecked());
  Type(QStringLiteral("7"));
  Press(Ctl::Kiril1_5, Qt::Key_Escape);
  EXPECT_TRUE(Model().Sovr().empty());
  EXPECT_EQ(Caption(Action("Ochistit")), QStringLiteral("Очистить"));
}

TEST_F(KeyboardTest, F1OpensThePageOfTheSelectedSystem) {
  Press(Ctl::Sovr, Qt::Key_F1);
  Click(Ctl::RimRadio);
  Press(Ctl::Sovr, Qt::Key_F1);
  Click(Ctl::Gruz);
  Press(Ctl::Kiril1_1, Qt::Key_F1);
  EXPECT_EQ(help_pages_, (std::vector<std::string>{"cyrillic", "roman", "fonts"}));
}

TEST_F(KeyboardTest, AltAndADigitSelectTheSystems) {
  Type(QStringLiteral("12"));
  int n = 0;
  for (const NumeralSystemRow& row : NumeralSystems()) {
    const int digit = ++n % 10;
    Press(Ctl::Sovr, Qt::Key_0 + digit, Qt::AltModifier);
    EXPECT_TRUE(Find<QRadioButton>(row.radio)->isChecked()) << "Alt+" << digit;
    EXPECT_EQ(Model().System(), row.system) << "Alt+" << digit;
  }
  EXPECT_EQ(Model().System(), NumeralSystem::kIudeyskie) << "Alt+0 is the tenth";
  EXPECT_EQ(Find<QTextEdit>(Ctl::Kiril)->toPlainText(), ToQ(u"יב"));
}

// ---- Menus -----------------------------------------------------------------------------------

TEST_F(KeyboardTest, EveryMenuEntryHasItsOwnAccessLetter) {
  std::vector<QList<QAction*>> menus = {Main().menuBar()->actions()};
  for (QMenu* menu : Main().findChildren<QMenu*>()) menus.push_back(menu->actions());
  ASSERT_GE(menus.size(), 5u);  // the bar, "Правка", "Справка" and the two context menus
  EXPECT_EQ(Main().menuBar()->actions().front()->menu()->objectName(), QStringLiteral("Pravka"));
  for (const QList<QAction*>& menu : menus) {
    QSet<QChar> letters;
    for (const QAction* entry : menu) {
      if (entry->isSeparator()) continue;
      const QString text = entry->text();
      const qsizetype at = text.indexOf(u'&');
      ASSERT_GE(at, 0) << text.toStdString();
      ASSERT_LT(at + 1, text.size()) << text.toStdString();
      const QChar letter = text[at + 1].toLower();
      EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
      letters.insert(letter);
    }
  }
}

// The keys the window binds are the keys its help and its man page list, and no others.
TEST_F(KeyboardTest, TheKeysOfTheWindowAreTheKeysItsHelpAndManPageList) {
  QSet<QString> bound;
  QSet<QString> alt_digits;
  for (const QAction* action : Main().findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    const QString keys = action->shortcut().toString(QKeySequence::PortableText);
    (action->objectName().startsWith(QStringLiteral("SystemKey_")) ? alt_digits : bound) << keys;
  }
  QSet<QString> listed;
  for (const KeyboardCommand& command : kKeyboardCommands) {
    listed << QString::fromUtf8(command.keys.data(), static_cast<qsizetype>(command.keys.size()));
  }
  for (const QString& keys : bound) {
    EXPECT_TRUE(listed.contains(keys)) << keys.toStdString() << " is not listed";
  }
  QSet<QString> ten;
  for (int d = 0; d < 10; ++d) ten << QStringLiteral("Alt+%1").arg(d);
  EXPECT_EQ(alt_digits, ten);
  EXPECT_TRUE(listed.contains(QStringLiteral("Alt+1 … Alt+0")));
  for (const QString& keys : listed) {
    const bool window_key = bound.contains(keys) || keys == QStringLiteral("Alt+1 … Alt+0") ||
                            keys == QStringLiteral("Tab");
    EXPECT_TRUE(window_key) << keys.toStdString() << " is listed but not bound";
  }
  QFile man(QStringLiteral(ZARNO_SOURCE_DIR "/data/man/zarno.1"));
  ASSERT_TRUE(man.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(man.readAll());
  for (QString keys : listed) {
    keys.replace(QStringLiteral("…"), QStringLiteral("\\[u2026]"));  // roff's ellipsis
    EXPECT_TRUE(page.contains(QStringLiteral(".It Ic ") + keys + QLatin1Char('\n')))
        << "the man page does not list " << keys.toStdString();
  }
}

// ---- Tab ---------------------------------------------------------------------------------------

TEST_F(KeyboardTest, TabGoesInReadingOrder) {
  for (const Ctl system : {Ctl::KirilRadio, Ctl::Iudeyskie, Ctl::Kitay}) {
    Click(system);
    QWidget* sovr = Find(Ctl::Sovr);
    sovr->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited = {sovr};
    for (int i = 0; i < 200; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* now = QApplication::focusWidget();
      if (now == sovr) break;
      visited.push_back(now);
    }
    auto position = [&](Ctl c) {
      const auto it = std::find(visited.begin(), visited.end(), Main().Widget(c));
      return it == visited.end() ? -1 : static_cast<int>(it - visited.begin());
    };
    const std::string where = std::string(Name(system));
    // The number, its buttons, the outputs, then the systems top to bottom.
    std::vector<Ctl> head = {Ctl::Sovr, Ctl::Button1, Ctl::Nastroyki, Ctl::Kiril, Ctl::Arab1};
    for (const NumeralSystemRow& row : NumeralSystems()) head.push_back(row.radio);
    for (std::size_t i = 0; i < head.size(); ++i) {
      EXPECT_EQ(position(head[i]), static_cast<int>(i)) << where << " " << Name(head[i]);
    }
    // Then the keypad, row by row from the top, each row from the left.
    int keypad_end = static_cast<int>(head.size());
    QPoint last(-1, -1);
    auto is_keypad = [&](QWidget* w) {
      for (int k = 0; k < kControlCount; ++k) {
        if (Main().Widget(static_cast<Ctl>(k)) == w) return IsKeypadControl(static_cast<Ctl>(k));
      }
      return false;
    };
    for (std::size_t i = head.size(); i < visited.size(); ++i) {
      if (!is_keypad(visited[i])) break;
      const QPoint p = visited[i]->pos();
      if (last.y() >= 0) {
        const bool same_row = std::abs(p.y() - last.y()) <= 8;
        EXPECT_TRUE(same_row ? p.x() > last.x() : p.y() > last.y())
            << where << " " << visited[i]->objectName().toStdString();
      }
      last = p;
      keypad_end = static_cast<int>(i) + 1;
    }
    EXPECT_GT(keypad_end, static_cast<int>(head.size()) + 9) << where << ": the keys follow";
    // Then the digit strip, left to right.
    ASSERT_LT(keypad_end + 11, static_cast<int>(visited.size())) << where;
    EXPECT_EQ(visited[keypad_end], Main().Widget(Ctl::Button4)) << where;
    for (int d = 0; d < 10; ++d) {
      EXPECT_EQ(visited[keypad_end + 1 + d], Main().Widget(DigitButton(d))) << where << " " << d;
    }
  }
}

}  // namespace
}  // namespace zarno::ui::testing

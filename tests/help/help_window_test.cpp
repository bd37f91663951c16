// SPDX-License-Identifier: GPL-3.0-or-later
// The help window and the main menu, driven through their widgets under the offscreen
// platform: the wiring of menu to pages, the window's controls, the page fonts.
#include "ui/help/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <vector>

#include "program_info.h"
#include "ui/help/help_pages.h"
#include "ui/help/keyboard_commands.h"
#include "ui/help/main_menu.h"

using zarno::ui::HelpWindow;

namespace {

// Receives the addresses that QDesktopServices would hand to the browser.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

struct MenuEntry {
  const char* handler;
  const char* text;
  const char* page;
  const char* caption;  // of the help window, as the page must set it
};

// Left to right, the submenu top to bottom; "Выход" comes last and opens nothing.
const MenuEntry kEntries[] = {
    {"N7", "О шрифтах", "fonts", "Зарно. О шрифтах."},
    {"N1", "Кириллица", "cyrillic", "Зарно. Цифры кириллицы и глаголицы."},
    {"N9", "Глаголица", "glagolitic", "Зарно. Цифры глаголицы."},
    {"N4", "Римские", "roman", "Зарно. Римские цифры."},
    {"N6", "Китайские", "chinese", "Зарно. Китайские цифры."},
    {"N13", "Армянские", "armenian", "Зарно. Армянские числа."},
    {"N8", "Тамильские", "tamil", "Зарно. Тамильские цифры."},
    {"N10", "Греческие ионические", "greek_ionic", "Зарно. Греческие ионические цифры."},
    {"N11", "Греческие аттические", "greek_attic", "Зарно. Греческие аттические цифры."},
    {"N12", "Майя", "maya", "Зарно. Числа майя."},
    {"N14", "Иудейские", "hebrew", "Зарно. Иудейские числа."},
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The page as its source file says, to compare with what the window shows.
zarno::ui::HelpPage SourcePage(const char* id) {
  QFile file(QStringLiteral(ZARNO_HELP_PAGES_DIR "/") + QLatin1String(id) + QStringLiteral(".txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return zarno::ui::ParseHelpPage(QString::fromUtf8(file.readAll()))
      .value_or(zarno::ui::HelpPage{});
}

// The text as the memo holds it. toPlainText() would turn the no-break spaces of "10 000"
// into plain ones and so hide their loss.
QString Shown(const QPlainTextEdit* memo) {
  return memo->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// A menu entry's caption as it reads, without the mark of its access letter.
QString Caption(const QAction* action) { return QString(action->text()).remove(u'&'); }

// The access letter of an entry: the letter after its one '&' (empty when there is none or
// more than one).
QString AccessLetter(const QAction* action) {
  const QString text = action->text();
  const qsizetype at = text.indexOf(u'&');
  if (at < 0 || at + 1 >= text.size() || text.indexOf(u'&', at + 1) >= 0) return {};
  return text.mid(at + 1, 1).toLower();
}

template <typename T>
T* Child(QObject* parent, const char* name) {
  return parent->findChild<T*>(QLatin1String(name));
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsHiddenWithItsControls() {
    HelpWindow w;
    QVERIFY(!w.isVisible());
    QVERIFY(w.isWindow());
    QCOMPARE(w.windowModality(), Qt::NonModal);
    QCOMPARE(w.windowTitle(), U("\"Зарно\" Справка"));
    QCOMPARE(w.size(), QSize(400, 602));
    QCOMPARE(w.pos(), QPoint(717, 179));

    auto* page = Child<QPlainTextEdit>(&w, "TntMemo1");
    QVERIFY(page != nullptr);
    QCOMPARE(page->geometry(), QRect(2, 3, 388, 437));
    QVERIFY(page->isReadOnly());
    QCOMPARE(page->palette().color(QPalette::Base), QColor(254, 252, 231));
    QVERIFY(Shown(page).isEmpty());

    auto* about = Child<QPlainTextEdit>(&w, "Memo1");
    QVERIFY(about != nullptr);
    QCOMPARE(about->geometry(), QRect(3, 441, 386, 100));
    QVERIFY(about->isReadOnly());
    QCOMPARE(about->frameShape(), QFrame::NoFrame);
    QCOMPARE(about->palette().color(QPalette::Base), w.palette().color(QPalette::Window));
    const QString about_text = about->toPlainText();
    const QString release =
        U("\"Зарно\" - переводчик чисел из современной записи в запись кириллическими, "
          "глаголическими, римскими буквами, в цифровые системы других стран мира и "
          "обратно.\n\n\nВыпуск ") +
        QString::fromLatin1(zarno::kProgramVersion.data()) + U(", от 11 июня 2010 г.");
    QVERIFY2(about_text.startsWith(release), qPrintable(about_text));
    // Then, after an empty line and a heading, the keyboard commands, one a line, key first.
    const QStringList keys = about_text.mid(release.size()).split(u'\n');
    QCOMPARE(keys.size(), 3 + static_cast<qsizetype>(zarno::ui::kKeyboardCommands.size()));
    QVERIFY(keys[0].isEmpty() && keys[1].isEmpty());
    QCOMPARE(keys[2], U("Клавиши главного окна:"));
    for (std::size_t i = 0; i < zarno::ui::kKeyboardCommands.size(); ++i) {
      const auto& command = zarno::ui::kKeyboardCommands[i];
      const QString line = keys[static_cast<qsizetype>(i) + 3];
      QVERIFY2(line.startsWith(QString::fromUtf8(command.keys.data(),
                                                 static_cast<qsizetype>(command.keys.size())) +
                               U(" — ")),
               qPrintable(line));
    }
    // The first lines stand in the memo as before; the commands are reached by scrolling.
    QCOMPARE(about->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    auto* thanks = Child<QLabel>(&w, "Label76");
    QVERIFY(thanks != nullptr);
    QCOMPARE(thanks->text(), U("Поблагодарить автора: "));
    QCOMPARE(thanks->pos(), QPoint(7, 555));

    auto* ok = Child<QPushButton>(&w, "Button1");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), U("Лад"));
    QVERIFY(ok->font().bold());
    QCOMPARE(ok->geometry(), QRect(289, 541, 97, 26));
  }

  void MenuHasItsEntriesInOrder() {
    QMainWindow main;
    HelpWindow help;
    zarno::ui::InstallMainMenu(&main, &help, [] {});
    const QList<QAction*> top = main.menuBar()->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->objectName(), QStringLiteral("N7"));
    QCOMPARE(Caption(top[0]), U("О шрифтах"));
    QVERIFY(top[1]->menu() != nullptr);
    QCOMPARE(top[1]->menu()->objectName(), QStringLiteral("Fonts"));
    QCOMPARE(Caption(top[1]), U("Справка"));
    QCOMPARE(top[2]->objectName(), QStringLiteral("N3"));
    QCOMPARE(Caption(top[2]), U("Выход"));

    const QList<QAction*> pages = top[1]->menu()->actions();
    QCOMPARE(pages.size(), 10);
    for (int i = 0; i < pages.size(); ++i) {
      QCOMPARE(pages[i]->objectName(), QLatin1String(kEntries[i + 1].handler));
      QCOMPARE(Caption(pages[i]), U(kEntries[i + 1].text));
    }
  }

  // Alt and a letter opens a menu, a letter then takes an entry: each entry has one letter,
  // and no two entries of one menu the same.
  void EveryEntryHasItsOwnAccessLetter() {
    QMainWindow main;
    HelpWindow help;
    zarno::ui::InstallMainMenu(
        &main, &help, [] {}, [] {});
    std::vector<QList<QAction*>> menus = {main.menuBar()->actions()};
    for (QAction* top : main.menuBar()->actions()) {
      if (top->menu() != nullptr) menus.push_back(top->menu()->actions());
    }
    for (const QList<QAction*>& menu : menus) {
      QStringList letters;
      for (const QAction* entry : menu) {
        if (entry->isSeparator()) continue;
        const QString letter = AccessLetter(entry);
        QVERIFY2(!letter.isEmpty(), qPrintable(entry->text()));
        QVERIFY2(Caption(entry).toLower().contains(letter), qPrintable(entry->text()));
        QVERIFY2(!letters.contains(letter), qPrintable(entry->text()));
        letters << letter;
      }
    }
  }

  // With a handler for it, the submenu ends with the help on the selected system, under F1.
  void SystemHelpEntryCallsItsHandler() {
    QMainWindow main;
    HelpWindow help;
    int calls = 0;
    zarno::ui::InstallMainMenu(
        &main, &help, [] {}, [&calls] { ++calls; });
    auto* entry = Child<QAction>(&main, "SystemHelp");
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F1));
    const QList<QAction*> pages = Child<QMenu>(&main, "Fonts")->actions();
    QCOMPARE(pages.back(), entry);
    QVERIFY(pages[pages.size() - 2]->isSeparator());
    entry->trigger();
    QCOMPARE(calls, 1);
    QVERIFY(!help.isVisible());
  }

  void EachEntryOpensItsPage() {
    QMainWindow main;
    HelpWindow help;
    int exits = 0;
    zarno::ui::InstallMainMenu(&main, &help, [&exits] { ++exits; });
    auto* page = Child<QPlainTextEdit>(&help, "TntMemo1");
    for (const MenuEntry& entry : kEntries) {
      auto* action = Child<QAction>(&main, entry.handler);
      QVERIFY2(action != nullptr, entry.handler);
      QCOMPARE(Caption(action), U(entry.text));
      action->trigger();
      QVERIFY2(help.isVisible(), entry.handler);
      QCOMPARE(help.windowTitle(), U(entry.caption));
      QCOMPARE(help.CurrentPage(), std::string_view(entry.page));
      // The embedded page is the file of the source tree, paragraph for paragraph.
      const zarno::ui::HelpPage source = SourcePage(entry.page);
      QVERIFY2(!source.text.isEmpty(), entry.page);
      QCOMPARE(help.windowTitle(), source.caption);
      QCOMPARE(Shown(page), source.text);
    }
    QCOMPARE(exits, 0);
  }

  void ExitCallsItsHandlerOnly() {
    QMainWindow main;
    HelpWindow help;
    int exits = 0;
    zarno::ui::InstallMainMenu(&main, &help, [&exits] { ++exits; });
    Child<QAction>(&main, "N3")->trigger();
    QCOMPARE(exits, 1);
    QVERIFY(!help.isVisible());
    QCOMPARE(help.windowTitle(), HelpWindow::InitialCaption());
  }

  void PagesAreParagraphsWithOneEmptyLine() {
    for (std::string_view id : zarno::ui::kHelpPageIds) {
      const auto page = zarno::ui::LoadHelpPage(id);
      QVERIFY2(page.has_value(), id.data());
      QVERIFY(page->caption.startsWith(U("Зарно. ")));
      QVERIFY(!page->text.isEmpty());
      QVERIFY(!page->text.contains(QStringLiteral("\n\n\n")));
      QVERIFY(!page->text.startsWith(u'\n'));
      QVERIFY(!page->text.endsWith(u'\n'));
      QVERIFY(page->text.contains(QStringLiteral("\n\n")));
    }
    QVERIFY(!zarno::ui::LoadHelpPage("georgian").has_value());
    QVERIFY(!zarno::ui::LoadHelpPage("").has_value());
  }

  void ParsesPageFiles() {
    const auto page = zarno::ui::ParseHelpPage(
        QStringLiteral("Caption\r\n\r\nOne.\r\nStill one.\r\n\r\n\r\nTwo.\r\n"));
    QVERIFY(page.has_value());
    QCOMPARE(page->caption, QStringLiteral("Caption"));
    QCOMPARE(page->text, QStringLiteral("One.\nStill one.\n\nTwo."));
    QVERIFY(!zarno::ui::ParseHelpPage(QString()).has_value());
    QVERIFY(!zarno::ui::ParseHelpPage(QStringLiteral("\n\ntext")).has_value());
    QVERIFY(!zarno::ui::ParseHelpPage(QStringLiteral("Caption\ntext")).has_value());
    QCOMPARE(zarno::ui::ParseHelpPage(QStringLiteral("Caption"))->text, QString());
  }

  void OpeningAnotherPageReplacesItInPlace() {
    HelpWindow w;
    w.OpenPage("cyrillic");
    QVERIFY(w.isVisible());
    w.move(120, 80);
    const QPoint place = w.pos();
    auto* page = Child<QPlainTextEdit>(&w, "TntMemo1");
    const QString cyrillic = Shown(page);

    w.OpenPage("roman");
    QVERIFY(w.isVisible());
    QCOMPARE(w.pos(), place);
    QCOMPARE(w.windowTitle(), U("Зарно. Римские цифры."));
    QCOMPARE(Child<QPlainTextEdit>(&w, "TntMemo1"), page);
    QVERIFY(Shown(page) != cyrillic);
    QCOMPARE(Shown(page), SourcePage("roman").text);

    // An unknown page changes nothing.
    w.OpenPage("georgian");
    QCOMPARE(w.windowTitle(), U("Зарно. Римские цифры."));
    QCOMPARE(Shown(page), SourcePage("roman").text);
  }

  void OkClosesAndTheMenuOpensAgain() {
    QMainWindow main;
    HelpWindow help;
    zarno::ui::InstallMainMenu(&main, &help, [] {});
    Child<QAction>(&main, "N12")->trigger();
    QVERIFY(help.isVisible());
    QTest::mouseClick(Child<QPushButton>(&help, "Button1"), Qt::LeftButton);
    QVERIFY(!help.isVisible());
    Child<QAction>(&main, "N6")->trigger();
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowTitle(), U("Зарно. Китайские цифры."));
  }

  void LinkLooksLikeALinkAndOpensItsAddress() {
    HelpWindow w;
    w.OpenPage("fonts");
    auto* link = Child<QLineEdit>(&w, "Edit1");
    QVERIFY(link != nullptr);
    QCOMPARE(link->text(), QStringLiteral(ZARNO_HELP_URL));
    QCOMPARE(link->pos().x(), 131);
    QVERIFY(qAbs(link->pos().y() - 555) <= 3);
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::Text), QColor(Qt::blue));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!link->hasFrame());
    QVERIFY(link->isReadOnly());
    QCOMPARE(w.LinkAddress(), QUrl(QStringLiteral(ZARNO_HELP_URL)));
    QVERIFY(w.LinkAddress().isValid());

    // The click hands the address to the system; a handler stands in for the browser.
    UrlCatcher catcher;
    const QString scheme = w.LinkAddress().scheme();
    QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    QSignalSpy opened(&w, &HelpWindow::linkOpened);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
    QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(catcher.urls, QList<QUrl>{w.LinkAddress()});
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toUrl(), w.LinkAddress());

    // Without a handler the system answers as it can (headless: no); only no crash matters.
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
    QCOMPARE(opened.size(), 2);
    // Another button is no click on the link.
    QTest::mouseClick(link, Qt::RightButton, {}, QPoint(10, link->height() / 2));
    QCOMPARE(opened.size(), 2);
  }

  void CyrillicPageFamily() {
    using zarno::ui::PageFamily;
    const QString mss = QStringLiteral("Microsoft Sans Serif");
    const QString arial = QStringLiteral("Arial Unicode MS");
    const QString dejavu = QStringLiteral("DejaVu Sans");
    const QString free = QStringLiteral("FreeSerif");
    QCOMPARE(PageFamily("cyrillic", {free, dejavu, arial, mss}), mss);
    QCOMPARE(PageFamily("cyrillic", {free, dejavu, arial}), arial);
    QCOMPARE(PageFamily("cyrillic", {free, dejavu}), dejavu);
    QCOMPARE(PageFamily("cyrillic", {free, QStringLiteral("FreeSans")}), free);
    // Names are compared exactly: other case, foundry suffix or a prefix are other fonts.
    QCOMPARE(PageFamily("cyrillic", {QStringLiteral("arial unicode ms"),
                                     QStringLiteral("DejaVu Sans [foundry]"),
                                     QStringLiteral("DejaVu Sans Mono"), free}),
             free);
    QCOMPARE(PageFamily("cyrillic", {QStringLiteral("Liberation Sans")}), std::nullopt);
    QCOMPARE(PageFamily("cyrillic", {}), std::nullopt);
  }

  void OtherPagesFamily() {
    using zarno::ui::PageFamily;
    const QStringList with_ms = {QStringLiteral("Arial Unicode MS"),
                                 QStringLiteral("MS Sans Serif")};
    for (std::string_view id : zarno::ui::kHelpPageIds) {
      if (id == "cyrillic") continue;
      QCOMPARE(PageFamily(id, with_ms), QStringLiteral("MS Sans Serif"));
      QCOMPARE(PageFamily(id, {QStringLiteral("Microsoft Sans Serif")}),
               QStringLiteral("DejaVu Sans"));
      QCOMPARE(PageFamily(id, {}), QStringLiteral("DejaVu Sans"));
    }
  }

  void PageFontFollowsTheInstalledFamilies() {
    QStringList installed = {QStringLiteral("Arial Unicode MS"), QStringLiteral("DejaVu Sans"),
                             QStringLiteral("MS Sans Serif")};
    HelpWindow w(nullptr, [&installed] { return installed; });
    auto* page = Child<QPlainTextEdit>(&w, "TntMemo1");

    w.OpenPage("cyrillic");
    QCOMPARE(page->font().families(),
             (QStringList{QStringLiteral("Arial Unicode MS"), QStringLiteral("Kolvana+")}));
    QCOMPARE(page->font().pixelSize(), 12);

    w.OpenPage("roman");
    QCOMPARE(page->font().families(),
             (QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Kolvana+")}));

    // The list is asked afresh at each opening.
    installed = {QStringLiteral("FreeSerif")};
    w.OpenPage("cyrillic");
    QCOMPARE(page->font().families().value(0), QStringLiteral("FreeSerif"));
    w.OpenPage("maya");
    QCOMPARE(page->font().families(),
             (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Kolvana+")}));

    // None of the Cyrillic fonts: the page keeps the font it had.
    installed = {};
    w.OpenPage("cyrillic");
    QCOMPARE(w.windowTitle(), U("Зарно. Цифры кириллицы и глаголицы."));
    QCOMPARE(page->font().families(),
             (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Kolvana+")}));
  }

  void ParentedWindowStaysATopLevelWindow() {
    QMainWindow main;
    auto* help = new HelpWindow(&main);
    QVERIFY(help->isWindow());
    QVERIFY(!help->isVisible());
    help->OpenPage("hebrew");
    QVERIFY(help->isVisible());
    QCOMPARE(help->pos(), QPoint(717, 179));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"

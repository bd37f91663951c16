// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <string_view>

#include "ui/help/help_window.h"

namespace zarno::ui {
namespace {

struct PageEntry {
  const char* handler;  // the action's object name
  const char* caption;  // UTF-8
  std::string_view page;
};

// The submenu "Справка", top to bottom, each with its access letter. There is no page for the
// Georgian numerals.
constexpr PageEntry kHelpEntries[] = {
    {"N1", "&Кириллица", "cyrillic"},
    {"N9", "&Глаголица", "glagolitic"},
    {"N4", "&Римские", "roman"},
    {"N6", "Ки&тайские", "chinese"},
    {"N13", "&Армянские", "armenian"},
    {"N8", "Та&мильские", "tamil"},
    {"N10", "Греческие &ионические", "greek_ionic"},
    {"N11", "Гр&еческие аттические", "greek_attic"},
    {"N12", "Ма&йя", "maya"},
    {"N14", "И&удейские", "hebrew"},
};

using PageOpener = std::function<void(std::string_view)>;

QAction* PageAction(QObject* parent, const PageEntry& entry, const PageOpener& open_page) {
  auto* action = new QAction(QString::fromUtf8(entry.caption), parent);
  action->setObjectName(QString::fromLatin1(entry.handler));
  const std::string_view page = entry.page;
  QObject::connect(action, &QAction::triggered, parent, [open_page, page] { open_page(page); });
  return action;
}

}  // namespace

void InstallMainMenu(QMainWindow* window, HelpWindow* help, std::function<void()> on_exit,
                     std::function<void()> on_system_help) {
  InstallMainMenu(
      window,
      [help = QPointer<HelpWindow>(help)](std::string_view page) {
        if (help != nullptr) help->OpenPage(page);
      },
      std::move(on_exit), std::move(on_system_help));
}

void InstallMainMenu(QMainWindow* window, std::function<void(std::string_view page)> open_page,
                     std::function<void()> on_exit, std::function<void()> on_system_help) {
  QMenuBar* bar = window->menuBar();

  bar->addAction(PageAction(bar, {"N7", "О &шрифтах", "fonts"}, open_page));

  QMenu* pages = bar->addMenu(QStringLiteral("&Справка"));
  pages->setObjectName(QStringLiteral("Fonts"));
  for (const PageEntry& entry : kHelpEntries) pages->addAction(PageAction(pages, entry, open_page));
  if (on_system_help) {
    pages->addSeparator();
    auto* system = new QAction(QStringLiteral("&О выбранной системе"), pages);
    system->setObjectName(QStringLiteral("SystemHelp"));
    system->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(system, &QAction::triggered, window,
                     [on_system_help = std::move(on_system_help)] { on_system_help(); });
    pages->addAction(system);
  }

  auto* exit = new QAction(QStringLiteral("&Выход"), bar);
  exit->setObjectName(QStringLiteral("N3"));
  QObject::connect(exit, &QAction::triggered, window, [on_exit = std::move(on_exit)] {
    if (on_exit) on_exit();
  });
  bar->addAction(exit);
}

}  // namespace zarno::ui

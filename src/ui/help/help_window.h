// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help window (TForm2): one window for all help pages, with a fixed text about the
// program, a link to the author's page and the button "Лад". Created hidden at start and
// kept for the whole run; the menu and the "(?)" label of the main window open pages in it.

#include <QLineEdit>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zarno::ui {

// The Cyrillic page is shown in the first of these that is installed.
inline constexpr std::array<std::string_view, 4> kCyrillicPageFamilies = {
    "Microsoft Sans Serif", "Arial Unicode MS", "DejaVu Sans", "FreeSerif"};
// Every other page: the Windows dialog font when present, else a sans that Linux has.
inline constexpr std::string_view kPageFamily = "MS Sans Serif";
inline constexpr std::string_view kPageFallbackFamily = "DejaVu Sans";
// The controls of the window: the Windows dialog font, else a narrow sans of about its width.
inline constexpr std::string_view kWindowFallbackFamily = "DejaVu Sans Condensed";
// Our own font comes second in every page font, so that a private-use sign is never drawn
// with another font's glyph at that code point.
inline constexpr std::string_view kShippedFamily = "Kolvana+";
inline constexpr int kPagePixelSize = 12;

// The font family for a page, given the installed families (compared exactly). nullopt
// means the memo keeps the font it has: the Cyrillic page when none of its fonts is there.
std::optional<QString> PageFamily(std::string_view id, const QStringList& installed);

// The font family for the fixed controls of the window.
QString WindowFamily(const QStringList& installed);

// The borderless edit that serves as a link: emits clicked() on a left click.
class LinkEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // The installed font families; by default QFontDatabase::families().
  using FamilyProvider = std::function<QStringList()>;

  explicit HelpWindow(QWidget* parent = nullptr, FamilyProvider installed_families = {});

  // Shows a page: caption, text and font are replaced in place, and the window is shown
  // where it is. An unknown id changes nothing.
  void OpenPage(std::string_view id);

  // The page shown last (empty before the first).
  std::string_view CurrentPage() const { return current_page_; }
  QUrl LinkAddress() const;

  static QString InitialCaption();
  static QString AboutText();
  // The keyboard commands of the main window, the last part of the text about the program.
  static QString KeyboardText();

 signals:
  // After a click on the link: the address and what the system answered.
  void linkOpened(const QUrl& url, bool opened);

 private:
  void OpenLink();

  FamilyProvider installed_families_;
  std::string_view current_page_;
  QPlainTextEdit* page_ = nullptr;   // TntMemo1
  QPlainTextEdit* about_ = nullptr;  // Memo1
  QLabel* thanks_ = nullptr;         // Label76
  LinkEdit* link_ = nullptr;         // Edit1
  QPushButton* ok_ = nullptr;        // Button1
};

}  // namespace zarno::ui

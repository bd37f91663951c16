// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fresh program per test: its own working directory, its own XDG_CONFIG_HOME (where
// "Zarno.ini" lives), its own XDG_DATA_HOME (where our font is installed), and answers for every
// box the window may open. A box that opens anyway is closed at once and fails the test instead of
// waiting for a user.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "ui/program.h"
#include "ui/qt_text.h"

namespace zarno::ui::testing {

inline QString NameOf(Ctl c) {
  return QString::fromLatin1(Name(c).data(), static_cast<qsizetype>(Name(c).size()));
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    old_dir_ = QDir::currentPath();
    ASSERT_TRUE(QDir().mkpath(WorkDir()));
    ASSERT_TRUE(QDir::setCurrent(WorkDir()));
    old_xdg_ = qgetenv("XDG_DATA_HOME");
    old_xdg_config_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", XdgDataHome().toUtf8());
    qputenv("XDG_CONFIG_HOME", XdgConfigHome().toUtf8());
    PrepareWorkDir();

    HostDialogs dialogs;
    dialogs.message = [this](const QString& text) { messages_.push_back(text); };
    dialogs.error = [this](const QString& text) { errors_.push_back(text); };
    dialogs.choose_font = [this](const FontSpec& current) {
      ++font_dialogs_;
      return font_answer_ ? *font_answer_ : current;
    };
    dialogs.open_help_page = [this](std::string_view page) { help_pages_.emplace_back(page); };

    watchdog_.setInterval(20);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      for (QWidget* box : {QApplication::activeModalWidget(), QApplication::activePopupWidget()}) {
        if (box == nullptr) continue;
        unexpected_boxes_.push_back(QString::fromLatin1(box->metaObject()->className()));
        box->close();
      }
    });
    watchdog_.start();

    windows_ = CreateProgramWindows(dialogs);
    Main().show();
  }

  void TearDown() override {
    windows_ = {};
    watchdog_.stop();
    QDir::setCurrent(old_dir_);
    qputenv("XDG_DATA_HOME", old_xdg_);
    qputenv("XDG_CONFIG_HOME", old_xdg_config_);
    EXPECT_TRUE(unexpected_boxes_.empty())
        << "a box opened: " << unexpected_boxes_.front().toStdString();
    EXPECT_TRUE(errors_.empty()) << "error box: " << errors_.front().toStdString();
  }

  MainWindow& Main() { return *windows_.main; }
  MainWindowModel& Model() { return Main().Model(); }
  Dr10ZnakWindow& Chooser() { return *Main().Chooser(); }
  HelpOnDemand& Help() { return *windows_.help; }

  // The widget of a control, found as a user's tool would: by its object name.
  template <class W = QWidget>
  W* Find(Ctl c) {
    W* w = Main().findChild<W*>(NameOf(c));
    EXPECT_NE(w, nullptr) << "no widget " << Name(c);
    return w;
  }

  // A click of the left mouse button in the middle of a control the user can see.
  void Click(Ctl c) {
    QWidget* w = Find(c);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible()) << Name(c) << " is not shown";
    ASSERT_TRUE(w->isEnabled()) << Name(c) << " is disabled";
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
  }

  void Type(const QString& text) {
    QWidget* sovr = Find(Ctl::Sovr);
    sovr->setFocus();
    QTest::keyClicks(sovr, text);
  }

  // Runs before the window is made: a test puts files into the working directory here.
  virtual void PrepareWorkDir() {}

  QString Settings() {
    QFile file(SettingsFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
  }
  // Where the window keeps its settings when the working directory has none.
  QString SettingsFile() const { return XdgConfigHome() + QStringLiteral("/zarno/Zarno.ini"); }
  QString WorkDir() const { return dir_.filePath(QStringLiteral("work")); }
  QString XdgDataHome() const { return dir_.filePath(QStringLiteral("xdg-data")); }
  QString XdgConfigHome() const { return dir_.filePath(QStringLiteral("xdg-config")); }

  std::vector<QString> messages_;
  std::vector<QString> errors_;
  std::vector<std::string> help_pages_;
  std::vector<QString> unexpected_boxes_;
  std::optional<FontSpec> font_answer_;
  int font_dialogs_ = 0;

 private:
  QTemporaryDir dir_;
  QString old_dir_;
  QByteArray old_xdg_;
  QByteArray old_xdg_config_;
  QTimer watchdog_;
  ProgramWindows windows_;
};

}  // namespace zarno::ui::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// TForm1, the main window: a thin view of MainWindowModel. Every widget is built from the
// control table under the control's name; a user event goes to the model, and after every
// event each widget is brought up to date from the model, touching only what changed.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/main_window_model.h"
#include "ui/output_fit.h"
#include "ui/qt_host.h"

class QLabel;
class QStringListModel;

namespace zarno::ui {

class Dr10ZnakWindow;
class Surface;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Creates the window and runs its start-up (fonts, settings file, keypad).
  explicit MainWindow(HostDialogs dialogs = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainWindowModel& Model() { return *model_; }
  QtHost& Host() { return *host_; }
  QWidget* Widget(Ctl c) const { return widgets_[Index(c)]; }
  QLabel* ValueLabel(Ctl key) const { return value_labels_[Index(key)]; }

  // The digit-set chooser that Button4 shows, a window of its own that the main window answers;
  // made the first time it is shown (null until then) and kept until the main window goes.
  Dr10ZnakWindow* Chooser() const { return chooser_.get(); }

  // Brings every widget up to date from the model.
  void Sync();

  // What the output field Kiril or Arab1 shows, at the chosen size, and the room it has.
  OutputText OutputOf(Ctl c) const;

  // The commands of the menu "Правка" and of the keyboard. Ctrl+C: the selection of an output
  // (the focused one first), or the whole of Kiril when nothing is selected, in both clipboard
  // formats. Ctrl+Shift+C: the same part in standard Unicode; from an output's context menu
  // (`output`), that output's selection or the whole of it.
  void CopyCommand();
  void CopyStandardCommand(std::optional<Ctl> output = std::nullopt);
  // F1: the help page of the selected system.
  void SystemHelpCommand();

 signals:
  // The window was closed (and the settings saved): the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Lets Ctrl+C reach the window's copy from the fields that would take it for their own
  // selection, unless the number field has a selection of its own.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A part of an output: positions in the text it shows.
  struct OutputPart {
    Ctl output;
    int start;
    int end;
  };
  std::optional<OutputPart> SelectedPart(Ctl output) const;
  std::optional<OutputPart> PartToCopy() const;
  void BuildCommands();
  // Lets the window see Ctrl+C first in every field under `root` that takes the focus.
  void WatchCopyKeys(QWidget* root);
  // Makes the font boxes editable, with the font list; they show their state at the next
  // mirroring.
  void MakeFontBoxes();
  // The Tab order in reading order: the number, the outputs, the systems, the keypad as it
  // stands row by row, the digit strip, then the settings.
  void OrderTabs();
  void BuildDecor();
  QWidget* CreateControl(Ctl c);
  void ConnectControl(Ctl c, QWidget* w);
  // Runs a user event on the model, then mirrors; `source` is re-mirrored whole, since the
  // widget itself may already show what the model refused.
  void Forward(std::optional<Ctl> source, const std::function<void()>& event);
  void Apply(Ctl c, const ControlState* old, const ControlState& now);
  void MirrorKiril();
  void MirrorArab1();
  // Draws an output field's text at the largest size, up to the chosen one, that shows it whole.
  void MirrorOutput(Ctl c);
  void MirrorFontList();
  void PlaceValueLabels();
  void MirrorChooser();
  QFont FontOf(Ctl c, const ControlState& s) const;

  std::unique_ptr<QtHost> host_;
  std::unique_ptr<MainWindowModel> model_;
  Surface* surface_ = nullptr;
  std::unique_ptr<Dr10ZnakWindow> chooser_;
  QStringListModel* font_list_model_ = nullptr;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<QLabel*, kControlCount> value_labels_{};
  // What each widget was last brought to.
  std::array<std::optional<ControlState>, kControlCount> mirrored_{};
  std::optional<std::vector<FormatRun>> mirrored_format_;
  std::vector<std::u16string> mirrored_font_list_;
  int mirrored_width_ = 0;
  int mirrored_spin_ = -1;
  bool mirrored_chooser_shown_ = false;
  bool font_boxes_made_ = false;
  int seen_focus_requests_ = 0;
  bool syncing_ = false;
};

}  // namespace zarno::ui

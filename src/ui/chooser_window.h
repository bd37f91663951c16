// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// TDr10Znak: the window that shows every decimal digit set as a row and lets the user pick
// one. It knows the rows and draws them; what a choice does is the main window's business.
#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;

namespace zarno::ui {

class Dr10ZnakWindow : public QWidget {
  Q_OBJECT
 public:
  explicit Dr10ZnakWindow(QWidget* parent = nullptr);

  // Draws the rows anew with the two digit fonts (the FormShow of the window).
  void Refresh(const QString& font_arab1, const QString& font_arab2);

  QPushButton* RowButton(int row) const { return rows_.at(row - 1).button; }
  QLabel* DigitLabel(int row, int digit) const { return rows_.at(row - 1).digits[digit]; }
  // Where the ink of a digit falls, in the coordinates of the rows.
  QRectF DigitInk(int row, int digit) const;
  QLabel* FontNameLabel(int row) const { return rows_.at(row - 1).font_name; }
  int RowCount() const { return static_cast<int>(rows_.size()); }

 signals:
  // A row button was clicked (rows 1 to 29, top to bottom).
  void rowClicked(int row);
  // The user closed the window with its frame.
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Row {
    QPushButton* button = nullptr;
    std::array<QLabel*, 10> digits{};
    QLabel* region = nullptr;
    QLabel* font_name = nullptr;
  };
  std::vector<Row> rows_;
  QScrollArea* scroll_ = nullptr;
};

}  // namespace zarno::ui

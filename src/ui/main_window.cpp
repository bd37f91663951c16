// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "core/numeral_systems.h"
#include "keypads/layout.h"
#include "program_info.h"
#include "ui/chooser_window.h"
#include "ui/design_layout.h"
#include "ui/output_fit.h"
#include "ui/process_fonts.h"
#include "ui/qt_text.h"
#include "ui/rich_copy.h"
#include "ui/widgets.h"

namespace zarno::ui {
namespace {

constexpr int kUiPoints = 8;
const QColor kOutputBackground(254, 252, 231);  // 15203582
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(128, 128, 128);

QString NameOf(Ctl c) {
  const std::string_view name = Name(c);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void SetColor(QWidget* w, QPalette::ColorRole role, const QColor& color) {
  QPalette p = w->palette();
  p.setColor(role, color);
  w->setPalette(p);
}

// What a screen reader says for the controls whose caption does not tell.
QString AccessibleNameOf(Ctl c) {
  switch (KindOf(c)) {
    case ControlKind::kKey:
      return QStringLiteral("Клавиша %1").arg(ValueOf(c));
    case ControlKind::kVariantBox:
      return QStringLiteral("Вариант знака %1").arg(ValueOf(c));
    case ControlKind::kDigitButton:
      return QStringLiteral("Цифра %1").arg(ValueOf(c));
    case ControlKind::kFontBox:
      return QStringLiteral("Шрифт: %1").arg(NameOf(c));
    default:
      break;
  }
  switch (c) {
    case Ctl::Sovr:
      return QStringLiteral("Современные");
    case Ctl::Kiril:
      return QStringLiteral("Запись числа");
    case Ctl::Arab1:
      return QStringLiteral("Число другими цифрами");
    case Ctl::Dr10Znak_Name:
      return QStringLiteral("Набор цифр");
    case Ctl::Zarno:
      return QStringLiteral("Подбор ширины знака зарно");
    case Ctl::IspZarno:
      return QStringLiteral("Знак зарно");
    case Ctl::IspTochka:
      return QStringLiteral("Точки");
    case Ctl::TysyashaNizhe:
      return QStringLiteral("Знак тысячи ниже строки");
    case Ctl::Tysyasha:
      return QStringLiteral("x1000");
    case Ctl::x10000:
      return QStringLiteral("x10000");
    case Ctl::x100000:
      return QStringLiteral("x100000");
    case Ctl::Kiril_Old_Tys_Radio1:
      return QStringLiteral("10000 и больше: знак тысячи");
    case Ctl::Kiril_Old_Tys_Radio2:
      return QStringLiteral("10000 и больше: круг");
    case Ctl::Label78:
      return QStringLiteral("Справка о глаголице");
    case Ctl::SpinEdit1:
      return QStringLiteral("Размер шрифта");
    case Ctl::Label13:
      return QStringLiteral("чёрные буквы");
    case Ctl::Label8:
      return QStringLiteral("коричневые буквы");
    case Ctl::Label14:
      return QStringLiteral("зелёные буквы");
    case Ctl::Label15:
      return QStringLiteral("красные буквы");
    case Ctl::Button2:
      return QStringLiteral("Шрифт записи числа");
    case Ctl::Button3:
      return QStringLiteral("Шрифт цифр");
    default:
      return {};
  }
}

bool FontDiffers(const ControlState& a, const ControlState& b) {
  return a.font != b.font || a.font_size != b.font_size || a.bold != b.bold || a.italic != b.italic;
}

// Where a key's grey value label may stand: under the key; beside the variant box that
// stands there; or under that box.
std::vector<QRect> ValueLabelCandidates(const QRect& key, const QSize& size,
                                        const std::vector<QRect>& taken) {
  const int centred_x = key.center().x() - size.width() / 2 + 1;
  const QRect under(centred_x, key.bottom() + 1, size.width(), size.height());
  std::vector<QRect> candidates = {under};
  for (const QRect& r : taken) {
    if (!r.intersects(under) || r.top() <= key.bottom() - 2) continue;
    candidates.emplace_back(r.right() + 1, key.bottom() + 1, size.width(), size.height());
    candidates.emplace_back(r.left() - size.width(), key.bottom() + 1, size.width(), size.height());
    candidates.emplace_back(centred_x, r.bottom() + 1, size.width(), size.height());
  }
  return candidates;
}

// Calls `then` once, as soon as the first paint of `widget` (and of the window it is in) is
// done.
void CallAfterFirstPaint(QWidget* widget, std::function<void()> then) {
  class Watch : public QObject {
   public:
    Watch(QWidget* widget, std::function<void()> then) : QObject(widget), then_(std::move(then)) {
      widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued behind the paint and the flush of the whole window.
        QTimer::singleShot(0, parent(), std::move(then_));
        deleteLater();
      }
      return false;
    }

   private:
    std::function<void()> then_;
  };
  new Watch(widget, std::move(then));
}

}  // namespace

MainWindow::MainWindow(HostDialogs dialogs, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Зарно ") +
                 QString::fromLatin1(kProgramVersion.data(), qsizetype(kProgramVersion.size())) +
                 QStringLiteral(" (переводчик чисел)"));
  setFont(QFont(UiFamily(), kUiPoints));
  host_ = std::make_unique<QtHost>(this, std::move(dialogs));
  model_ = std::make_unique<MainWindowModel>(*host_);

  surface_ = new Surface(this);
  surface_->setObjectName(QStringLiteral("Surface"));
  setCentralWidget(surface_);
  // Fixed single border: the window takes the size of its surface (and menu), no more.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  font_list_model_ = new QStringListModel(this);
  BuildDecor();
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    QWidget* w = CreateControl(c);
    widgets_[i] = w;
    ConnectControl(c, w);
    if (KindOf(c) == ControlKind::kKey) {
      auto* label = new QLabel(QString::number(ValueOf(c)), surface_);
      label->setObjectName(NameOf(c) + QStringLiteral("_value"));
      QFont f(UiFamily());
      f.setPixelSize(9);
      label->setFont(f);
      SetColor(label, QPalette::WindowText, kGrey);
      label->setAlignment(Qt::AlignCenter);
      label->hide();
      value_labels_[i] = label;
    }
  }
  BuildCommands();
  // The keys stand above the frame and the lines, the value labels above nothing else.
  model_->FormCreate();
  Sync();
  // The font boxes stand right of the narrow window that shows at start: their lists and edits
  // are made after the first paint, or as soon as the window is widened.
  CallAfterFirstPaint(surface_, [this] {
    if (font_boxes_made_) return;
    MakeFontBoxes();
    Sync();
  });
}

void MainWindow::BuildCommands() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Правка"));
  edit->setObjectName(QStringLiteral("Pravka"));
  auto add = [this, edit](const char* name, const QString& text, const QKeySequence& keys,
                          std::function<void()> run) {
    auto* action = new QAction(text, edit);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, std::move(run));
    edit->addAction(action);
    return action;
  };
  add("Kopirovat", QStringLiteral("&Копировать"), QKeySequence::Copy, [this] { CopyCommand(); });
  add("KopirovatStandart", QStringLiteral("Копировать в &стандартном Юникоде"),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { CopyStandardCommand(); });
  edit->addSeparator();
  add("Ochistit", QStringLiteral("&Очистить"), QKeySequence(Qt::Key_Escape),
      [this] { Forward(std::nullopt, [this] { model_->Click(Ctl::Button1); }); });

  // Alt+1 … Alt+9 and Alt+0 select the ten systems in the order of their column.
  int n = 0;
  for (const NumeralSystemRow& row : NumeralSystems()) {
    const Ctl radio = row.radio;
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("SystemKey_") + NameOf(radio));
    action->setShortcut(QKeySequence(Qt::ALT | (Qt::Key_0 + (++n % 10))));
    connect(action, &QAction::triggered, this,
            [this, radio] { Forward(radio, [this, radio] { model_->Click(radio); }); });
    addAction(action);
  }

  WatchCopyKeys(surface_);
}

void MainWindow::WatchCopyKeys(QWidget* root) {
  // The fields that take Ctrl+C for their own selection ask the window first.
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
  }
}

void MainWindow::MakeFontBoxes() {
  font_boxes_made_ = true;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (KindOf(c) != ControlKind::kFontBox) continue;
    auto* box = static_cast<QComboBox*>(widgets_[i]);
    // Nothing the box does here is a choice of the user's.
    const QSignalBlocker block(box);
    // The font first, the list after: a box lays out every entry of its list again each time
    // its font changes.
    box->setFont(FontOf(c, model_->State(c)));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(25);
    box->lineEdit()->setMaxLength(static_cast<int>(kFontBoxMaxLength));
    box->setModel(font_list_model_);
    WatchCopyKeys(box);
    mirrored_[i].reset();  // the next mirroring shows the box whole
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    const auto* line = qobject_cast<QLineEdit*>(watched);
    if (line == nullptr || !line->hasSelectedText()) {
      event->ignore();  // not the field's: the shortcut of the window runs
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

std::optional<MainWindow::OutputPart> MainWindow::SelectedPart(Ctl output) const {
  const auto* field = static_cast<const RichOutput*>(Widget(output));
  if (!field->HasSelection()) return std::nullopt;
  const auto [start, end] = field->SelectionInText();
  return OutputPart{output, start, end};
}

std::optional<MainWindow::OutputPart> MainWindow::PartToCopy() const {
  const Ctl first = focusWidget() == Widget(Ctl::Arab1) ? Ctl::Arab1 : Ctl::Kiril;
  const Ctl second = first == Ctl::Kiril ? Ctl::Arab1 : Ctl::Kiril;
  for (const Ctl c : {first, second}) {
    if (auto part = SelectedPart(c)) return part;
  }
  const int size = static_cast<int>(model_->Kiril().size());
  if (size == 0) return std::nullopt;
  return OutputPart{Ctl::Kiril, 0, size};
}

void MainWindow::CopyCommand() {
  const std::optional<OutputPart> part = PartToCopy();
  if (!part) return;
  if (auto mime = OutputMimeData(OutputOf(part->output), part->start, part->end)) {
    QApplication::clipboard()->setMimeData(mime.release());
  }
}

void MainWindow::CopyStandardCommand(std::optional<Ctl> output) {
  std::optional<OutputPart> part;
  if (output) {
    part = SelectedPart(*output);
    if (!part) part = OutputPart{*output, 0, static_cast<int>(model_->Text(*output).size())};
  } else {
    part = PartToCopy();
  }
  if (!part) return;
  const std::u16string text =
      model_->StandardText(part->output, part->start, part->end - part->start);
  if (!text.empty()) QApplication::clipboard()->setText(ToQ(text));
}

void MainWindow::SystemHelpCommand() {
  Forward(std::nullopt, [this] { model_->SystemHelpClick(); });
}

void MainWindow::OrderTabs() {
  std::vector<QWidget*> order;
  std::vector<bool> placed(kControlCount, false);
  auto take = [&](Ctl c) {
    if (placed[Index(c)]) return;
    placed[Index(c)] = true;
    if (Widget(c)->focusPolicy() != Qt::NoFocus) order.push_back(Widget(c));
  };
  // Controls in rows from the top, each row from the left; a few pixels up or down stay
  // in the row.
  auto in_rows = [&](std::vector<Ctl> controls) {
    constexpr int kRowSlack = 8;
    std::sort(controls.begin(), controls.end(),
              [this](Ctl a, Ctl b) { return Widget(a)->y() < Widget(b)->y(); });
    for (std::size_t row = 0; row < controls.size();) {
      std::size_t end = row + 1;
      while (end < controls.size() &&
             Widget(controls[end])->y() - Widget(controls[row])->y() <= kRowSlack) {
        ++end;
      }
      std::stable_sort(controls.begin() + static_cast<std::ptrdiff_t>(row),
                       controls.begin() + static_cast<std::ptrdiff_t>(end),
                       [this](Ctl a, Ctl b) { return Widget(a)->x() < Widget(b)->x(); });
      row = end;
    }
    for (Ctl c : controls) take(c);
  };
  for (Ctl c : {Ctl::Sovr, Ctl::Button1, Ctl::Nastroyki, Ctl::Kiril, Ctl::Arab1}) take(c);
  for (const NumeralSystemRow& row : NumeralSystems()) take(row.radio);
  std::vector<Ctl> keypad;
  std::vector<Ctl> rest;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (placed[i] || !model_->State(c).shown) continue;
    (IsKeypadControl(c) ? keypad : rest).push_back(c);
  }
  in_rows(keypad);
  take(Ctl::Button4);
  for (int d = 0; d < 10; ++d) take(DigitButton(d));
  in_rows(rest);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildDecor() {
  for (const Decor& d : DecorItems()) {
    QWidget* w = nullptr;
    switch (d.kind) {
      case DecorKind::kFrame: {
        auto* frame = new QFrame(surface_);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        SetColor(frame, QPalette::WindowText, kGrey);
        w = frame;
        break;
      }
      case DecorKind::kHLine:
      case DecorKind::kVLine: {
        auto* line = new QFrame(surface_);
        line->setFrameStyle((d.kind == DecorKind::kHLine ? QFrame::HLine : QFrame::VLine) |
                            QFrame::Sunken);
        w = line;
        break;
      }
      default: {
        auto* label = new QLabel(ToQ(d.text), surface_);
        if (d.kind == DecorKind::kGrey) {
          SetColor(label, QPalette::WindowText, kGrey);
          QFont f(UiFamily());
          f.setPixelSize(10);
          label->setFont(f);
        }
        if (d.kind == DecorKind::kHeading) {
          QFont f(UiFamily(), 9);
          f.setBold(true);
          label->setFont(f);
        }
        if (d.kind == DecorKind::kRightLabel)
          label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w = label;
        break;
      }
    }
    w->setObjectName(QString::fromLatin1(d.name.data(), static_cast<qsizetype>(d.name.size())));
    w->setGeometry(ToQ(d.place));
  }
}

QWidget* MainWindow::CreateControl(Ctl c) {
  QWidget* w = nullptr;
  switch (KindOf(c)) {
    case ControlKind::kEdit: {
      auto* edit = new QLineEdit(surface_);
      if (c == Ctl::Dr10Znak_Name) {
        // The name of the digit set, shown as a plain caption on the window.
        edit->setReadOnly(true);
        edit->setFrame(false);
        edit->setFocusPolicy(Qt::NoFocus);
        SetColor(edit, QPalette::Base, kSilver);
      } else {
        SetColor(edit, QPalette::Base, Qt::white);
      }
      w = edit;
      break;
    }
    case ControlKind::kOutput: {
      const bool kiril = c == Ctl::Kiril;
      auto* out = new RichOutput(
          surface_, kiril ? QStringLiteral("PopupMenu1") : QStringLiteral("PopupMenu2"),
          kiril ? QStringLiteral("N2") : QStringLiteral("N5"),
          kiril ? QStringLiteral("StandardCopy1") : QStringLiteral("StandardCopy2"));
      connect(out, &RichOutput::standardCopyRequested, this, [this, c] { CopyStandardCommand(c); });
      out->SetSource([this, c] { return OutputOf(c); });
      SetColor(out, QPalette::Base, kOutputBackground);
      out->document()->setDocumentMargin(2);
      out->setLineWrapMode(QTextEdit::WidgetWidth);
      out->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
      w = out;
      break;
    }
    case ControlKind::kButton:
      w = c == Ctl::Zarno ? static_cast<QWidget*>(new SignButton(surface_))
                          : new CaptionButton(surface_);
      if (c == Ctl::Zarno) w->setToolTip(QStringLiteral("Подбор ширины знака зарно"));
      break;
    case ControlKind::kKey:
    case ControlKind::kDigitButton:
      w = new SignButton(surface_);
      break;
    case ControlKind::kSystemRadio:
    case ControlKind::kStyleRadio: {
      // The model keeps exactly one selected; the buttons only show it.
      auto* radio = new QRadioButton(surface_);
      radio->setAutoExclusive(false);
      w = radio;
      break;
    }
    case ControlKind::kGroup:
      w = new QGroupBox(surface_);
      break;
    case ControlKind::kVariantBox:
    case ControlKind::kOptionBox:
      w = new QCheckBox(surface_);
      break;
    case ControlKind::kPanel:
      w = new TogglePanel(surface_);
      break;
    case ControlKind::kLabel:
      if (c == Ctl::Tochka) {
        // The dot that marks the dots option.
        auto* dot = new QFrame(surface_);
        dot->setAutoFillBackground(true);
        SetColor(dot, QPalette::Window, Qt::black);
        w = dot;
      } else if (c == Ctl::Memo1 || c == Ctl::Memo2) {
        auto* memo = new QPlainTextEdit(surface_);
        memo->setReadOnly(true);
        memo->setFocusPolicy(Qt::NoFocus);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        SetColor(memo, QPalette::Base, kSilver);
        memo->setFrameStyle(QFrame::NoFrame);
        w = memo;
      } else {
        auto* label = new QLabel(surface_);
        label->setAlignment(Qt::AlignCenter);
        w = label;
      }
      break;
    case ControlKind::kLink:
      w = new HoverLabel(surface_);
      static_cast<HoverLabel*>(w)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      break;
    case ControlKind::kSpin: {
      auto* spin = new SizeSpinBox(surface_);
      spin->setRange(5, 99);
      spin->setSingleStep(1);
      w = spin;
      break;
    }
    case ControlKind::kSwatch: {
      w = new Swatch(surface_, ColorOf(ValueOf(c)));
      w->setToolTip(AccessibleNameOf(c));
      break;
    }
    case ControlKind::kFontBox:
      w = new QComboBox(surface_);  // the rest in MakeFontBoxes
      break;
  }
  w->setObjectName(NameOf(c));
  QString accessible = AccessibleNameOf(c);
  if (accessible.isEmpty()) accessible = ToQ(model_->Text(c));
  if (accessible.isEmpty()) accessible = NameOf(c);
  w->setAccessibleName(accessible);
  w->hide();  // the first mirroring shows what the model shows
  return w;
}

void MainWindow::ConnectControl(Ctl c, QWidget* w) {
  auto click = [this, c] { Forward(c, [this, c] { model_->Click(c); }); };
  switch (KindOf(c)) {
    case ControlKind::kButton:
    case ControlKind::kKey:
    case ControlKind::kDigitButton:
    case ControlKind::kSystemRadio:
    case ControlKind::kStyleRadio:
    case ControlKind::kVariantBox:
    case ControlKind::kOptionBox:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, click);
      break;
    case ControlKind::kPanel:
      connect(static_cast<TogglePanel*>(w), &TogglePanel::clicked, this, click);
      break;
    case ControlKind::kSwatch:
      connect(static_cast<Swatch*>(w), &Swatch::clicked, this, click);
      break;
    case ControlKind::kLink:
      connect(static_cast<HoverLabel*>(w), &HoverLabel::clicked, this, click);
      break;
    case ControlKind::kEdit:
      connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
              [this, c](const QString& t) {
                Forward(c, [this, c, text = FromQ(t)] { model_->SetText(c, text); });
              });
      break;
    case ControlKind::kOutput:
      if (c == Ctl::Kiril) {
        // The thousands-sign repair works on the selected letters.
        auto* out = static_cast<RichOutput*>(w);
        connect(out, &QTextEdit::selectionChanged, this, [this, out] {
          if (syncing_) return;
          const QTextCursor cursor = out->textCursor();
          model_->SelectKiril(cursor.selectionStart(),
                              cursor.selectionEnd() - cursor.selectionStart());
        });
      }
      break;
    case ControlKind::kSpin:
      connect(static_cast<QSpinBox*>(w), &QSpinBox::valueChanged, this,
              [this, c](int value) { Forward(c, [this, value] { model_->SetSpinValue(value); }); });
      break;
    case ControlKind::kFontBox:
      connect(static_cast<QComboBox*>(w), &QComboBox::currentTextChanged, this,
              [this, c](const QString& t) {
                if (syncing_) return;
                Forward(c, [this, c, text = FromQ(t)] { model_->SetText(c, text); });
              });
      break;
    case ControlKind::kGroup:
    case ControlKind::kLabel:
      break;
  }
}

void MainWindow::Forward(std::optional<Ctl> source, const std::function<void()>& event) {
  event();
  if (source) mirrored_[Index(*source)].reset();
  Sync();
}

QFont MainWindow::FontOf(Ctl c, const ControlState& s) const {
  const DesignFont design = DesignFontOf(c);
  const QString family = s.font.empty() ? UiFamily() : ToQ(s.font);
  QFont font(family);
  font.setFamilies(FamiliesWithOurs(family));
  const int points = s.font_size > 0 ? s.font_size : design.points > 0 ? design.points : kUiPoints;
  // The settings file may hold any size; the widgets take what a font can be drawn at.
  font.setPointSize(std::clamp(points, kMinOutputPoints, kMaxOutputPoints));
  font.setBold(s.bold || design.bold);
  font.setItalic(s.italic);
  return font;
}

void MainWindow::Sync() {
  syncing_ = true;
  if (!font_boxes_made_ && model_->WindowWidth() > kNarrowWidth) MakeFontBoxes();
  MirrorFontList();
  bool keypad_moved = false;
  bool kiril_changed = false;
  bool arab_changed = false;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    const ControlState& now = model_->State(c);
    const std::optional<ControlState>& old = mirrored_[i];
    if (old && *old == now) continue;
    Apply(c, old ? &*old : nullptr, now);
    if (!old || old->shown != now.shown || old->place != now.place) keypad_moved = true;
    kiril_changed |= c == Ctl::Kiril;
    arab_changed |= c == Ctl::Arab1;
    mirrored_[i] = now;
  }
  if (kiril_changed || mirrored_format_ != model_->KirilFormat()) MirrorKiril();
  if (arab_changed) MirrorArab1();
  if (keypad_moved) {
    PlaceValueLabels();
    OrderTabs();
  }

  if (model_->WindowWidth() != mirrored_width_) {
    mirrored_width_ = model_->WindowWidth();
    surface_->setFixedSize(mirrored_width_, kClientHeight);
  }
  if (model_->SpinValue() != mirrored_spin_) {
    auto* spin = static_cast<QSpinBox*>(Widget(Ctl::SpinEdit1));
    const QSignalBlocker block(spin);
    mirrored_spin_ = model_->SpinValue();
    spin->setValue(mirrored_spin_);
  }
  if (model_->ChooserShown() != mirrored_chooser_shown_) MirrorChooser();
  if (model_->FocusSovrRequests() != seen_focus_requests_) {
    seen_focus_requests_ = model_->FocusSovrRequests();
    auto* sovr = static_cast<QLineEdit*>(Widget(Ctl::Sovr));
    sovr->setFocus(Qt::OtherFocusReason);
    sovr->end(false);
  }
  syncing_ = false;
}

void MainWindow::Apply(Ctl c, const ControlState* old, const ControlState& now) {
  QWidget* w = Widget(c);
  if (KindOf(c) == ControlKind::kFontBox && !font_boxes_made_) return;
  const QSignalBlocker block(w);
  const Rect place = now.place.w > 0 ? now.place : DesignPlace(c);
  if (!old || old->place != now.place) w->setGeometry(ToQ(place));
  if (!old || FontDiffers(*old, now)) w->setFont(FontOf(c, now));
  if (!old || old->enabled != now.enabled) w->setEnabled(now.enabled);
  const QString caption = ToQ(now.caption);
  switch (KindOf(c)) {
    case ControlKind::kEdit: {
      auto* edit = static_cast<QLineEdit*>(w);
      if (edit->text() != caption) edit->setText(caption);
      break;
    }
    case ControlKind::kButton:
    case ControlKind::kKey:
    case ControlKind::kDigitButton:
      static_cast<QAbstractButton*>(w)->setText(caption);
      break;
    case ControlKind::kSystemRadio:
    case ControlKind::kStyleRadio:
    case ControlKind::kVariantBox:
    case ControlKind::kOptionBox: {
      auto* button = static_cast<QAbstractButton*>(w);
      button->setText(caption);
      button->setChecked(now.checked);
      break;
    }
    case ControlKind::kGroup:
      static_cast<QGroupBox*>(w)->setTitle(caption);
      break;
    case ControlKind::kPanel: {
      auto* panel = static_cast<TogglePanel*>(w);
      panel->SetCaption(caption);
      panel->SetPressed(now.checked);
      break;
    }
    case ControlKind::kLabel:
      if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        if (memo->toPlainText() != caption) memo->setPlainText(caption);
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(caption);
      }
      break;
    case ControlKind::kLink:
      static_cast<HoverLabel*>(w)->SetRestingText(caption);
      break;
    case ControlKind::kFontBox: {
      auto* box = static_cast<QComboBox*>(w);
      if (box->currentText() != caption) {
        const int index = box->findText(caption, Qt::MatchExactly | Qt::MatchCaseSensitive);
        box->setCurrentIndex(index);
        if (index < 0) box->setEditText(caption);
      }
      break;
    }
    case ControlKind::kOutput:
      // A wide output scrolls a number that wraps past its height; the Maya column has no
      // room for a scroll bar. The text itself is MirrorKiril's and MirrorArab1's.
      static_cast<QTextEdit*>(w)->setVerticalScrollBarPolicy(
          place.w >= 100 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
      break;
    case ControlKind::kSpin:    // the value is the model's SpinValue
    case ControlKind::kSwatch:  // painted in its fixed colour
      break;
  }
  if (!old || old->shown != now.shown || old->place != now.place) {
    w->setVisible(now.shown && place.w > 0);
  }
}

void MainWindow::MirrorKiril() {
  MirrorOutput(Ctl::Kiril);
  mirrored_format_ = model_->KirilFormat();
}

void MainWindow::MirrorArab1() { MirrorOutput(Ctl::Arab1); }

OutputText MainWindow::OutputOf(Ctl c) const {
  const auto* field = static_cast<const RichOutput*>(Widget(c));
  const ControlState& s = model_->State(c);
  OutputText out;
  out.text = ToQ(s.caption);
  out.font = FontOf(c, s);
  out.color = ColorOf(s.color);
  if (c == Ctl::Kiril) out.runs = model_->KirilFormat();
  out.dpi = field->logicalDpiY();
  // Every digit set reads with its highest digit at the left, as the number in Sovr does.
  // The NKo digits are right-to-left characters: without the override a number in them would
  // be laid out mirrored, and the digit just typed would appear at the far end.
  out.left_to_right = c == Ctl::Arab1;
  out.column = field->height() > field->width();
  out.room = field->contentsRect().size();
  out.margin = field->document()->documentMargin();
  return out;
}

void MainWindow::MirrorOutput(Ctl c) {
  auto* field = static_cast<RichOutput*>(Widget(c));
  const QSignalBlocker block(field);
  const OutputText out = OutputOf(c);
  FillOutputDocument(*field->document(), out, FitOutput(out).points);
  field->setTextCursor(QTextCursor(field->document()));
}

void MainWindow::MirrorFontList() {
  const std::vector<std::u16string>& list = model_->FontList();
  if (list == mirrored_font_list_) return;
  mirrored_font_list_ = list;
  QStringList families;
  families.reserve(static_cast<qsizetype>(list.size()));
  for (const auto& family : list) families << ToQ(family);
  // Every box shows the same list; none of them may take the new list for a user's choice.
  std::vector<std::unique_ptr<QSignalBlocker>> blocks;
  for (int i = 0; i < kControlCount; ++i) {
    if (KindOf(static_cast<Ctl>(i)) != ControlKind::kFontBox) continue;
    blocks.push_back(std::make_unique<QSignalBlocker>(widgets_[i]));
    mirrored_[i].reset();  // the texts are shown again below
  }
  font_list_model_->setStringList(families);
}

void MainWindow::PlaceValueLabels() {
  // Keys, boxes, panels and the output: no value label may lie on them.
  std::vector<QRect> controls;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if ((IsKeypadControl(c) || c == Ctl::Kiril) && model_->State(c).shown) {
      controls.push_back(widgets_[i]->geometry());
    }
  }
  // Right of the radio column, above the digit strip, left of the settings panel.
  const QRect keypad_area(80, 90, 376, 316);
  // Two labels side by side keep a gap, so that "500" and "600" do not read as one number.
  constexpr int kGap = 2;
  std::vector<QRect> labels;
  const auto free = [&](const QRect& r) {
    return keypad_area.contains(r) &&
           std::none_of(controls.begin(), controls.end(),
                        [&](const QRect& t) { return t.intersects(r); }) &&
           std::none_of(labels.begin(), labels.end(), [&](const QRect& t) {
             return t.adjusted(-kGap, 0, kGap, 0).intersects(r);
           });
  };
  // A label stands under its key; where the key's variant box stands there, beside or under
  // the box, in a smaller type if it must. With `under_only`, only the place under the key in
  // the full type is tried.
  const auto place_label = [&](int i, bool under_only) {
    QLabel* label = value_labels_[i];
    const ControlState& key = model_->State(static_cast<Ctl>(i));
    for (const int pixels : {9, 8, 7}) {
      QFont f = label->font();
      f.setPixelSize(pixels);
      const QSize size = QFontMetrics(f).size(0, label->text()) + QSize(2, 0);
      const auto candidates = ValueLabelCandidates(ToQ(key.place), size, controls);
      const auto last = under_only ? candidates.begin() + 1 : candidates.end();
      const auto found = std::find_if(candidates.begin(), last, free);
      if (found != last) {
        label->setFont(f);
        label->setGeometry(*found);
        label->show();
        labels.push_back(*found);
        return true;
      }
      if (under_only) break;
    }
    label->hide();
    return false;
  };
  // The labels whose place under the key is free go first, so that a label moved aside never
  // pushes another one from its place.
  std::vector<int> aside;
  for (int i = 0; i < kControlCount; ++i) {
    if (value_labels_[i] == nullptr) continue;
    if (!model_->State(static_cast<Ctl>(i)).shown) {
      value_labels_[i]->hide();
    } else if (!place_label(i, true)) {
      aside.push_back(i);
    }
  }
  // The others from the last key back, so that a label that moves left of its box leaves the
  // room right of the box before it to that box's own label.
  for (auto it = aside.rbegin(); it != aside.rend(); ++it) place_label(*it, false);
}

void MainWindow::MirrorChooser() {
  mirrored_chooser_shown_ = model_->ChooserShown();
  if (!mirrored_chooser_shown_) {
    if (chooser_ != nullptr) chooser_->hide();
    return;
  }
  if (chooser_ == nullptr) {
    // Its hundreds of rows and digits are made when it is first wanted, not at start.
    chooser_ = std::make_unique<Dr10ZnakWindow>();
    connect(chooser_.get(), &Dr10ZnakWindow::rowClicked, this, [this](int row) {
      Forward(std::nullopt, [this, row] { model_->ChooseDigitSetRow(row); });
    });
    connect(chooser_.get(), &Dr10ZnakWindow::closedByUser, this, [this] {
      model_->HideChooser();
      mirrored_chooser_shown_ = false;
    });
  }
  chooser_->Refresh(ToQ(model_->Text(Ctl::FontArab1)), ToQ(model_->Text(Ctl::FontArab2)));
  chooser_->show();
  chooser_->raise();
  chooser_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  model_->SaveSettings();
  if (chooser_ != nullptr) chooser_->hide();
  event->accept();
  emit closed();
}

}  // namespace zarno::ui

// convert: numbers in, the window's output out, one line each; streams.
#include <istream>
#include <ostream>
#include <vector>

#include "base/number.h"
#include "cli/cli.h"
#include "cli/fast_convert.h"
#include "cli/message_text.h"
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "digits/digit_sets.h"

namespace zarno::cli {
namespace {

// Conversion needs no fonts, messages or settings file.
class QuietHost : public Host {
 public:
  void ShowMessage(std::u16string_view) override {}
  void ReportError(std::u16string_view) override {}
  std::vector<std::u16string> InstalledFontFamilies() override { return {}; }
};

struct BoxOption {
  Ctl box;
  bool checked;
};

bool IsSettableBox(Ctl c) {
  const ControlKind k = KindOf(c);
  return k == ControlKind::kVariantBox || k == ControlKind::kOptionBox ||
         k == ControlKind::kStyleRadio;
}

}  // namespace

int Convert(std::span<const std::string> args, std::istream& in, std::ostream& out,
            std::ostream& err) {
  NumeralSystem system = NumeralSystem::kKiril;
  std::vector<BoxOption> boxes;
  const DigitSet* digits = nullptr;
  bool standard = false;
  std::vector<std::string> numbers;
  auto usage = [&](const std::string& what) {
    err << "zarno-cli convert: " << what << "\n";
    return kUsage;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takes_value =
        a == "--system" || a == "--check" || a == "--uncheck" || a == "--digits";
    if (takes_value && i + 1 == args.size()) return usage(a + " needs a value");
    if (a == "--system") {
      const auto s = FindSystem(args[++i]);
      if (!s) return usage("unknown system \"" + Printable(args[i]) + "\" (see --help)");
      system = *s;
    } else if (a == "--check" || a == "--uncheck") {
      const auto box = FindControl(args[++i]);
      if (!box || !IsSettableBox(*box))
        return usage("no check box named \"" + Printable(args[i]) + "\"");
      boxes.push_back({*box, a == "--check"});
    } else if (a == "--digits") {
      digits = FindDigitSet(FromUtf8(args[++i]));
      if (digits == nullptr) digits = FindDigitSetByAlias(args[i]);
      if (digits == nullptr)
        return usage("unknown digit set \"" + Printable(args[i]) + "\" (see --help)");
    } else if (a == "--standard") {
      standard = true;
    } else if (a == "--help") {
      out << Usage();
      return kOk;
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return usage("unknown option \"" + Printable(a) + "\"");
    } else {
      numbers.push_back(a);
    }
  }

  QuietHost host;
  MainWindowModel model(host);
  model.StartWithoutSettings();
  model.Click(RadioOf(system));
  for (const BoxOption& b : boxes) {
    // As in the window: a box that this system's keypad does not show cannot be set.
    if (!model.Reachable(b.box)) {
      return usage("the box \"" + std::string(Name(b.box)) + "\" is not shown with this system");
    }
    if (KindOf(b.box) == ControlKind::kStyleRadio) {
      if (b.checked) model.Click(b.box);
    } else {
      model.SetChecked(b.box, b.checked);
    }
  }
  if (digits != nullptr) model.SetText(Ctl::Dr10Znak_Name, digits->name);

  FastConvert fast(model, digits != nullptr ? ConvertOutput::kDigits : ConvertOutput::kNumeral,
                   standard);
  if (!numbers.empty()) {
    fast.Numbers(numbers, out);
  } else {
    fast.Stream(in, out);
    if (InputFailed(in, "convert", err)) return kIoError;
  }
  return kOk;
}

}  // namespace zarno::cli

#pragma once

// zarno-cli: the window model without a window.
//   replay [FILE]            run a scripted session and print the state on "print"
//   convert [options] [N...] write numbers in a numeral system or a digit set
//   read --system NAME [TEXT...]  the number a numeral text stands for

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/controls.h"

namespace zarno::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kNotANumeral = 1;
inline constexpr int kUsage = 2;

int Run(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

int Replay(std::istream& script, std::ostream& out, std::ostream& err);
int Convert(std::span<const std::string> args, std::istream& in, std::ostream& out,
            std::ostream& err);
int Read(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

// A system by the name of its radio button or by its Latin alias ("cyrillic", "roman", ...).
std::optional<NumeralSystem> FindSystem(std::string_view name);
std::string_view SystemAlias(NumeralSystem system);

// The usage text.
std::string_view Usage();

}  // namespace zarno::cli

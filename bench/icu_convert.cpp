// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench/convert_million.sh: ICU's rule-based formatter converting numbers
// from standard input, one a line, to UTF-8 lines, read and written in large blocks.
//   icu_convert RULE_SET [LOCALE]     e.g. icu_convert %cyrillic-lower
// A rule set starting with % is one of ICU's numbering systems; "spellout" uses the
// locale's spelled-out numbers (the Chinese numerals of "zh").
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: icu_convert RULE_SET [LOCALE]\n", stderr);
    return 2;
  }
  const std::string_view rule_set = argv[1];
  const bool spellout = rule_set == "spellout";
  const icu::Locale locale = argc > 2 ? icu::Locale(argv[2]) : icu::Locale::getRoot();
  UErrorCode status = U_ZERO_ERROR;
  icu::RuleBasedNumberFormat format(spellout ? icu::URBNF_SPELLOUT : icu::URBNF_NUMBERING_SYSTEM,
                                    locale, status);
  if (U_FAILURE(status)) {
    std::fprintf(stderr, "icu_convert: no formatter: %s\n", u_errorName(status));
    return 1;
  }
  const icu::UnicodeString set = icu::UnicodeString::fromUTF8(std::string(rule_set));

  std::string input;
  char block[1 << 16];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, stdin)) > 0;) input.append(block, n);

  std::string output;
  icu::UnicodeString text;
  for (std::size_t at = 0; at < input.size();) {
    std::size_t end = input.find('\n', at);
    if (end == std::string::npos) end = input.size();
    std::int64_t value = 0;
    std::from_chars(input.data() + at, input.data() + end, value);
    text.remove();
    UErrorCode s = U_ZERO_ERROR;
    if (spellout) {
      format.format(value, text);
    } else {
      icu::FieldPosition pos;
      format.format(value, set, text, pos, s);
    }
    text.toUTF8String(output);
    output += '\n';
    at = end + 1;
  }
  std::fwrite(output.data(), 1, output.size(), stdout);
  return 0;
}

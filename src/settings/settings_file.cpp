// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <array>
#include <limits>

#include "base/number.h"
#include "settings/file_io.h"

namespace zarno {

namespace {

// Windows-1251, bytes 0x80 to 0xFF. Kept as data rather than asking iconv: the table never
// changes, and iconv can fail at run time where its conversion modules are not installed
// (minimal and sandboxed systems), which would leave a Windows file unreadable for no good
// reason. The one byte the code page leaves undefined, 0x98, maps to U+0098 as Windows maps
// it, so that no byte is lost.
constexpr std::array<char16_t, 128> kWindows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = s[i];
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      if (b == 0xE0) lo = 0xA0;  // overlong
      if (b == 0xED) hi = 0x9F;  // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      if (b == 0xF0) lo = 0x90;  // overlong
      if (b == 0xF4) hi = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    if (s.size() - i <= static_cast<std::size_t>(extra)) return false;
    const unsigned char second = s[i + 1];
    if (second < lo || second > hi) return false;
    for (int k = 2; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::u16string DecodeWindows1251(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (char c : s) {
    const unsigned char b = c;
    out.push_back(b < 0x80 ? char16_t{b} : kWindows1251[b - 0x80]);
  }
  return out;
}

void AddLine(std::u16string_view line, std::vector<SettingsEntry>& entries) {
  if (line.size() > kMaxSettingsLine) return;
  if (line.find(u'\0') != std::u16string_view::npos) return;
  const std::size_t eq = line.rfind(u'=');
  if (eq == std::u16string_view::npos) return;
  entries.push_back({std::u16string(line.substr(0, eq)), std::u16string(line.substr(eq + 1))});
}

std::u16string FileNameText(const std::filesystem::path& path) { return FromUtf8(path.string()); }

}  // namespace

std::u16string DecodeSettingsBytes(std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return FromUtf8(bytes);
  }
  return DecodeWindows1251(bytes);
}

std::vector<SettingsEntry> ParseSettingsText(std::string_view bytes) {
  const std::u16string text = DecodeSettingsBytes(bytes);
  const std::u16string_view view = text;
  std::vector<SettingsEntry> entries;
  std::size_t start = 0;
  while (start < view.size()) {
    std::size_t end = view.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = view.size();
    AddLine(view.substr(start, end - start), entries);
    if (end == view.size()) break;
    const bool crlf = view[end] == u'\r' && end + 1 < view.size() && view[end + 1] == u'\n';
    start = end + (crlf ? 2 : 1);
  }
  return entries;
}

SettingsRead ReadSettingsFile(const std::filesystem::path& path) {
  SettingsRead out;
  const FileBytes file = ReadWholeFile(path, kMaxSettingsFileBytes);
  std::u16string reason;
  switch (file.status) {
    case FileReadStatus::kOk:
      out.outcome = SettingsRead::Outcome::kEntries;
      out.entries = ParseSettingsText(file.bytes);
      return out;
    case FileReadStatus::kMissing:
      out.outcome = SettingsRead::Outcome::kNoFile;
      return out;
    case FileReadStatus::kNotRegular:
      reason = u"это не обычный файл";
      break;
    case FileReadStatus::kTooLarge:
      reason = kTooLargeReason;
      break;
    case FileReadStatus::kError:
      reason = FromUtf8(file.error.message());
      break;
  }
  out.outcome = SettingsRead::Outcome::kError;
  out.error = ReadFailedMessage(FileNameText(path), reason);
  return out;
}

std::u16string SettingsFileNameText() { return FromUtf8(kSettingsFileName); }

std::u16string ReadFailedMessage(std::u16string_view file_name, std::u16string_view reason) {
  return u"Не удалось прочитать файл " + std::u16string(file_name) + u": " + std::u16string(reason);
}

std::optional<std::int32_t> ParseSettingsInteger(std::u16string_view value) {
  bool negative = false;
  if (!value.empty() && (value[0] == u'+' || value[0] == u'-')) {
    negative = value[0] == u'-';
    value.remove_prefix(1);
  }
  if (!IsDigitString(value)) return std::nullopt;
  // The magnitude may reach 2^31 when negative; leading zeros add nothing.
  const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + negative;
  std::int64_t v = 0;
  for (char16_t c : value) {
    v = v * 10 + (c - u'0');
    if (v > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -v : v);
}

std::u16string NotAnIntegerMessage(std::u16string_view value) {
  return u"'" + std::u16string(value) + u"' is not a valid integer value";
}

std::string EncodeSettingsText(const std::vector<SettingsEntry>& entries) {
  std::string out;
  for (const SettingsEntry& e : entries) {
    out += ToUtf8(e.key);
    out += '=';
    out += ToUtf8(e.value);
    out += "\r\n";
  }
  return out;
}

namespace {

// What keeps one entry from reading back as it was written, checked in the order a user is
// most likely to meet it.
std::optional<std::u16string_view> EntryFault(const SettingsEntry& e, bool first) {
  auto holds = [&e](std::u16string_view chars) {
    return e.key.find_first_of(chars) != std::u16string::npos ||
           e.value.find_first_of(chars) != std::u16string::npos;
  };
  if (holds(u"\r\n")) return u"содержит перевод строки";
  if (e.value.find(u'=') != std::u16string::npos) return u"содержит знак «=»";
  if (e.key.size() + 1 + e.value.size() > kMaxSettingsLine) {
    return u"длиннее 255 знаков вместе с ключом";
  }
  if (holds(std::u16string_view(u"\0", 1))) return u"содержит нулевой знак";
  if (FromUtf8(ToUtf8(e.key)) != e.key || FromUtf8(ToUtf8(e.value)) != e.value) {
    return u"содержит одиночный суррогатный знак";
  }
  if (first && e.key.starts_with(u'\uFEFF')) return u"начинается со знака U+FEFF";
  return std::nullopt;
}

// The key as the message shows it: a key of our own is short and plain.
std::u16string KeyForMessage(std::u16string_view key) {
  constexpr std::size_t kShown = 40;
  std::u16string shown;
  for (char16_t c : key.substr(0, kShown)) shown += c < u' ' ? u'?' : c;
  if (key.size() > kShown) shown += u'…';
  return shown;
}

}  // namespace

std::optional<std::u16string> UnwritableSettingsReason(const std::vector<SettingsEntry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (const auto fault = EntryFault(entries[i], i == 0)) {
      return u"значение " + KeyForMessage(entries[i].key) + u" " + std::u16string(*fault) +
             u"; такое значение не сохраняется";
    }
  }
  return std::nullopt;
}

EncodedSettings EncodeSettingsForWriting(const std::vector<SettingsEntry>& entries,
                                         std::u16string_view file_name) {
  EncodedSettings out;
  std::optional<std::u16string> reason = UnwritableSettingsReason(entries);
  if (!reason) {
    out.bytes = EncodeSettingsText(entries);
    // The rule that the reasons above spell out: what is written reads back the same.
    if (out.bytes.size() > kMaxSettingsFileBytes) {
      reason = u"файл был бы больше 16 МиБ";
    } else if (ParseSettingsText(out.bytes) != entries) {
      reason = u"записанное не прочиталось бы так же";
    }
  }
  if (reason) {
    out.bytes.clear();
    out.error = u"Не удалось записать файл " + std::u16string(file_name) + u": " + *reason;
  }
  return out;
}

std::optional<std::u16string> WriteSettingsFile(const std::filesystem::path& path,
                                                const std::vector<SettingsEntry>& entries) {
  if (path.empty()) {
    return u"Не удалось записать файл " + SettingsFileNameText() +
           u": не найдена домашняя папка пользователя";
  }
  const std::u16string name = FileNameText(path);
  const EncodedSettings encoded = EncodeSettingsForWriting(entries, name);
  if (encoded.error) return encoded.error;
  // The user's configuration folder may not exist yet.
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  if (!ec) ec = ReplaceFileAtomically(path, encoded.bytes);
  if (!ec) return std::nullopt;
  return u"Не удалось записать файл " + name + u": " + FromUtf8(ec.message());
}

}  // namespace zarno

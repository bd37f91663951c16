// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/number.h"
#include "settings/show.h"
#include "support/temp_dir.h"

namespace zarno {

void PrintTo(const SettingsEntry& e, std::ostream* os) {
  *os << testing::Show(e.key) << " = " << testing::Show(e.value);
}

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Outcome = SettingsRead::Outcome;

SettingsEntry E(std::u16string key, std::u16string value) {
  return {std::move(key), std::move(value)};
}

// ---- Lines and keys ------------------------------------------------------------------------

TEST(ParseSettingsText, CrLfLinesInFileOrder) {
  EXPECT_THAT(ParseSettingsText("Kiril_Font_Size=40\r\nFontArab1=FreeSans\r\n"),
              ElementsAre(E(u"Kiril_Font_Size", u"40"), E(u"FontArab1", u"FreeSans")));
}

TEST(ParseSettingsText, BareLfBareCrAndAnUnendedLastLine) {
  EXPECT_THAT(ParseSettingsText("a=1\nb=2\rc=3\r\nd=4"),
              ElementsAre(E(u"a", u"1"), E(u"b", u"2"), E(u"c", u"3"), E(u"d", u"4")));
}

TEST(ParseSettingsText, NoLineBreakLeftInValues) {
  // CR CR LF is a line end after an (ignored) empty line, not a CR kept in the value.
  EXPECT_THAT(ParseSettingsText("a=1\r\r\nb=2\n\r"), ElementsAre(E(u"a", u"1"), E(u"b", u"2")));
}

TEST(ParseSettingsText, SplitsAtTheLastEqualsSign) {
  // A font name with a second "=" drags the name into the key, which then matches nothing.
  EXPECT_THAT(ParseSettingsText("Kirillitsa_Font_Name=Arial=Bold\r\n"),
              ElementsAre(E(u"Kirillitsa_Font_Name=Arial", u"Bold")));
}

TEST(ParseSettingsText, KeysAndValuesAreKeptUntrimmed) {
  EXPECT_THAT(ParseSettingsText(" Kiril_Font_Size = 40 \r\nFontArab1=\t\r\n"),
              ElementsAre(E(u" Kiril_Font_Size ", u" 40 "), E(u"FontArab1", u"\t")));
}

TEST(ParseSettingsText, LinesWithoutEqualsSignYieldNothing) {
  EXPECT_THAT(ParseSettingsText("\r\n[Fonts]\r\n\r\nKiril_Font_Size\r\n"), IsEmpty());
  EXPECT_THAT(ParseSettingsText(""), IsEmpty());
}

TEST(ParseSettingsText, EmptyKeyOrValueIsStillAnEntry) {
  EXPECT_THAT(ParseSettingsText("=\r\nFontArab2=\r\n=x"),
              ElementsAre(E(u"", u""), E(u"FontArab2", u""), E(u"", u"x")));
}

TEST(ParseSettingsText, LineOfMaximumLengthIsReadOneMoreIsIgnored) {
  const std::string key = "Rim_Font_Name=";
  const std::string longest = key + std::string(kMaxSettingsLine - key.size(), 'x');
  const std::string too_long = longest + "x";
  const auto entries = ParseSettingsText(too_long + "\r\n" + longest + "\r\nFontArab1=A\r\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].value.size(), kMaxSettingsLine - key.size());
  EXPECT_EQ(entries[1], E(u"FontArab1", u"A"));
}

TEST(ParseSettingsText, LineLengthCountsCharactersNotBytes) {
  // 240 Cyrillic letters: 480 bytes of UTF-8, but a line of 255 characters.
  std::string name;
  for (int i = 0; i < 240; ++i) name += "\xD0\x96";  // Ж
  const auto entries = ParseSettingsText("Rim_Font_Name=" + name + "\r\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].value, std::u16string(240, u'Ж'));
}

TEST(ParseSettingsText, LineWithNulIsIgnoredTheOthersAreRead) {
  using namespace std::string_literals;
  EXPECT_THAT(ParseSettingsText("Kiril_Font_Size=4\0"s
                                "0\r\nFontArab_Size=30\r\n"s),
              ElementsAre(E(u"FontArab_Size", u"30")));
}

TEST(ParseSettingsText, BinaryJunkNeitherCrashesNorInventsLineBreaks) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 37 + 11) % 256));
  for (const SettingsEntry& e : ParseSettingsText(junk)) {
    EXPECT_LE(e.key.size() + 1 + e.value.size(), kMaxSettingsLine);
    EXPECT_EQ(e.value.find_first_of(u"=\r\n"), std::u16string::npos);
    EXPECT_EQ(e.key.find_first_of(u"\r\n"), std::u16string::npos);
  }
}

// ---- Encoding ------------------------------------------------------------------------------

TEST(DecodeSettingsBytes, Utf8WithAndWithoutByteOrderMark) {
  EXPECT_EQ(DecodeSettingsBytes("\xD0\x9A\xD0\xBE"), u"Ко");
  EXPECT_EQ(DecodeSettingsBytes("\xEF\xBB\xBF\xD0\x9A\xD0\xBE"), u"Ко");
  // Only one mark is a mark; a second one is text.
  EXPECT_EQ(DecodeSettingsBytes("\xEF\xBB\xBF\xEF\xBB\xBF"
                                "a"),
            u"\uFEFFa");
  // Characters outside the Basic Multilingual Plane become surrogate pairs.
  EXPECT_EQ(DecodeSettingsBytes("\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(DecodeSettingsBytes, Windows1251WhenNotUtf8) {
  // "Колвана" as Windows wrote it.
  EXPECT_EQ(DecodeSettingsBytes("\xCA\xEE\xEB\xE2\xE0\xED\xE0"), u"Колвана");
  EXPECT_EQ(DecodeSettingsBytes("\xA8\xB8\xA5\xB4\xB9"), u"ЁёҐґ№");
  EXPECT_EQ(DecodeSettingsBytes("\x80\x88\xBF\xFF"), u"Ђ€їя");
  // The byte the code page leaves undefined is kept as its C1 control.
  EXPECT_EQ(DecodeSettingsBytes("\x98"), u"\u0098");
}

TEST(DecodeSettingsBytes, OneStrayByteMakesTheWholeFileWindows1251) {
  // A UTF-8 "Ж" before a lone 0xFF: the file is not UTF-8, so both are read as Windows-1251.
  EXPECT_EQ(DecodeSettingsBytes("\xD0\x96=\xFF"), u"Р–=я");
}

TEST(DecodeSettingsBytes, MalformedUtf8IsNotTakenForUtf8) {
  EXPECT_EQ(DecodeSettingsBytes("\xC0\xAF"), u"АЇ");            // overlong "/"
  EXPECT_EQ(DecodeSettingsBytes("\xED\xA0\x80"), u"н\u00A0Ђ");  // a surrogate
  EXPECT_EQ(DecodeSettingsBytes("\xF4\x90\x80\x80"), u"фђЂЂ");  // above U+10FFFF
  EXPECT_EQ(DecodeSettingsBytes("a\xD0"), u"aР");               // cut at the end
  EXPECT_EQ(DecodeSettingsBytes("\xE0\x80\x80"), u"аЂЂ");       // overlong NUL
}

TEST(ParseSettingsText, Windows1251FontNamesArrive) {
  EXPECT_THAT(ParseSettingsText("FontArab1=\xD8\xF0\xE8\xF4\xF2\r\n"),
              ElementsAre(E(u"FontArab1", u"Шрифт")));
}

// ---- Integers --------------------------------------------------------------------------------

TEST(ParseSettingsInteger, WholeDecimalNumbersWithin32Bits) {
  EXPECT_EQ(ParseSettingsInteger(u"28"), 28);
  EXPECT_EQ(ParseSettingsInteger(u"+28"), 28);
  EXPECT_EQ(ParseSettingsInteger(u"-5"), -5);
  EXPECT_EQ(ParseSettingsInteger(u"007"), 7);
  EXPECT_EQ(ParseSettingsInteger(u"-0"), 0);
  EXPECT_EQ(ParseSettingsInteger(u"2147483647"), 2147483647);
  EXPECT_EQ(ParseSettingsInteger(u"-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseSettingsInteger(u"00000000000000000000000000000000000000042"), 42);
}

TEST(ParseSettingsInteger, RefusesEverythingElse) {
  for (std::u16string_view bad :
       {u"", u"+", u"-", u" 28", u"28 ", u"2 8", u"$1F", u"0x1F", u"1e3", u"2.5", u"--1", u"+-1",
        u"2147483648", u"-2147483649", u"99999999999999999999999", u"٣", u"２"}) {
    EXPECT_EQ(ParseSettingsInteger(bad), std::nullopt) << testing::Show(bad);
  }
  EXPECT_EQ(ParseSettingsInteger(std::u16string_view(u"28\0", 3)), std::nullopt);
}

TEST(ParseSettingsInteger, MessageQuotesTheValue) {
  EXPECT_EQ(NotAnIntegerMessage(u"12pt"), u"'12pt' is not a valid integer value");
  EXPECT_EQ(NotAnIntegerMessage(u""), u"'' is not a valid integer value");
}

// ---- Reading the file ------------------------------------------------------------------------

class ReadSettingsFileTest : public testing::TempDirTest {};

TEST_F(ReadSettingsFileTest, MissingFileIsNoFileAndNoError) {
  const SettingsRead r = ReadSettingsFile(dir() / "Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kNoFile);
  EXPECT_THAT(r.entries, IsEmpty());
  EXPECT_THAT(r.error, IsEmpty());
}

TEST_F(ReadSettingsFileTest, DanglingLinkCountsAsMissing) {
  std::filesystem::create_symlink(dir() / "nowhere.ini", dir() / "Zarno.ini");
  EXPECT_EQ(ReadSettingsFile(dir() / "Zarno.ini").outcome, Outcome::kNoFile);
}

TEST_F(ReadSettingsFileTest, ReadsEntries) {
  WriteBytes(dir() / "Zarno.ini", "Kiril_Font_Size=40\r\n");
  const SettingsRead r = ReadSettingsFile(dir() / "Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kEntries);
  EXPECT_THAT(r.entries, ElementsAre(E(u"Kiril_Font_Size", u"40")));
}

TEST_F(ReadSettingsFileTest, EmptyFileIsReadAsNoEntries) {
  WriteBytes(dir() / "Zarno.ini", "");
  const SettingsRead r = ReadSettingsFile(dir() / "Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kEntries);
  EXPECT_THAT(r.entries, IsEmpty());
}

// The window passes the bare name "Zarno.ini"; the message names the file as it was given.
TEST_F(ReadSettingsFileTest, DirectoryInPlaceOfTheFile) {
  std::filesystem::create_directory(dir() / "Zarno.ini");
  const testing::ScopedCurrentDir cwd(dir());
  const SettingsRead r = ReadSettingsFile("Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kError);
  EXPECT_EQ(r.error, u"Не удалось прочитать файл Zarno.ini: Is a directory");
  EXPECT_THAT(r.entries, IsEmpty());
}

TEST_F(ReadSettingsFileTest, FifoInPlaceOfTheFileDoesNotBlock) {
  // Opening a FIFO without a writer would wait forever; we must not even try to read it.
  ASSERT_EQ(::mkfifo((dir() / "Zarno.ini").c_str(), 0600), 0);
  const SettingsRead r = ReadSettingsFile(dir() / "Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kError);
  EXPECT_EQ(r.error, u"Не удалось прочитать файл " + FromUtf8((dir() / "Zarno.ini").string()) +
                         u": это не обычный файл");
}

TEST_F(ReadSettingsFileTest, EndlessDeviceIsRefused) {
  std::filesystem::create_symlink("/dev/zero", dir() / "Zarno.ini");
  EXPECT_EQ(ReadSettingsFile(dir() / "Zarno.ini").outcome, Outcome::kError);
}

TEST_F(ReadSettingsFileTest, ReadErrorIsReportedWithTheSystemsReason) {
  // Reading /proc/self/mem at offset 0 fails with EIO, even for root: a real read error.
  std::filesystem::create_symlink("/proc/self/mem", dir() / "Zarno.ini");
  const testing::ScopedCurrentDir cwd(dir());
  const SettingsRead r = ReadSettingsFile("Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kError);
  EXPECT_EQ(r.error, u"Не удалось прочитать файл Zarno.ini: Input/output error");
  EXPECT_THAT(r.entries, IsEmpty());
}

TEST_F(ReadSettingsFileTest, FileOfTheSizeLimitIsReadToItsLastLine) {
  // Settings at both ends of the largest file read, with lines of junk between them.
  const std::string junk = std::string(254, '#') + "\n";
  std::string text = "Kiril_Font_Size=40\r\n";
  while (text.size() + junk.size() <= kMaxSettingsFileBytes - 40) text += junk;
  const std::string last = "FontArab_Size=30";
  text += std::string(kMaxSettingsFileBytes - text.size() - last.size() - 1, '#') + "\n" + last;
  ASSERT_EQ(text.size(), kMaxSettingsFileBytes);
  WriteBytes(dir() / "Zarno.ini", text);
  const SettingsRead r = ReadSettingsFile(dir() / "Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kEntries);
  EXPECT_THAT(r.entries, ElementsAre(E(u"Kiril_Font_Size", u"40"), E(u"FontArab_Size", u"30")));
}

TEST_F(ReadSettingsFileTest, LargerFileIsRefusedWhole) {
  WriteBytes(dir() / "Zarno.ini",
             "Kiril_Font_Size=40\r\n" + std::string(kMaxSettingsFileBytes, '\n'));
  const testing::ScopedCurrentDir cwd(dir());
  const SettingsRead r = ReadSettingsFile("Zarno.ini");
  EXPECT_EQ(r.outcome, Outcome::kError);
  EXPECT_EQ(r.error,
            u"Не удалось прочитать файл Zarno.ini: файл больше 16 МиБ, это не файл настроек");
  EXPECT_THAT(r.entries, IsEmpty());
}

// ---- Writing the file ------------------------------------------------------------------------

class WriteSettingsFileTest : public testing::TempDirTest {
 protected:
  const std::vector<SettingsEntry> entries_ = {E(u"Kirillitsa_Font_Name", u"Kolvana+"),
                                               E(u"FontArab1", u"Шрифт"),
                                               E(u"Kiril_Font_Size", u"28")};
  static constexpr std::string_view kBytes =
      "Kirillitsa_Font_Name=Kolvana+\r\nFontArab1=\xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82\r\n"
      "Kiril_Font_Size=28\r\n";
  static constexpr std::string_view kOld = "Kiril_Font_Size=40\r\n";
};

TEST_F(WriteSettingsFileTest, ExactBytes) {
  EXPECT_EQ(WriteSettingsFile(dir() / "Zarno.ini", entries_), std::nullopt);
  EXPECT_EQ(ReadBytes(dir() / "Zarno.ini"), kBytes);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(WriteSettingsFileTest, ReplacesTheOldFileWhole) {
  WriteBytes(dir() / "Zarno.ini", std::string(5000, 'x'));
  EXPECT_EQ(WriteSettingsFile(dir() / "Zarno.ini", entries_), std::nullopt);
  EXPECT_EQ(ReadBytes(dir() / "Zarno.ini"), kBytes);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(WriteSettingsFileTest, KeepsThePermissionsOfTheOldFile) {
  WriteBytes(dir() / "Zarno.ini", kOld);
  ASSERT_EQ(::chmod((dir() / "Zarno.ini").c_str(), 0604), 0);
  ASSERT_EQ(WriteSettingsFile(dir() / "Zarno.ini", entries_), std::nullopt);
  struct stat st;
  ASSERT_EQ(::stat((dir() / "Zarno.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST_F(WriteSettingsFileTest, NewFileGetsTheUsualPermissions) {
  const mode_t old_mask = ::umask(022);
  const auto error = WriteSettingsFile(dir() / "Zarno.ini", entries_);
  ::umask(old_mask);
  ASSERT_EQ(error, std::nullopt);
  struct stat st;
  ASSERT_EQ(::stat((dir() / "Zarno.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);  // not the 0600 of a mkstemp file
}

// The tests run as root, for whom permission bits stop nothing; every failure below is one
// that root meets too.

TEST_F(WriteSettingsFileTest, DirectoryInPlaceOfTheFile) {
  std::filesystem::create_directory(dir() / "Zarno.ini");
  WriteBytes(dir() / "Zarno.ini" / "inside", "kept");
  const testing::ScopedCurrentDir cwd(dir());
  EXPECT_EQ(WriteSettingsFile("Zarno.ini", entries_),
            u"Не удалось записать файл Zarno.ini: Is a directory");
  EXPECT_EQ(ReadBytes(dir() / "Zarno.ini" / "inside"), "kept");
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(WriteSettingsFileTest, MissingFoldersAreCreated) {
  // The user's configuration folder does not exist before the first save.
  const std::filesystem::path path = dir() / "config" / "zarno" / "Zarno.ini";
  EXPECT_EQ(WriteSettingsFile(path, entries_), std::nullopt);
  EXPECT_EQ(ReadBytes(path), kBytes);
  EXPECT_EQ(Names(path.parent_path()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(WriteSettingsFileTest, FolderThatCannotBeMade) {
  const std::filesystem::path path = dir() / "file" / "zarno" / "Zarno.ini";
  WriteBytes(dir() / "file", "a file where the folder should be");
  const auto error = WriteSettingsFile(path, entries_);
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->starts_with(u"Не удалось записать файл " + FromUtf8(path.string()) + u": "))
      << ToUtf8(*error);
  EXPECT_EQ(ReadBytes(dir() / "file"), "a file where the folder should be");
}

TEST_F(WriteSettingsFileTest, NoPlaceForTheFile) {
  EXPECT_EQ(WriteSettingsFile({}, entries_),
            u"Не удалось записать файл Zarno.ini: не найдена домашняя папка пользователя");
}

TEST_F(WriteSettingsFileTest, FolderWhereNothingCanBeCreated) {
  // /proc refuses new files even to root.
  const auto error = WriteSettingsFile("/proc/Zarno.ini", entries_);
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->starts_with(u"Не удалось записать файл /proc/Zarno.ini: "))
      << testing::Show(*error);
  EXPECT_FALSE(std::filesystem::exists("/proc/Zarno.ini"));
}

TEST_F(WriteSettingsFileTest, FullDiskLeavesTheOldFileAndNoTemporaryFile) {
  // A file size limit makes write() fail part way, as a full disk does, and binds root too.
  WriteBytes(dir() / "Zarno.ini", kOld);
  struct rlimit old_limit;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  struct rlimit small = old_limit;
  small.rlim_cur = 16;
  void (*old_handler)(int) = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto error = WriteSettingsFile(dir() / "Zarno.ini", entries_);
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(error, u"Не удалось записать файл " + FromUtf8((dir() / "Zarno.ini").string()) +
                       u": File too large");
  EXPECT_EQ(ReadBytes(dir() / "Zarno.ini"), kOld);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST(EncodeSettingsText, AsciiStaysAsciiAndEveryLineEndsWithCrLf) {
  EXPECT_EQ(EncodeSettingsText({E(u"FontArab_Color", u"-16777201"), E(u"FontArab2", u"")}),
            "FontArab_Color=-16777201\r\nFontArab2=\r\n");
  EXPECT_EQ(EncodeSettingsText({}), "");
}

}  // namespace
}  // namespace zarno

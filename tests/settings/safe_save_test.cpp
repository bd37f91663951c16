// SPDX-License-Identifier: GPL-3.0-or-later
// Saving "Zarno.ini" so that no input and no moment of failure can spoil it: entries that
// would not read back are refused, a read-only file is kept, links are written through with
// the replaced file's mode and owner, stale temporary files go, and a writer killed at any
// moment leaves the old file or the new one whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "base/number.h"
#include "settings/file_io.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/show.h"
#include "support/temp_dir.h"

namespace zarno {
namespace {

const std::vector<SettingsEntry> kGood = {{u"Kirillitsa_Font_Name", u"Kolvana+"},
                                          {u"Kiril_Font_Size", u"28"}};
constexpr std::string_view kOld = "Kiril_Font_Size=40\r\n";

mode_t ModeOf(const std::filesystem::path& p) {
  struct stat st {};
  EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
  return st.st_mode;
}

// ---- Entries that would not read back are refused -----------------------------------------

struct Unwritable {
  const char* what;
  std::u16string key;
  std::u16string value;
  std::u16string_view reason;
};

TEST(UnwritableSettingsReason, EachFaultIsNamedAndRefused) {
  const std::u16string long_name(255 - 20, u'x');  // with the key, one over the limit
  const Unwritable cases[] = {
      {"CR", u"Kirillitsa_Font_Name", u"X\rKiril_Font_Size=abc", u"содержит перевод строки"},
      {"LF", u"FontArab1", u"A\nB", u"содержит перевод строки"},
      {"equals sign", u"FontArab2", u"Arial=Bold", u"содержит знак «=»"},
      {"long line", u"Kirillitsa_Font_Name", long_name, u"длиннее 255 знаков вместе с ключом"},
      {"NUL", u"Rim_Font_Name", std::u16string(u"A\0B", 3), u"содержит нулевой знак"},
      {"lone surrogate", u"Maya_Font_Name", u"A\xD800", u"содержит одиночный суррогатный знак"},
      {"byte order mark", u"\uFEFFKey", u"1", u"начинается со знака U+FEFF"},
  };
  for (const Unwritable& c : cases) {
    const auto reason = UnwritableSettingsReason({{c.key, c.value}});
    ASSERT_TRUE(reason.has_value()) << c.what;
    EXPECT_NE(reason->find(c.reason), std::u16string::npos)
        << c.what << ": " << testing::Show(*reason);
    const EncodedSettings e = EncodeSettingsForWriting({{c.key, c.value}}, u"Zarno.ini");
    EXPECT_TRUE(e.error && e.error->starts_with(u"Не удалось записать файл Zarno.ini: ")) << c.what;
    EXPECT_TRUE(e.bytes.empty()) << c.what;
  }
}

TEST(UnwritableSettingsReason, LongestReadableLineAndPlainNamesPass) {
  const std::u16string key = u"Kirillitsa_Font_Name";
  EXPECT_EQ(UnwritableSettingsReason({{key, std::u16string(255 - key.size() - 1, u'x')}}),
            std::nullopt);
  EXPECT_EQ(UnwritableSettingsReason(kGood), std::nullopt);
  // A key may hold "=": the reader splits at the last one. U+FEFF later than the start is a
  // character like any other.
  EXPECT_EQ(UnwritableSettingsReason({{u"a=b", u"c"}, {u"\uFEFFx", u"\uFEFF"}}), std::nullopt);
}

// Random entries from an alphabet rich in the characters that break lines, splits and
// encodings: each set is refused, or written so that reading gives it back.
TEST(SettingsWriterProperty, RandomEntriesRoundTripOrAreRefused) {
  const std::u16string alphabet =
      std::u16string(u"aZ09 _=+-\r\n\t\0\uFEFF\u0416\xD800\xDC00\U0001F600", 19);
  std::mt19937 random(20261208);
  int refused = 0, written = 0;
  for (int round = 0; round < 4000; ++round) {
    std::vector<SettingsEntry> entries(random() % 4);
    for (SettingsEntry& e : entries) {
      for (std::u16string* s : {&e.key, &e.value}) {
        const std::size_t n = random() % 3 == 0 ? random() % 300 : random() % 8;
        for (std::size_t i = 0; i < n; ++i) *s += alphabet[random() % alphabet.size()];
      }
    }
    SettingsMemoryStore store;
    store.bytes = std::string(kOld);
    const auto error = store.Write(entries);
    if (error) {
      ++refused;
      EXPECT_EQ(store.bytes, kOld) << "a refused save keeps the old file";
      EXPECT_TRUE(UnwritableSettingsReason(entries).has_value());
    } else {
      ++written;
      EXPECT_EQ(store.Read().entries, entries) << "round " << round;
    }
  }
  // Both outcomes are met often, so the property is tested on both sides.
  EXPECT_GT(refused, 500);
  EXPECT_GT(written, 500);
}

// ---- Saving over what is there -------------------------------------------------------------

class SafeSaveTest : public testing::TempDirTest {
 protected:
  std::filesystem::path ini() const { return dir() / "Zarno.ini"; }
};

TEST_F(SafeSaveTest, RefusedEntriesLeaveTheFileAsItWas) {
  WriteBytes(ini(), kOld);
  const auto error =
      WriteSettingsFile(ini(), {{u"Kirillitsa_Font_Name", u"X\rKiril_Font_Size=abc"}});
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(ReadBytes(ini()), kOld);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(SafeSaveTest, ReadOnlyFileIsKeptEvenForRoot) {
  WriteBytes(ini(), kOld);
  ASSERT_EQ(::chmod(ini().c_str(), 0444), 0);
  EXPECT_EQ(WriteSettingsFile(ini(), kGood),
            u"Не удалось записать файл " + FromUtf8(ini().string()) + u": Permission denied");
  EXPECT_EQ(ReadBytes(ini()), kOld);
  EXPECT_EQ(ModeOf(ini()) & 07777, 0444u);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(SafeSaveTest, LinkIsWrittenThroughWithTheTargetsModeWithoutSpecialBits) {
  // Zarno.ini -> link2 -> kept/settings.ini, a file with setuid, setgid and sticky bits.
  const auto target = dir() / "kept" / "settings.ini";
  WriteBytes(target, kOld);
  ASSERT_EQ(::chmod(target.c_str(), 07640), 0);
  std::filesystem::create_symlink("kept/settings.ini", dir() / "link2");
  std::filesystem::create_symlink("link2", ini());

  ASSERT_EQ(WriteSettingsFile(ini(), kGood), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_symlink(ini())) << "the link stays a link";
  EXPECT_EQ(ReadBytes(target), EncodeSettingsText(kGood));
  EXPECT_EQ(ModeOf(target) & 07777, 0640u);
  EXPECT_EQ(Names(dir() / "kept"), (std::set<std::string>{"settings.ini"}));
}

TEST_F(SafeSaveTest, DanglingLinkCreatesItsTarget) {
  std::filesystem::create_directory(dir() / "kept");
  std::filesystem::create_symlink("kept/new.ini", ini());
  ASSERT_EQ(WriteSettingsFile(ini(), kGood), std::nullopt);
  EXPECT_EQ(ReadBytes(dir() / "kept" / "new.ini"), EncodeSettingsText(kGood));
  EXPECT_TRUE(std::filesystem::is_symlink(ini()));
}

TEST_F(SafeSaveTest, ALoopOfLinksIsAnErrorAndNothingIsWritten) {
  std::filesystem::create_symlink("Zarno.ini", ini());
  const auto error = WriteSettingsFile(ini(), kGood);
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->ends_with(u"Too many levels of symbolic links")) << testing::Show(*error);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

TEST_F(SafeSaveTest, RootKeepsTheOwnerOfAnotherUsersFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  WriteBytes(ini(), kOld);
  ASSERT_EQ(::chown(ini().c_str(), 4321, 4322), 0);
  ASSERT_EQ(::chmod(ini().c_str(), 0600), 0);
  ASSERT_EQ(WriteSettingsFile(ini(), kGood), std::nullopt);
  struct stat st {};
  ASSERT_EQ(::stat(ini().c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 4321u);
  EXPECT_EQ(st.st_gid, 4322u);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
}

// A process id that has just ended: a child that exits at once.
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST_F(SafeSaveTest, StaleTemporaryFilesOfDeadWritersGo) {
  const std::string prefix = TemporaryFilePrefix("Zarno.ini");
  const std::string dead = prefix + std::to_string(DeadPid()) + "-0-123";
  const std::string alive = prefix + std::to_string(::getppid()) + "-0-456";
  const std::string other = ".Other.ini.tmp-" + std::to_string(DeadPid()) + "-0-1";
  for (const auto& name : {dead, alive, other}) WriteBytes(dir() / name, "half");
  ASSERT_EQ(WriteSettingsFile(ini(), kGood), std::nullopt);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini", alive, other}));
}

// A writer killed at a random moment, many times over: the file is always the old one or a
// new one, whole, and the next save clears what the killed writers left.
TEST_F(SafeSaveTest, WritersKilledAtRandomMomentsLeaveAWholeFile) {
  const std::vector<SettingsEntry> a = {{u"Kirillitsa_Font_Name", std::u16string(200, u'a')}};
  const std::vector<SettingsEntry> b = {{u"Kirillitsa_Font_Name", std::u16string(200, u'b')}};
  const std::string bytes_a = EncodeSettingsText(a), bytes_b = EncodeSettingsText(b);
  WriteBytes(ini(), bytes_a);
  std::mt19937 random(8);
  for (int round = 0; round < 40; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) (void)WriteSettingsFile(ini(), i % 2 ? a : b);
    }
    ::usleep(static_cast<useconds_t>(random() % 20000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string now = ReadBytes(ini());
    ASSERT_TRUE(now == bytes_a || now == bytes_b) << "round " << round << ": " << now.size();
  }
  ASSERT_EQ(WriteSettingsFile(ini(), a), std::nullopt);
  EXPECT_EQ(Names(dir()), (std::set<std::string>{"Zarno.ini"}));
}

}  // namespace
}  // namespace zarno

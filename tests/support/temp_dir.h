// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fresh folders for tests, removed with all they hold, and a fixture that also points
// XDG_DATA_HOME and HOME into its folder, so that no test ever touches the real home or the
// source tree.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

namespace zarno::testing {

// Sets an environment variable (or unsets it, for nullopt) until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Works in another folder until the end of the scope, as the program does in the folder the
// user started it from.
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::filesystem::path& dir)
      : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;
  ~ScopedCurrentDir() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

// A folder of its own, created empty and removed with everything in it, even where a test
// took away its permissions.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarno-test-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::filesystem::filesystem_error("mkdtemp", pattern,
                                              std::error_code(errno, std::generic_category()));
    }
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.emplace();
    xdg_.emplace("XDG_DATA_HOME", (dir() / "xdg-data").string());
    home_.emplace("HOME", (dir() / "home").string());
  }
  void TearDown() override {
    xdg_.reset();
    home_.reset();
    dir_.reset();
  }

  const std::filesystem::path& dir() const { return dir_->path(); }

  static void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
  }
  static std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The names in a folder, to catch a temporary file left behind.
  static std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
      names.insert(e.path().filename().string());
    }
    return names;
  }

 private:
  std::optional<TempDir> dir_;
  std::optional<ScopedEnv> xdg_;
  std::optional<ScopedEnv> home_;
};

}  // namespace zarno::testing

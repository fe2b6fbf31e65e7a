#include "platform/GamePaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
struct TempDir {
  fs::path path;
  TempDir() {
    path = fs::temp_directory_path() /
           ("bk-paths-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
  }
  static int& counter() {
    static int n = 0;
    return n;
  }
};
}  // namespace

TEST(GamePaths, DataRootPrefersWorkingThenExecutableThenInstalled) {
  TempDir work, exe, installed;
  RootInputs in{work.path, exe.path, installed.path, "", "/nonexistent-home"};

  EXPECT_EQ(ResolveGameRoots(in).Data, installed.path);
  fs::create_directories(exe.path / "Data");
  EXPECT_EQ(ResolveGameRoots(in).Data, exe.path);
  fs::create_directories(work.path / "Data");
  EXPECT_EQ(ResolveGameRoots(in).Data, work.path);
}

#ifdef _WIN32
TEST(GamePaths, SaveRootFallsBackToAppDataWhenWorkingFolderIsMissing) {
  TempDir appData;
  RootInputs in{"/nonexistent-working-folder", "", "", "", appData.path.u8string()};
  EXPECT_EQ(ResolveGameRoots(in).Save, appData.path / "Brindle Karts");
  EXPECT_TRUE(fs::is_directory(appData.path / "Brindle Karts"));
}
#else
TEST(GamePaths, SaveRootFallsBackToXdgWhenWorkingFolderIsReadOnly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root can write into read-only folders";
  TempDir work, xdg;
  fs::permissions(work.path, fs::perms::owner_read | fs::perms::owner_exec);
  RootInputs in{work.path, "", "", xdg.path.string(), ""};
  EXPECT_EQ(ResolveGameRoots(in).Save, xdg.path / "brindle-karts");
  EXPECT_TRUE(fs::is_directory(xdg.path / "brindle-karts"));
}

TEST(GamePaths, SaveRootFallsBackToXdgWhenWorkingFolderIsMissing) {
  TempDir xdg, home;
  RootInputs in{"/nonexistent-working-folder", "", "", xdg.path.string(), home.path.string()};
  EXPECT_EQ(ResolveGameRoots(in).Save, xdg.path / "brindle-karts");
  in.XdgDataHome.clear();
  EXPECT_EQ(ResolveGameRoots(in).Save, home.path / ".local" / "share" / "brindle-karts");
}
#endif

TEST(GamePaths, WritableWorkingFolderIsTheSaveRoot) {
  TempDir work;
  RootInputs in{work.path, "", "", "", ""};
  EXPECT_EQ(ResolveGameRoots(in).Save, work.path);
}

TEST(GamePaths, GameNamesUseEitherSeparator) {
  EXPECT_EQ(NativeRelative("Data\\data1.oil"), fs::path("Data/data1.oil"));
  EXPECT_EQ(NativeRelative("wdata/config.ini"), fs::path("wdata/config.ini"));
}

// The package writer, run as the build runs it, read back by the launcher's reader.
#include "launcher/Archive.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Umfpack : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("umfpack-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& relative, const std::string& bytes) {
    const fs::path path = dir_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  static std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  }

  // Runs umfpack with the arguments; returns its exit code, its output in out.
  int Run(const std::vector<std::string>& args, std::string* out = nullptr) {
    std::string command = UMFPACK_PATH;
    for (const std::string& a : args) command += " " + Quote(a);
    const fs::path captured = dir_ / "stdout.txt";
    command += " >" + Quote(captured.string()) + " 2>/dev/null";
    const int status = std::system(command.c_str());
    if (out) *out = Read(captured);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir_;
};

TEST_F(Umfpack, PackageReadsBackExactly) {
  std::mt19937 random(7);
  std::string bulk(70000, '\0');
  for (char& c : bulk) c = static_cast<char>(random());
  const std::vector<std::pair<std::string, std::string>> members = {
      {"Setup.DIP", "line one\r\nline two\r\n"},
      {"one.bin", std::string(1, '\0')},
      {"bulk.dat", bulk},
      {"Contabilità.mdb", "|;00012;|"},
  };
  std::vector<std::string> args = {(dir_ / "Setup.UMF").string()};
  for (const auto& [name, bytes] : members) args.push_back(Write("in/" + name, bytes));
  ASSERT_EQ(Run(args), 0);

  const std::string package = Read(dir_ / "Setup.UMF");
  int32_t n = 0;
  ASSERT_EQ(ReadArchiveDirectoryLength(package.size(), package.substr(package.size() - 5), n),
            ArchiveLengthStatus::Ok);
  const std::string directory = package.substr(package.size() - 5 - n, n);
  EXPECT_EQ(directory, "Setup.DIP|20;one.bin|1;bulk.dat|70000;Contabilità.mdb|9;");
  const ArchivePlan plan = PlanArchiveExtraction(package.size(), directory);
  EXPECT_EQ(plan.end, ArchiveEnd::EndOfDirectory);
  ASSERT_EQ(plan.members.size(), members.size());
  std::string listing;
  for (size_t i = 0; i < members.size(); ++i) {
    const ArchiveMember& m = plan.members[i];
    EXPECT_EQ(m.name, members[i].first);
    EXPECT_EQ(package.substr(m.offset, m.size), members[i].second) << m.name;
    listing += std::to_string(m.offset) + "\t" + std::to_string(m.size) + "\t" + m.name + "\n";
  }
  // The member area ends where the directory begins.
  EXPECT_EQ(plan.members.back().offset + plan.members.back().size,
            static_cast<int64_t>(package.size()) - n - 5);

  std::string printed;
  EXPECT_EQ(Run({"--list", (dir_ / "Setup.UMF").string()}, &printed), 0);
  EXPECT_EQ(printed, listing);

  // A package whose last entry lost its ";" lists the members before it and fails.
  const std::string damaged = package.substr(0, package.size() - 6) + package.substr(package.size() - 5);
  const std::string damagedPath = Write("damaged.UMF", damaged.substr(0, damaged.size() - 5) + "00055");
  ASSERT_EQ(n, 56);
  EXPECT_EQ(Run({"--list", damagedPath}, &printed), 1);
  EXPECT_EQ(printed, listing.substr(0, listing.rfind("70021\t")));
  EXPECT_EQ(Run({"--list", Write("short.UMF", "0000")}), 1);
}

TEST_F(Umfpack, RefusesWhatThePackageCannotCarry) {
  const std::string ok = Write("ok.txt", "x");
  std::vector<std::string> longNames = {};
  for (int i = 0; i < 130; ++i) {
    longNames.push_back(Write("long/" + std::to_string(1000 + i) + std::string(246, 'n'), "x"));
  }
  const std::vector<std::vector<std::string>> refused = {
      {ok, Write("empty.txt", "")},
      {Write("a|b.txt", "x")},
      {Write("a;b.txt", "x")},
      {Write("sub\\a.txt", "x")},
      {Write("c:a.txt", "x")},
      {Write("CON", "x")},
      {ok, Write("other/OK.TXT", "y")},
      {dir_.string()},
      {(dir_ / "missing.txt").string()},
      longNames,
      {},
  };
  const std::string output = (dir_ / "out.UMF").string();
  for (const auto& files : refused) {
    SCOPED_TRACE(files.empty() ? "no files" : files.back());
    std::vector<std::string> args = {output};
    args.insert(args.end(), files.begin(), files.end());
    EXPECT_EQ(Run(args), 2);
    EXPECT_FALSE(fs::exists(output));
  }
  EXPECT_EQ(Run({"--list"}), 2);
  // Just below the directory's limit it packs.
  longNames.resize(129);
  longNames.insert(longNames.begin(), ok);
  longNames.insert(longNames.begin(), output);
  EXPECT_EQ(Run(longNames), 0);
}

}  // namespace

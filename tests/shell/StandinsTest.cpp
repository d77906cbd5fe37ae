// The stand-in programs as built: each records its command line beside
// itself, and the runtime library stand-in loads.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/engine/HelpersTestFolder.h"
#include "tests/support/Driver.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

// Copies a stand-in into dir under `name`, runs it with `args` twice, and
// gives its log.
std::optional<std::string> RunTwice(const helpers_test::ScratchFolder& dir, const char* standin,
                                    const std::string& name, const std::string& args,
                                    const std::string& log, std::string* commandLine) {
  const std::string program = dir.path() + "\\" + name;
  if (!::CopyFileA(standin, program.c_str(), FALSE)) return std::nullopt;
  *commandLine = "\"" + program + "\"" + args;
  for (int i = 0; i < 2; ++i) {
    testsupport::Program run(*commandLine, std::nullopt);
    if (!run.started() || run.Wait(std::chrono::seconds(60)) != std::optional<DWORD>(0))
      return std::nullopt;
  }
  return testsupport::ReadFileBytes(dir.path() + "\\" + log);
}

TEST(Standins, AccessRuntimeAndUninstallerRecordTheirCommandLines) {
  helpers_test::ScratchFolder dir("standins");
  std::string line;
  const auto access = RunTwice(dir, MSACCESS_STANDIN_PATH, "MSACCESS.EXE",
                               "  /wrkgrp \"C:\\Prog A\\x.mdw\" \"C:\\Prog A\\x.mde\" /user utente /runtime",
                               "MSACCESS.log", &line);
  ASSERT_TRUE(access);
  EXPECT_EQ(*access, line + "\r\n" + line + "\r\n");

  const auto remover = RunTwice(dir, APPREMOVE_STANDIN_PATH, "AppRemove.Exe", " /C:\\Prog A",
                                "appremove.log", &line);
  ASSERT_TRUE(remover);
  EXPECT_EQ(*remover, line + "\r\n" + line + "\r\n");
}

TEST(Standins, RuntimeLibraryLoads) {
  const tk::Library lib(::LoadLibraryA(MSVBVM50_STANDIN_PATH));
  ASSERT_TRUE(lib.valid());
}

}  // namespace

// The fixture of the registry object's tests. The same tests run over the
// in-memory registry (natively and on Windows) and over the real registry
// under Wine; each test program links one backend, which gives the fixture a
// fresh key below HKEY_CURRENT_USER and removes it afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "registry/clsRegistryAccess.h"

class TestBackend {
 public:
  virtual ~TestBackend() = default;
  virtual reg::Api& api() = 0;
  virtual reg::Files& files() = 0;
  // The test's key below HKEY_CURRENT_USER (missing at the start), e.g.
  // "Software\RegistryTest123".
  virtual std::string baseSubKey() const = 0;
};

// Defined once per test program.
std::unique_ptr<TestBackend> MakeTestBackend();

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // base + "\" + below.
  std::string Path(const std::string& below) const { return base + "\\" + below; }
  // Stores a value of any type straight through the registry interface,
  // creating the key below the base (empty: the base itself).
  void PutRaw(const std::string& below, const std::string& name, uint32_t type, const std::string& data);
  // Type and bytes of a value below the base, read straight through the
  // registry interface; "missing" when the value cannot be read.
  std::string GetRaw(const std::string& below, const std::string& name, uint32_t& type);
  // A path in the test's own folder (created empty in SetUp).
  std::string FilePath(const std::string& name) const { return (dir / name).string(); }
  static std::string ReadFile(const std::string& path);
  static void WriteFile(const std::string& path, const std::string& bytes);

  std::unique_ptr<TestBackend> backend;
  std::unique_ptr<clsRegistryAccess> ra;
  std::string base;  // "HKCU\" + the backend's key
  std::filesystem::path dir;
};

// The demo's component registers itself into the registry and takes its
// value away again, leaving the key only to values that others put there.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "demo/ComponentKey.h"
#include "toolkit/Owners.h"

namespace {

using EntryPoint = HRESULT(STDAPICALLTYPE*)();

// A DLL entry point without arguments (through the generic function pointer
// type, as GetProcAddress's type is no entry point's own).
EntryPoint Entry(HMODULE module, const char* name) {
  return reinterpret_cast<EntryPoint>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

std::optional<std::string> ComponentValue() {
  tk::RegKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, demo::kComponentKey, 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
    return std::nullopt;
  char value[64] = {};
  DWORD size = sizeof value - 1, type = 0;
  if (::RegQueryValueExA(key.get(), demo::kComponentValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return type == REG_SZ ? std::optional<std::string>(value) : std::nullopt;
}

bool KeyExists() {
  tk::RegKey key;
  return ::RegOpenKeyExA(HKEY_CURRENT_USER, demo::kComponentKey, 0, KEY_QUERY_VALUE, key.out()) == ERROR_SUCCESS;
}

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, demo::kComponentKey);
    module_.reset(::LoadLibraryA(COMPONENT_DLL_PATH));
    ASSERT_TRUE(module_);
    registerServer_ = Entry(module_.get(), "DllRegisterServer");
    unregisterServer_ = Entry(module_.get(), "DllUnregisterServer");
    ASSERT_NE(registerServer_, nullptr);
    ASSERT_NE(unregisterServer_, nullptr);
  }
  void TearDown() override {
    module_.reset();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, demo::kComponentKey);
  }

  tk::Library module_;
  EntryPoint registerServer_ = nullptr;
  EntryPoint unregisterServer_ = nullptr;
};

TEST_F(ComponentTest, RegistersAndUnregistersOwnValueOnly) {
  // Unregistering what was never registered is no failure.
  EXPECT_EQ(unregisterServer_(), S_OK);

  ASSERT_EQ(registerServer_(), S_OK);
  EXPECT_EQ(ComponentValue(), std::optional<std::string>("registrato"));
  ASSERT_EQ(registerServer_(), S_OK);  // again: the same value
  EXPECT_EQ(ComponentValue(), std::optional<std::string>("registrato"));

  ASSERT_EQ(unregisterServer_(), S_OK);
  EXPECT_EQ(ComponentValue(), std::nullopt);
  EXPECT_FALSE(KeyExists());

  // A value of someone else keeps the key.
  ASSERT_EQ(registerServer_(), S_OK);
  {
    tk::RegKey key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, demo::kComponentKey, 0, KEY_SET_VALUE, key.out()), ERROR_SUCCESS);
    const char other[] = "altro";
    ASSERT_EQ(::RegSetValueExA(key.get(), "Altro", 0, REG_SZ, reinterpret_cast<const BYTE*>(other), sizeof other),
              ERROR_SUCCESS);
  }
  ASSERT_EQ(unregisterServer_(), S_OK);
  EXPECT_EQ(ComponentValue(), std::nullopt);
  EXPECT_TRUE(KeyExists());
}

}  // namespace

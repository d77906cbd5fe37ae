#include "RegistryFixture.h"

#include <fstream>
#include <iterator>
#include <random>

void RegistryTest::SetUp() {
  backend = MakeTestBackend();
  ra = std::make_unique<clsRegistryAccess>(backend->api(), backend->files());
  base = "HKCU\\" + backend->baseSubKey();
  std::random_device random;
  dir = std::filesystem::temp_directory_path() / ("regtest" + std::to_string(random()));
  std::filesystem::create_directories(dir);
}

void RegistryTest::TearDown() {
  ra.reset();
  backend.reset();
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

void RegistryTest::PutRaw(const std::string& below, const std::string& name, uint32_t type,
                          const std::string& data) {
  const std::string subKey = backend->baseSubKey() + (below.empty() ? "" : "\\" + below);
  int32_t handle = 0;
  ASSERT_EQ(backend->api().CreateKey(reg::kCurrentUser, subKey, handle), reg::kSuccess);
  EXPECT_EQ(backend->api().SetValueEx(handle, name, type, data), reg::kSuccess);
  backend->api().CloseKey(handle);
}

std::string RegistryTest::GetRaw(const std::string& below, const std::string& name, uint32_t& type) {
  const std::string subKey = backend->baseSubKey() + (below.empty() ? "" : "\\" + below);
  int32_t handle = 0;
  if (backend->api().OpenKey(reg::kCurrentUser, subKey, handle) != reg::kSuccess) return "missing";
  std::string data(65536, '\0');
  uint32_t size = static_cast<uint32_t>(data.size());
  const int32_t r =
      backend->api().QueryValueEx(handle, name, type, reinterpret_cast<unsigned char*>(data.data()), size);
  backend->api().CloseKey(handle);
  if (r != reg::kSuccess) return "missing";
  data.resize(size);
  return data;
}

std::string RegistryTest::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void RegistryTest::WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

#include "registry/StreamRegFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace reg {
namespace {
bool WriteWith(const std::string& path, const std::string& bytes, std::ios::openmode mode) {
  std::ofstream out(path, std::ios::binary | mode);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}
}  // namespace

bool StreamRegFiles::NormalFileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool StreamRegFiles::Create(const std::string& path, const std::string& bytes) {
  return WriteWith(path, bytes, std::ios::trunc);
}

bool StreamRegFiles::Append(const std::string& path, const std::string& bytes) {
  return WriteWith(path, bytes, std::ios::app);
}

bool StreamRegFiles::ReadAll(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace reg

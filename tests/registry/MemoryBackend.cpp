// The tests' backend over the registry in memory and the stream files.
#include "RegistryFixture.h"
#include "registry/MemoryRegistry.h"
#include "registry/StreamRegFiles.h"

namespace {
class MemoryBackend final : public TestBackend {
 public:
  reg::Api& api() override { return registry_; }
  reg::Files& files() override { return files_; }
  std::string baseSubKey() const override { return "Software\\RegistryTest"; }

 private:
  reg::MemoryRegistry registry_;
  reg::StreamRegFiles files_;
};
}  // namespace

std::unique_ptr<TestBackend> MakeTestBackend() { return std::make_unique<MemoryBackend>(); }

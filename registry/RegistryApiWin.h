// reg::Api over the real registry, through the ANSI registry functions.
//
// The numbers it gives the keys it opens are small positive numbers of its
// own (1, 2, 3, ...), not the HKEY values, which on 64-bit Windows are wider
// than 32 bits; a table maps them back. The seven root keys are passed as
// their predefined values. Keys still open when the object goes are closed.
#pragma once

#include <map>

#include "registry/RegistryApi.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace reg {

class WinRegistryApi final : public Api {
 public:
  WinRegistryApi() = default;
  WinRegistryApi(const WinRegistryApi&) = delete;
  WinRegistryApi& operator=(const WinRegistryApi&) = delete;

  int32_t OpenKeyEx(int32_t root, const std::string& subKey, uint32_t access, int32_t& handle) override;
  int32_t OpenKey(int32_t root, const std::string& subKey, int32_t& handle) override;
  int32_t CreateKey(int32_t root, const std::string& subKey, int32_t& handle) override;
  int32_t CloseKey(int32_t handle) override;
  int32_t DeleteKey(int32_t key, const std::string& subKey) override;
  int32_t DeleteValue(int32_t key, const std::string& name) override;
  int32_t SetValueEx(int32_t key, const std::string& name, uint32_t type, const std::string& data) override;
  int32_t QueryValueEx(int32_t key, const std::string& name, uint32_t& type, unsigned char* data,
                       uint32_t& size) override;
  int32_t EnumKeyEx(int32_t key, uint32_t index, char* name, uint32_t& nameLength) override;
  int32_t EnumValue(int32_t key, uint32_t index, char* name, uint32_t& nameLength, uint32_t& type,
                    unsigned char* data, uint32_t& dataLength) override;

 private:
  // The HKEY of a number, or nullptr when it names no key.
  HKEY Find(int32_t key) const;
  // Numbers a newly opened key; its number goes to handle.
  void Remember(HKEY opened, int32_t& handle);
  // Runs open(parent HKEY, HKEY* out) on the key of root and numbers the key
  // it opened.
  template <typename Open>
  int32_t OpenWith(int32_t root, int32_t& handle, Open open);

  std::map<int32_t, tk::RegKey> open_;
  int32_t next_ = 1;
};

}  // namespace reg

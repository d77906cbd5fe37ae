// A small registry in memory that behaves, for the operations of reg::Api,
// the way the Windows registry of the NT family does: names compare without
// regard to letter case; sub-keys enumerate in name order, values in the
// order they were created; a key with sub-keys cannot be deleted; a handle to
// a deleted key stays valid but every operation on it fails. The seven root
// keys always exist and cannot be deleted. Access rights are not checked,
// except that a key can be marked so that its enumeration is refused.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "registry/RegistryApi.h"

namespace reg {

class MemoryRegistry final : public Api {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  // The lists of a key that DenyEnumeration refuses.
  enum Lists : unsigned { kSubKeyList = 1, kValueList = 2 };

  // Makes every enumeration of root\subKey's lists fail with kAccessDenied,
  // as on a key opened without the right to enumerate. False when the key is
  // missing.
  bool DenyEnumeration(int32_t root, const std::string& subKey, unsigned lists = kSubKeyList | kValueList);

  // How many handles are open (for tests that no member leaves a key open).
  size_t OpenHandleCount() const { return handles_.size(); }

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
  struct Value {
    std::string name;
    uint32_t type = 0;
    std::string data;
  };
  struct Key {
    std::string name;
    Key* parent = nullptr;
    bool deleted = false;
    unsigned deniedLists = 0;
    std::vector<std::shared_ptr<Key>> subKeys;  // in name order
    std::vector<Value> values;                  // in creation order
  };

  std::shared_ptr<Key> Resolve(int32_t key) const;
  int32_t Walk(int32_t root, const std::string& subKey, bool create, std::shared_ptr<Key>& found);
  int32_t NewHandle(std::shared_ptr<Key> key);
  static Value* FindValue(Key& key, const std::string& name);

  std::map<int32_t, std::shared_ptr<Key>> roots_;
  std::map<int32_t, std::shared_ptr<Key>> handles_;
  int32_t nextHandle_ = 1;
};

}  // namespace reg

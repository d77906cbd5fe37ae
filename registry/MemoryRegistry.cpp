#include "registry/MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace reg {
namespace {
// Key and value names compare without regard to letter case.
std::string Folded(const std::string& s) {
  std::string r = s;
  for (char& c : r) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return r;
}

bool SameName(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

constexpr int32_t kBadPathname = 161;
constexpr int32_t kKeyDeleted = 1018;
constexpr size_t kMaxKeyName = 255;
}  // namespace

MemoryRegistry::MemoryRegistry() {
  for (int32_t root = kClassesRoot; root <= kDynData; ++root) roots_[root] = std::make_shared<Key>();
}

MemoryRegistry::~MemoryRegistry() = default;

std::shared_ptr<MemoryRegistry::Key> MemoryRegistry::Resolve(int32_t key) const {
  auto root = roots_.find(key);
  if (root != roots_.end()) return root->second;
  auto open = handles_.find(key);
  if (open != handles_.end()) return open->second;
  return nullptr;
}

int32_t MemoryRegistry::Walk(int32_t root, const std::string& subKey, bool create, std::shared_ptr<Key>& found) {
  std::shared_ptr<Key> key = Resolve(root);
  if (!key) return kInvalidHandle;
  if (key->deleted) return kKeyDeleted;
  size_t pos = 0;
  while (pos < subKey.size()) {
    size_t end = subKey.find('\\', pos);
    if (end == std::string::npos) end = subKey.size();
    std::string part = subKey.substr(pos, end - pos);
    pos = end + 1;
    if (part.empty()) return kBadPathname;  // a leading or doubled backslash
    if (part.size() > kMaxKeyName) return kInvalidParameter;
    auto& subs = key->subKeys;
    auto it = std::find_if(subs.begin(), subs.end(), [&](const auto& k) { return SameName(k->name, part); });
    if (it == subs.end()) {
      if (!create) return kFileNotFound;
      auto child = std::make_shared<Key>();
      child->name = part;
      child->parent = key.get();
      auto at = std::find_if(subs.begin(), subs.end(),
                             [&](const auto& k) { return Folded(k->name) > Folded(part); });
      it = subs.insert(at, child);
    }
    key = *it;
  }
  found = key;
  return kSuccess;
}

int32_t MemoryRegistry::NewHandle(std::shared_ptr<Key> key) {
  while (handles_.count(nextHandle_) != 0 || nextHandle_ <= 0) {
    nextHandle_ = nextHandle_ >= std::numeric_limits<int32_t>::max() || nextHandle_ <= 0 ? 1 : nextHandle_ + 1;
  }
  int32_t handle = nextHandle_;
  handles_[handle] = std::move(key);
  nextHandle_ = handle == std::numeric_limits<int32_t>::max() ? 1 : handle + 1;
  return handle;
}

MemoryRegistry::Value* MemoryRegistry::FindValue(Key& key, const std::string& name) {
  for (Value& v : key.values) {
    if (SameName(v.name, name)) return &v;
  }
  return nullptr;
}

bool MemoryRegistry::DenyEnumeration(int32_t root, const std::string& subKey, unsigned lists) {
  std::shared_ptr<Key> key;
  if (Walk(root, subKey, false, key) != kSuccess) return false;
  key->deniedLists = lists;
  return true;
}

int32_t MemoryRegistry::OpenKeyEx(int32_t root, const std::string& subKey, uint32_t, int32_t& handle) {
  return OpenKey(root, subKey, handle);
}

int32_t MemoryRegistry::OpenKey(int32_t root, const std::string& subKey, int32_t& handle) {
  std::shared_ptr<Key> key;
  int32_t r = Walk(root, subKey, false, key);
  if (r == kSuccess) handle = NewHandle(std::move(key));
  return r;
}

int32_t MemoryRegistry::CreateKey(int32_t root, const std::string& subKey, int32_t& handle) {
  std::shared_ptr<Key> key;
  int32_t r = Walk(root, subKey, true, key);
  if (r == kSuccess) handle = NewHandle(std::move(key));
  return r;
}

int32_t MemoryRegistry::CloseKey(int32_t handle) {
  if (roots_.count(handle) != 0) return kSuccess;
  return handles_.erase(handle) != 0 ? kSuccess : kInvalidHandle;
}

int32_t MemoryRegistry::DeleteKey(int32_t key, const std::string& subKey) {
  std::shared_ptr<Key> target;
  int32_t r = Walk(key, subKey, false, target);
  if (r != kSuccess) return r;
  if (!target->parent || !target->subKeys.empty()) return kAccessDenied;
  auto& siblings = target->parent->subKeys;
  siblings.erase(std::find(siblings.begin(), siblings.end(), target));
  target->deleted = true;
  target->parent = nullptr;
  return kSuccess;
}

int32_t MemoryRegistry::DeleteValue(int32_t key, const std::string& name) {
  std::shared_ptr<Key> k = Resolve(key);
  if (!k) return kInvalidHandle;
  if (k->deleted) return kKeyDeleted;
  Value* v = FindValue(*k, name);
  if (!v) return kFileNotFound;
  k->values.erase(k->values.begin() + (v - k->values.data()));
  return kSuccess;
}

int32_t MemoryRegistry::SetValueEx(int32_t key, const std::string& name, uint32_t type, const std::string& data) {
  std::shared_ptr<Key> k = Resolve(key);
  if (!k) return kInvalidHandle;
  if (k->deleted) return kKeyDeleted;
  if (Value* v = FindValue(*k, name)) {
    v->type = type;
    v->data = data;
  } else {
    k->values.push_back(Value{name, type, data});
  }
  return kSuccess;
}

int32_t MemoryRegistry::QueryValueEx(int32_t key, const std::string& name, uint32_t& type, unsigned char* data,
                                     uint32_t& size) {
  std::shared_ptr<Key> k = Resolve(key);
  if (!k) return kInvalidHandle;
  if (k->deleted) return kKeyDeleted;
  const Value* v = FindValue(*k, name);
  if (!v) return kFileNotFound;
  type = v->type;
  uint32_t capacity = size;
  size = static_cast<uint32_t>(v->data.size());
  if (!data) return kSuccess;
  if (capacity < v->data.size()) return kMoreData;
  std::memcpy(data, v->data.data(), v->data.size());
  return kSuccess;
}

int32_t MemoryRegistry::EnumKeyEx(int32_t key, uint32_t index, char* name, uint32_t& nameLength) {
  std::shared_ptr<Key> k = Resolve(key);
  if (!k) return kInvalidHandle;
  if (k->deleted) return kKeyDeleted;
  if (k->deniedLists & kSubKeyList) return kAccessDenied;
  if (index >= k->subKeys.size()) return kNoMoreItems;
  const std::string& n = k->subKeys[index]->name;
  if (n.size() + 1 > nameLength) return kMoreData;
  std::memcpy(name, n.c_str(), n.size() + 1);
  nameLength = static_cast<uint32_t>(n.size());
  return kSuccess;
}

int32_t MemoryRegistry::EnumValue(int32_t key, uint32_t index, char* name, uint32_t& nameLength, uint32_t& type,
                                  unsigned char* data, uint32_t& dataLength) {
  std::shared_ptr<Key> k = Resolve(key);
  if (!k) return kInvalidHandle;
  if (k->deleted) return kKeyDeleted;
  if (k->deniedLists & kValueList) return kAccessDenied;
  if (index >= k->values.size()) return kNoMoreItems;
  const Value& v = k->values[index];
  if (v.name.size() + 1 > nameLength) return kMoreData;
  uint32_t capacity = dataLength;
  dataLength = static_cast<uint32_t>(v.data.size());
  if (data && capacity < v.data.size()) return kMoreData;
  std::memcpy(name, v.name.c_str(), v.name.size() + 1);
  nameLength = static_cast<uint32_t>(v.name.size());
  type = v.type;
  if (data) std::memcpy(data, v.data.data(), v.data.size());
  return kSuccess;
}

}  // namespace reg

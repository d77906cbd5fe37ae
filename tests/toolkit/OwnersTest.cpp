// The owners of Win32 resources under Wine: a file stays held exactly as
// long as its one owner lives, wherever it is moved; each kind is given back
// with its own call; a COM reference is released once; the apartment is left
// as it was found.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

class OwnersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string stem = std::string(temp) + "owners" + std::to_string(::GetCurrentProcessId());
    first_ = stem + "a.txt";
    second_ = stem + "b.txt";
  }
  void TearDown() override {
    ::DeleteFileA(first_.c_str());
    ::DeleteFileA(second_.c_str());
  }

  // Opens path for writing and shares it with nobody.
  static HANDLE OpenAlone(const std::string& path) {
    return ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  // Whether nobody holds path: it opens unshared (and is closed again).
  static bool Free(const std::string& path) {
    const HANDLE h = OpenAlone(path);
    if (h == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(h);
    return true;
  }

  std::string first_, second_;
};

TEST_F(OwnersTest, AFileIsHeldForAsLongAsItsOneOwnerLives) {
  {
    tk::FileHandle held(OpenAlone(first_));
    ASSERT_TRUE(held.valid());
    EXPECT_FALSE(Free(first_));
  }
  EXPECT_TRUE(Free(first_));

  tk::FileHandle held(OpenAlone(first_));
  tk::FileHandle moved(std::move(held));
  EXPECT_FALSE(held.valid());
  EXPECT_TRUE(moved.valid());
  EXPECT_FALSE(Free(first_));

  // Taking another file over gives the first back.
  tk::FileHandle other(OpenAlone(second_));
  ASSERT_TRUE(other.valid());
  moved = std::move(other);
  EXPECT_TRUE(Free(first_));
  EXPECT_FALSE(Free(second_));

  // Closing now says whether it closed; a second time there is nothing.
  EXPECT_TRUE(moved.close());
  EXPECT_FALSE(moved.close());
  EXPECT_TRUE(Free(second_));

  // Given up, the handle stays open for whoever took it.
  tk::FileHandle given(OpenAlone(first_));
  const HANDLE raw = given.release();
  EXPECT_FALSE(given.valid());
  EXPECT_FALSE(Free(first_));
  ::CloseHandle(raw);
  EXPECT_TRUE(Free(first_));

  // An owner that received nothing holds nothing.
  const tk::FileHandle none(::CreateFileA((first_ + "\\missing").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(none);
}

TEST_F(OwnersTest, EachKindIsGivenBackWithItsOwnCall) {
  ASSERT_TRUE(Free(first_));
  WIN32_FIND_DATAA found{};
  tk::FindHandle listing(::FindFirstFileA(first_.c_str(), &found));
  ASSERT_TRUE(listing.valid());
  EXPECT_TRUE(listing.close());

  tk::RegKey key;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.out()), ERROR_SUCCESS);
  EXPECT_TRUE(key.close());
  // A new key through out() replaces the one held, which is closed first.
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.out()), ERROR_SUCCESS);
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.out()), ERROR_SUCCESS);
  EXPECT_TRUE(key.close());

  tk::Library library(::LoadLibraryA("version.dll"));
  ASSERT_TRUE(library);
  EXPECT_NE(::GetProcAddress(library.get(), "GetFileVersionInfoA"), nullptr);
  EXPECT_TRUE(library.close());

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  char line[] = "cmd.exe /c exit 3";
  ASSERT_TRUE(::CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                               &started));
  tk::ProcessHandles handles(started);
  ASSERT_EQ(::WaitForSingleObject(handles.process.get(), 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  EXPECT_TRUE(::GetExitCodeProcess(handles.process.get(), &code));
  EXPECT_EQ(code, 3u);
  EXPECT_TRUE(handles.thread.close());
  EXPECT_TRUE(handles.process.close());
}

// An interface that counts the references given back to it.
class Counted : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
  ULONG STDMETHODCALLTYPE Release() override {
    ++released;
    return static_cast<ULONG>(--refs);
  }
  int refs = 1;
  int released = 0;
};

TEST(ComOwners, AReferenceIsReleasedOnceWhereverItGoes) {
  Counted a, b;
  {
    tk::ComPtr<IUnknown> first(&a);
    tk::ComPtr<IUnknown> second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), &a);
    EXPECT_EQ(a.released, 0);

    // Receiving a new reference gives the old one back first.
    *second.out() = &b;
    EXPECT_EQ(a.released, 1);
    EXPECT_EQ(b.released, 0);

    tk::ComPtr<IUnknown> third;
    third = std::move(second);
    EXPECT_EQ(b.released, 0);
  }
  EXPECT_EQ(a.released, 1);
  EXPECT_EQ(b.released, 1);
  EXPECT_EQ(a.refs, 0);
  EXPECT_EQ(b.refs, 0);
}

TEST(ComOwners, TheApartmentIsLeftAsItWasFound) {
  {
    const tk::ComApartment outer;
    EXPECT_TRUE(outer.ok());
    const tk::ComApartment inner;  // only counted again
    EXPECT_TRUE(inner.ok());
  }
  // Nothing is left: the thread may now join the multithreaded apartment.
  ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  {
    const tk::ComApartment refused;
    EXPECT_FALSE(refused.ok());
  }
  // Still in the multithreaded apartment, which the owner did not leave.
  EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
  ::CoUninitialize();
  ::CoUninitialize();
}

}  // namespace

// The shell component qx_shell.dll as built, under Wine: registration by
// regsvr32 and by its own exports, its shortcut class through COM, the link
// files it writes read back through the system, and when it may unload.
#include <gtest/gtest.h>

#include <string>

#include "shell/QxShellLink.h"
#include "tests/engine/HelpersTestFolder.h"
#include "tests/support/Driver.h"
#include "tests/support/LinkReader.h"
#include "tests/support/Registry.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

using linkreader::Library;
using linkreader::ReadLink;
using qxshell::IQxShellLink;

const std::string kDll = QX_SHELL_DLL_PATH;
const std::string kClsidKey = "CLSID\\{654545E2-508E-42BC-80E4-D51450B9343D}";

std::optional<std::string> ReadClassesText(const std::string& path, const char* name) {
  const auto value = testsupport::ReadRegistryValue(HKEY_CLASSES_ROOT, path, name);
  if (!value || value->type != REG_SZ) return std::nullopt;
  return value->text;
}

bool ClassesKeyExists(const std::string& path) { return testsupport::RegistryKeyExists(HKEY_CLASSES_ROOT, path); }

HRESULT MakeLink(IQxShellLink* link, const std::string& file, const std::string& target,
                 const std::string& folder, const std::string& args, const std::string& icon,
                 int32_t n1 = 0, int32_t n2 = 0) {
  const char* a = file.c_str();
  const char* b = target.c_str();
  const char* c = folder.c_str();
  const char* d = args.c_str();
  const char* e = icon.c_str();
  return link->CreateLink(&a, &b, &c, &d, &e, &n1, &n2);
}

TEST(QxShell, RegisteredByRegsvr32WritesLinksThatLoadBack) {
  testsupport::Program regsvr("regsvr32 /s \"" + kDll + "\"", std::nullopt);
  ASSERT_TRUE(regsvr.started());
  ASSERT_EQ(regsvr.Wait(std::chrono::seconds(60)), std::optional<DWORD>(0));

  const auto server = ReadClassesText(kClsidKey + "\\InprocServer32", "");
  ASSERT_TRUE(server);
  EXPECT_EQ(::lstrcmpiA(server->c_str(), kDll.c_str()), 0) << *server;
  EXPECT_EQ(ReadClassesText(kClsidKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
  EXPECT_EQ(ReadClassesText(kClsidKey + "\\ProgID", ""), "QxShell.ShellLink");
  EXPECT_EQ(ReadClassesText("QxShell.ShellLink\\CLSID", ""), "{654545E2-508E-42BC-80E4-D51450B9343D}");

  tk::ComApartment com;
  ASSERT_TRUE(com.ok());
  tk::ComPtr<IQxShellLink> link;
  ASSERT_EQ(::CoCreateInstance(qxshell::kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER,
                               qxshell::kIidQxShellLink, link.outVoid()),
            S_OK);
  int32_t version = 0;
  EXPECT_EQ(link->GetVersion(&version), S_OK);
  EXPECT_EQ(version, 0x00010000);
  tk::ComPtr<IDispatch> dispatch;
  EXPECT_EQ(link->QueryInterface(IID_IDispatch, dispatch.outVoid()), S_OK);
  UINT infos = 7;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&infos), S_OK);
  EXPECT_EQ(infos, 0u);

  helpers_test::ScratchFolder dir("qxshell-links");
  const std::string target = dir.File("Gestione.exe");
  const std::string icon = dir.File("Gestione.ico");
  // A link name beyond ASCII: the path reaches the system through the ANSI
  // code page.
  const std::string file = dir.path() + "\\Contabilità è.Lnk";
  const std::string args = " /wrkgrp \"C:\\A B\\x.mdw\" /runtime";
  ASSERT_EQ(MakeLink(link.get(), file, target, dir.path(), args, icon), S_OK);
  const auto view = ReadLink(file);
  ASSERT_TRUE(view);
  EXPECT_EQ(::lstrcmpiA(view->target.c_str(), target.c_str()), 0) << view->target;
  EXPECT_EQ(view->arguments, args);
  EXPECT_EQ(view->workingFolder, dir.path());
  EXPECT_EQ(view->iconPath, icon);
  EXPECT_EQ(view->iconIndex, 0);

  // Refused calls write nothing.
  const std::string other = dir.path() + "\\Altro.Lnk";
  EXPECT_EQ(MakeLink(link.get(), other, target, dir.path(), "", icon, 1, 0), E_INVALIDARG);
  int32_t zero = 0;
  const char* p = other.c_str();
  EXPECT_EQ(link->CreateLink(&p, nullptr, &p, &p, &p, &zero, &zero), E_POINTER);
  EXPECT_FALSE(helpers_test::Exists(other));
  // A folder that does not exist: the system's failure comes back.
  const std::string nowhere = dir.path() + "\\manca\\Altro.Lnk";
  EXPECT_TRUE(FAILED(MakeLink(link.get(), nowhere, target, dir.path(), "", icon)));
  EXPECT_FALSE(helpers_test::Exists(nowhere));
}

TEST(QxShell, UnregistersAndRegistersThroughItsExports) {
  Library dll(kDll);
  ASSERT_TRUE(dll.get());
  auto reg = dll.Export<linkreader::RegisterFn>("DllRegisterServer");
  auto unreg = dll.Export<linkreader::RegisterFn>("DllUnregisterServer");
  ASSERT_TRUE(reg && unreg);

  ASSERT_EQ(reg(), 0);
  EXPECT_EQ(unreg(), S_OK);
  EXPECT_FALSE(ClassesKeyExists(kClsidKey));
  EXPECT_FALSE(ClassesKeyExists("QxShell.ShellLink"));
  {
    tk::ComApartment com;
    tk::ComPtr<IQxShellLink> link;
    EXPECT_EQ(::CoCreateInstance(qxshell::kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                 qxshell::kIidQxShellLink, link.outVoid()),
              REGDB_E_CLASSNOTREG);
  }
  EXPECT_EQ(unreg(), S_OK);  // nothing left to remove is no failure

  // Other tests find the class registered again.
  EXPECT_EQ(reg(), 0);
  const auto server = ReadClassesText(kClsidKey + "\\InprocServer32", "");
  ASSERT_TRUE(server);
  EXPECT_EQ(::lstrcmpiA(server->c_str(), kDll.c_str()), 0);
}

TEST(QxShell, MayUnloadOnlyWithNoObjectAndNoLock) {
  using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  Library dll(kDll);
  auto getClass = dll.Export<GetClassObjectFn>("DllGetClassObject");
  auto canUnload = dll.Export<linkreader::RegisterFn>("DllCanUnloadNow");
  ASSERT_TRUE(getClass && canUnload);
  tk::ComApartment com;

  tk::ComPtr<IClassFactory> factory;
  EXPECT_EQ(getClass(CLSID_ShellLink, IID_IClassFactory, factory.outVoid()), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(canUnload(), S_OK);
  ASSERT_EQ(getClass(qxshell::kClsidShellLink, IID_IClassFactory, factory.outVoid()), S_OK);
  EXPECT_EQ(canUnload(), S_FALSE);

  tk::ComPtr<IUnknown> aggregated;
  EXPECT_EQ(factory->CreateInstance(factory.get(), IID_IUnknown, aggregated.outVoid()),
            CLASS_E_NOAGGREGATION);
  tk::ComPtr<IQxShellLink> link;
  ASSERT_EQ(factory->CreateInstance(nullptr, qxshell::kIidQxShellLink, link.outVoid()), S_OK);
  tk::ComPtr<IPersistFile> none;
  EXPECT_EQ(link->QueryInterface(IID_IPersistFile, none.outVoid()), E_NOINTERFACE);

  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory.reset();
  link.reset();
  EXPECT_EQ(canUnload(), S_FALSE);  // the lock still holds it

  ASSERT_EQ(getClass(qxshell::kClsidShellLink, IID_IClassFactory, factory.outVoid()), S_OK);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  factory.reset();
  EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace

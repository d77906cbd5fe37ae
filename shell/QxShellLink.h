// The shell component's shortcut class, for its clients: the class and
// interface identifiers and the interface's layout. Windows build only.
//
// IQxShellLink derives from IDispatch: after IUnknown's three operations and
// IDispatch's four come, in this order,
//   7  GetVersion(int32_t* version)
//      the component's version, major * 0x10000 + minor.
//   8  CreateLink(linkPath, target, workingFolder, arguments, iconPath,
//                 number1, number2)
//      writes the link file linkPath (ANSI, the full path of the ".Lnk"),
//      which starts target with arguments in workingFolder and shows the
//      first icon of iconPath. Each text is passed by reference as a pointer
//      to a pointer to a NUL-ended ANSI text; arguments, workingFolder and
//      iconPath may point at "" for none. number1 and number2 are reserved
//      and must be 0 (E_INVALIDARG otherwise); neither is changed. Returns
//      S_OK when the file is written, E_POINTER for a missing pointer, or
//      the failing system call's result.
// The IDispatch operations answer E_NOTIMPL (GetTypeInfoCount gives 0).
#pragma once

#include <cstdint>

#include "toolkit/Win.h"

namespace qxshell {

// {654545E2-508E-42BC-80E4-D51450B9343D}
inline constexpr CLSID kClsidShellLink = {
    0x654545e2, 0x508e, 0x42bc, {0x80, 0xe4, 0xd5, 0x14, 0x50, 0xb9, 0x34, 0x3d}};

// {13337FDE-5FB3-4409-93BF-48CBE4DE1C34}
inline constexpr IID kIidQxShellLink = {
    0x13337fde, 0x5fb3, 0x4409, {0x93, 0xbf, 0x48, 0xcb, 0xe4, 0xde, 0x1c, 0x34}};

// The class's programmatic name, registered beside the class identifier.
inline constexpr const char* kProgId = "QxShell.ShellLink";

// The version GetVersion reports: 1.0.
inline constexpr int32_t kVersion = 0x00010000;

struct IQxShellLink : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetVersion(int32_t* version) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateLink(const char* const* linkPath, const char* const* target,
                                               const char* const* workingFolder,
                                               const char* const* arguments,
                                               const char* const* iconPath, int32_t* number1,
                                               int32_t* number2) = 0;
};

}  // namespace qxshell

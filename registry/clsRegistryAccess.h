// clsRegistryAccess: reads and writes the registry by textual key path.
//
// A key path is a hive name, long or short ("HKEY_CURRENT_USER" or "HKCU",
// any letter case), a backslash and the path below the hive. Every member
// parses its own copy of the path, opens the key it needs, does one thing
// and closes the key again: no key stays open after a member returns.
//
// Results:
//  - CreateKey, KillKey and the writes return 0 for failure, otherwise the
//    number of the key handle they used (already closed; never 0);
//  - the tests return a Boolean;
//  - the enumerations return the number of entries delivered, or -1 when the
//    key cannot be opened;
//  - the reads return the value, or the caller's default when it cannot be
//    read;
//  - ExportToReg and ImportFromReg return 1 for success, 0 for failure.
//
// Binary values travel as hex-pair text ("0A FF 00"); StrToBin, BinToStr and
// isBinValid convert and check it. A byte string is a std::string holding one
// byte per character.
//
// The object works through a reg::Api (the registry) and a reg::Files (the
// .reg files) it does not own; both must outlive it. It keeps working state
// between the calls its members make to one another: one caller at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "registry/RegFiles.h"
#include "registry/RegistryApi.h"
#include "toolkit/TextHolder.h"

// One entry of EnumValues' value list: text (string and binary values), a
// number (DWORD values), or nothing (any other type).
using RegValueEntry = std::variant<std::monostate, std::string, int32_t>;

class clsRegistryAccess {
 public:
  // Class_Initialize: CreateKeyIfDoesntExists starts True.
  clsRegistryAccess(reg::Api& api, reg::Files& files);

  clsRegistryAccess(const clsRegistryAccess&) = delete;
  clsRegistryAccess& operator=(const clsRegistryAccess&) = delete;

  // When True, the writes create a missing key (and the keys above it)
  // before writing; when False a write to a missing key returns 0.
  void CreateKeyIfDoesntExists(bool offon);
  bool CreateKeyIfDoesntExists() const;

  int32_t CreateKey(const std::string& sPath);
  // Deletes the key (the platform decides whether one with sub-keys goes).
  // Non-zero when the key could be opened, whatever the deletion gave.
  int32_t KillKey(const std::string& sPath);
  // True when the key opens with full access.
  bool KeyExists(const std::string& sPath);
  // Fills Key with the names of the sub-keys (emptied first, also on -1).
  int32_t EnumKeys(const std::string& sPath, std::vector<std::string>& Key);
  bool HaveSubkey(const std::string& sPath);

  // The name "@" writes the key's default value.
  int32_t WriteString(const std::string& sPath, const std::string& sName, const std::string& sValue);
  // The stored text with its leading blanks removed; data of any type is
  // taken as text (its last byte, normally the NUL, dropped).
  std::string ReadString(const std::string& sPath, const std::string& sName,
                         const std::string& sDefault = std::string(1, '\0'));
  int32_t WriteDWORD(const std::string& sPath, const std::string& sName, int32_t lValue);
  // Any value of at most four bytes reads as a number.
  int32_t ReadDWORD(const std::string& sPath, const std::string& sName, int32_t lDefault = -1);
  // sValue is hex-pair text (see StrToBin).
  int32_t WriteBinary(const std::string& sPath, const std::string& sName, const std::string& sValue);
  // Hex-pair text, pairs separated by single blanks ("0A FF 00").
  std::string ReadBinary(const std::string& sPath, const std::string& sName, const std::string& sDefault = "");
  // Non-zero when the key could be opened, whatever the deletion gave.
  int32_t KillValue(const std::string& sPath, const std::string& sName);
  bool ValueExists(const std::string& sPath, const std::string& sName);
  // Fills sName and sValue with the values of the key, only those of type
  // OnlyType unless it is -1; the names come without leading and trailing
  // blanks, the values as read under their stored names. On -1 (key cannot
  // be opened) both lists stay as they were.
  int32_t EnumValues(const std::string& sPath, std::vector<std::string>& sName, std::vector<RegValueEntry>& sValue,
                     int32_t OnlyType = -1);

  // Export and import return 0 also when the runtime fails inside them (out
  // of memory, for instance).
  //
  // Writes the key (and the keys below it when IncludeSubkeys) into a new
  // "REGEDIT4" file sRegFile; an existing file is left alone and gives 0.
  // Output, when given, shows the path of each key as its section is
  // written; the yield hook runs before each key then.
  int32_t ExportToReg(const std::string& sPath, const std::string& sRegFile, bool IncludeSubkeys = true,
                      tk::TextHolder* Output = nullptr);
  // Applies a "REGEDIT4" file to the registry. Leaves
  // CreateKeyIfDoesntExists True.
  int32_t ImportFromReg(const std::string& sRegFile);

  // Hex-pair text to a byte string: blanks are ignored (and removed from
  // sBin), letters of either case are read; each pair gives one byte, a lone
  // last digit a byte of its own value.
  std::string StrToBin(std::string& sBin);
  // A byte string to hex-pair text: a blank before every pair (" 0A FF").
  std::string BinToStr(const std::string& sStr);
  // True when sBin, blanks aside, is non-empty and only hexadecimal digits.
  bool isBinValid(const std::string& sBin);

  // What the export runs before each key when it shows its progress:
  // normally the toolkit's yield to pending window events; nothing by default.
  void SetYieldHook(std::function<void()> hook);

 private:
  // Rewrites path with short hive names and returns its root key (0 when the
  // hive is unknown); the path below the root goes to subKey.
  int32_t ParseKeyPath(std::string& path, std::string& subKey);
  // Parses sPath into lRoot and sSubKey.
  void Parse(const std::string& sPath);
  // One value of a key as the enumeration meets it: its name as stored (not
  // trimmed), its type and bytes, and its entry as EnumValues delivers it.
  // read is False when the entry's read failed (the entry then holds
  // EnumValues' default: 0 or the empty text).
  struct ValueRecord {
    std::string name;
    uint32_t type = 0;
    std::string data;
    RegValueEntry entry;
    bool read = true;
  };
  // The values of sPath (only those of type OnlyType unless it is -1), in
  // the registry's order, each read under its stored name. -1 when the key
  // cannot be opened, else the number of records; listed tells that the
  // walk reached the end of the list (not a refusal or another failure).
  int32_t ListValues(const std::string& sPath, int32_t OnlyType, std::vector<ValueRecord>& records, bool& listed);
  // EnumKeys, with listed as in ListValues.
  int32_t ListKeys(const std::string& sPath, std::vector<std::string>& names, bool& listed);
  // ReadString and ReadDWORD, with False where those give their default.
  bool QueryString(const std::string& sPath, const std::string& sName, std::string& text);
  bool QueryDword(const std::string& sPath, const std::string& sName, int32_t& number);

  // Appends the sections of path (and of its sub-keys) to file. False when
  // the key cannot be opened, its values (or sub-keys, when asked for)
  // cannot be listed to their end, a value cannot be read or the file cannot
  // be written; the sections of the other keys are written all the same, but
  // a key whose section cannot be written is left out with its sub-keys.
  bool ExportKey(const std::string& path, const std::string& file, bool IncludeSubkeys, tk::TextHolder* Output);
  // ImportFromReg after setting CreateKeyIfDoesntExists, the runtime's
  // failures aside.
  int32_t ImportFile(const std::string& sRegFile);
  // Writes the bytes of a value line's hex list as a value of type.
  int32_t WriteTyped(const std::string& sPath, const std::string& sName, uint32_t type, std::string hex);
  // Reads a value whole into data; kSuccess or the platform's result.
  int32_t QueryWhole(int32_t key, const std::string& name, uint32_t& type, std::string& data);
  // Writes data of type into the value, after the key checks of the writes.
  int32_t WriteValue(const std::string& sPath, const std::string& name, uint32_t type, const std::string& data);

  reg::Api& api_;
  reg::Files& files_;
  std::function<void()> yield_;

  int32_t lRoot = 0;
  int32_t lHandle = 0;
  std::string sSubKey;
  bool bCreateKey = false;
};

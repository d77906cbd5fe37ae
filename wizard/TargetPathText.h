// The syntax side of the installation-folder check: the clean-up of the
// typed folder and the checks that need no disk, with the check's message
// texts. Portable: only computes.
#pragma once

#include <string>
#include <vector>

#include "engine/Tokens.h"

namespace TargetPathText {

// The check's messages, letter for letter.
inline constexpr const char* kBadDrive = "Unità di destinazione ERRATA o MANCANTE.";
inline constexpr const char* kForbiddenCharacter = "Il percorso contiene caratteri NON consentiti.";
inline constexpr const char* kNetworkPath = "Percorso di rete NON AMMESSO.";
inline constexpr const char* kHoldsFiles =
    "Il percorso scelto contiene già dei files. Se si sceglie di continuare, i file verranno "
    "sovrascritti. Proseguire comunque con l'installazione?";
inline constexpr const char* kChooseAnother = "Specificare un altro percorso e riprovare.";
inline constexpr const char* kCreateMissing = "Il percorso non esiste: si desidera crearlo?";
inline constexpr const char* kUnexpected = "Percorso errato o errore non previsto.";
// A folder in which no file can be created, and one too long for the
// names the installation puts below it.
inline constexpr const char* kNotWritable = "Impossibile scrivere nel percorso scelto.";
inline constexpr const char* kTooLong = "Percorso troppo LUNGO per i file da installare.";

// The characters a folder (after its drive) and a program group cannot hold.
inline constexpr const char* kForbiddenCharacters = "/:*?\"<>|";

// Whether text holds one of kForbiddenCharacters from position `from` on.
bool HoldsForbiddenCharacter(const std::string& text, size_t from = 0);

// The path without leading and trailing blanks (spaces only) and without
// trailing backslashes: "  C:\Prog\\ " gives "C:\Prog", "C:\" gives "C:".
std::string Clean(const std::string& path);

enum class Syntax {
  Ok,
  BadDrive,            // the first ":" is not the second character; last of
                       // all, also a drive not followed by "\" ("C:Name")
  ForbiddenCharacter,  // one of / : * ? " < > | from the third character on
  NetworkPath,         // two backslashes in a row anywhere
};

// The checks in their order, on a cleaned path; the first that fails is
// the answer. The first character itself is not examined: "1:\x" is Ok.
Syntax CheckSyntax(const std::string& cleaned);

// The message of a failed syntax check (every one is preceded by a beep and
// shown with the exclamation icon); "" for Ok.
const char* SyntaxMessage(Syntax syntax);

// The longest full path the system takes for a file (MAX_PATH less its NUL).
inline constexpr size_t kLongestPath = 259;
// The installation's own record that it always writes into the folder.
inline constexpr const char* kRecordName = "Uninstall.ini";

// The length of the longest full path the installation would write below
// `folder` (cleaned): the file list's lines (Setup.ftc), their tokens
// replaced with `folder` as the installation folder, give the targets that
// lie below it, and the record kRecordName lies there too. Targets outside
// the folder (the system or fonts folder, another drive) do not count.
size_t LongestPathBelow(const std::string& folder, const std::vector<std::string>& fileList,
                        Misc::TokenValues values);

}  // namespace TargetPathText

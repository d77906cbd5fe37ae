// WelcomeText: the welcome page's text, with every "@" of Welcome.txt
// standing for the application's name. Portable.
#pragma once

#include <string>

namespace WelcomeText {

// Replaces each "@" of `text`, from the first on, by the name:
//   text = (the part before the "@", blanks removed at both ends) + " " +
//          appName + (the part after the "@", trailing blanks removed).
// So the blanks before each "@" collapse into one, the text after it follows
// the name directly, and each replacement drops the trailing blanks of the
// whole text and the leading blanks of everything before its "@". The search
// for the next "@" goes on after the inserted name, so a name that contains
// "@" is inserted as it is. A text without "@" is returned unchanged.
// With appName "Demo":
//   "Benvenuti in @ !"             -> "Benvenuti in Demo !"
//   "  @ ti dà il benvenuto"       -> " Demo ti dà il benvenuto"
//   "  Ciao   @  "                 -> "Ciao Demo"
//   "@ e @"                        -> "Demo e Demo"
std::string InsertAppName(const std::string& text, const std::string& appName);

}  // namespace WelcomeText

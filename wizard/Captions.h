// Captions: the two title captions of the wizard, AppName and Apptitle, from
// the application's name. Portable; text is code page 1252.
#pragma once

#include <string>

namespace Captions {

// The upper-case form of code page 1252 text: a-z and the accented small
// letters (à -> À ... þ -> Þ, also š -> Š, œ -> Œ, ž -> Ž, ÿ -> Ÿ); every
// other byte (ß, µ, ÷, digits, signs) stays.
std::string UpperCase(const std::string& text);

// The caption AppName: the upper-case form of the name up to and including
// the blank of its first " v." (case-sensitive); "" when there is none.
// "Contabilità v.2.1" -> "CONTABILITÀ ", "Contabilità 2.1" -> "".
std::string AppNameCaption(const std::string& applicationName);

// The caption Apptitle: "Installazione di " + the whole name in upper case.
std::string ApptitleCaption(const std::string& applicationName);

}  // namespace Captions

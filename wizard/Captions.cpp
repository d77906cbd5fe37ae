#include "wizard/Captions.h"

namespace Captions {

namespace {

unsigned char UpperCase1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

}  // namespace

std::string UpperCase(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
  return upper;
}

std::string AppNameCaption(const std::string& applicationName) {
  const size_t at = applicationName.find(" v.");
  if (at == std::string::npos) return "";
  return UpperCase(applicationName.substr(0, at + 1));
}

std::string ApptitleCaption(const std::string& applicationName) {
  return "Installazione di " + UpperCase(applicationName);
}

}  // namespace Captions

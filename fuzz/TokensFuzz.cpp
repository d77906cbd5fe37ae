// Arbitrary bytes as a package text with tokens (a Setup.ftc line, the
// registry template, an uninstall record) and the twelve values, split at NUL
// bytes; the first byte chooses the mode. Aborts when ReplaceTokens changes a
// text without "§§", or, with values that hold no character of any token,
// leaves a token in the text, or, when one value ends in the beginning of its
// own token or begins with its end, leaves that token or a later one (text
// joined on either side of a value is searched again); or when
// DoubleBackslashes leaves a single
// backslash or does more than double them and drop a final one. A call that
// does not come to an end shows as a libFuzzer timeout.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Tokens.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// What every token begins with, in this build's character set.
std::string TokenMark() {
  const std::string first = Misc::kTokens[0];
  return first.substr(0, first.find('Q'));
}

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether a token of row `fromRow` or a later one stands in `text`.
bool HasToken(const std::string& text, size_t fromRow = 0) {
  for (size_t r = fromRow; r < Misc::kTokens.size(); ++r) {
    const std::string token = Misc::kTokens[r];
    for (size_t p = 0; p + token.size() <= text.size(); ++p) {
      size_t i = 0;
      while (i < token.size() && UpperAscii(text[p + i]) == UpperAscii(token[i])) ++i;
      if (i == token.size()) return true;
    }
  }
  return false;
}

// A value made of characters no token holds, never empty and not starting
// with a backslash, so that it stays non-empty when its final backslashes go.
std::string Harmless(const std::string& raw) {
  static const char kAlphabet[] = "0123456789\\:. -";
  std::string out = "7";
  for (char c : raw) out += kAlphabet[static_cast<unsigned char>(c) % (sizeof kAlphabet - 1)];
  return out;
}

void CheckDoubleBackslashes(const std::string& text) {
  const std::string out = Misc::DoubleBackslashes(text);
  std::string undone;
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '\\') {
      Check(i + 1 < out.size() && out[i + 1] == '\\');
      ++i;
    }
    undone += out[i];
  }
  const bool finalBackslash = !text.empty() && text.back() == '\\';
  Check(undone == (finalBackslash ? text.substr(0, text.size() - 1) : text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  std::vector<std::string> parts(1);
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0 && parts.size() < 13) parts.emplace_back();
    else parts.back() += static_cast<char>(data[i]);
  }
  parts.resize(13);
  const std::string& text = parts[0];
  const bool registryFlag = mode & 1;
  const bool joined = mode & 4;
  const bool harmless = (mode & 2) || joined;
  std::array<std::string, 12> v;
  for (size_t k = 0; k < v.size(); ++k) v[k] = harmless ? Harmless(parts[k + 1]) : parts[k + 1];
  // The value of one row ends in the first 1 to all but one of its token's
  // characters, or (bit 128) begins with the last all but one to 1 of them.
  const size_t row = ((mode >> 3) & 15) % v.size();
  const std::string rowToken = Misc::kTokens[row];
  const size_t cut = 1 + parts[row + 1].size() % (rowToken.size() - 1);
  if (joined && (mode & 128)) v[row] = rowToken.substr(cut) + v[row];
  else if (joined) v[row] += rowToken.substr(0, cut);
  const Misc::TokenValues values{v[0], v[1], v[2], v[3], v[4],  v[5],
                                 v[6], v[7], v[8], v[9], v[10], v[11]};

  const std::string result = Misc::ReplaceTokens(text, registryFlag, values);
  if (text.find(TokenMark()) == std::string::npos) Check(result == text);
  // A value that no token can reach into neither forms a token with the text
  // around it nor joins two parts of the text into one.
  if (harmless) Check(!HasToken(result, joined ? row : 0));

  CheckDoubleBackslashes(text);
  for (const std::string& value : v) CheckDoubleBackslashes(value);
  return 0;
}

// Taking this program's own entries out of the lists of replacements at the
// next start of Windows, leaving every other entry as it was.
#include "engine/PendingRenames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using PendingRenames::RemoveLastLine;
using PendingRenames::RemoveRename;

TEST(PendingRenames, RemovesTheLastOfItsLinesAndNoOtherText) {
  const std::string ours = "C:\\App\\Foo.dll=C:\\App\\Foo.000";
  std::string text = "[rename]\r\n" + ours + "\r\nNUL=C:\\x.tmp\r\n" + ours + "\r\n[other]\r\n";
  EXPECT_TRUE(RemoveLastLine(text, ours));
  EXPECT_EQ(text, "[rename]\r\n" + ours + "\r\nNUL=C:\\x.tmp\r\n[other]\r\n");

  // A last line without its line end, and lines ended by a lone LF.
  text = "[rename]\nA=B\n" + ours;
  EXPECT_TRUE(RemoveLastLine(text, ours));
  EXPECT_EQ(text, "[rename]\nA=B\n");

  // A line that only begins or ends like ours is not ours.
  const std::string others = "[rename]\r\n" + ours + "1\r\nX" + ours + "\r\n";
  text = others;
  EXPECT_FALSE(RemoveLastLine(text, ours));
  EXPECT_EQ(text, others);
  text = "";
  EXPECT_FALSE(RemoveLastLine(text, ours));
}

TEST(PendingRenames, RemovesItsRenameAndKeepsTheOthersWhole) {
  const std::wstring from = L"\\??\\C:\\App\\Foo.000", to = L"\\??\\C:\\App\\Foo.dll";
  const std::wstring other = std::wstring(L"\\??\\C:\\a.tmp\0!\\??\\C:\\a.dll\0", 27);
  const std::wstring deletion = std::wstring(L"\\??\\C:\\old.tmp\0\0", 16);
  const std::wstring ours = from + L'\0' + L"!" + to + L'\0';

  std::wstring data = other + ours + deletion + ours + L'\0';
  EXPECT_TRUE(RemoveRename(data, from, to));
  EXPECT_EQ(data, other + ours + deletion + L'\0');
  EXPECT_TRUE(RemoveRename(data, from, to));
  EXPECT_EQ(data, other + deletion + L'\0');

  // A move that may not replace is found too; another destination is not.
  data = from + L'\0' + to + L'\0' + L'\0';
  std::wstring kept = data;
  EXPECT_FALSE(RemoveRename(kept, from, L"\\??\\C:\\App\\Bar.dll"));
  EXPECT_EQ(kept, data);
  EXPECT_TRUE(RemoveRename(data, from, to));
  EXPECT_EQ(data, L"");

  // A deletion at the next start is no move of that file.
  data = deletion + L'\0';
  kept = data;
  EXPECT_FALSE(RemoveRename(data, L"\\??\\C:\\old.tmp", L"\\??\\C:\\old.dll"));
  EXPECT_EQ(data, kept);
}

}  // namespace

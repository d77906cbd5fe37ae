// The temporary name beside a target in use, under which the block copy
// leaves the new file for a replacement at the next start of Windows.
// Only computes; the existence test comes from the caller.
#pragma once

#include <functional>
#include <string>

namespace TempName {

// Answers whether a normal file of that full path exists (the Windows side
// asks a folder listing for normal files).
using ExistsFn = std::function<bool(const std::string& path)>;

// How many candidates MakeTempName tries before it gives up.
inline constexpr int kMostCandidates = 100000;

// The base is `name` up to and including the first "." among its last six
// characters that belongs to the file's own name (after its last "\", "/"
// or ":"); the result is the first of base & "000", "001", ... "999",
// "1000", ... that `exists` denies. So C:\Dir\Foo.dll gives C:\Dir\Foo.000,
// or C:\Dir\Foo.001 when that exists. A name without a dot among its last six
// characters keeps the whole name and gains a "." (C:\Dir\README and
// C:\App.1\README give C:\Dir\README.000 and C:\App.1\README.000), so that
// the copy stays beside its target. "" when
// every one of kMostCandidates candidates exists, or `exists` is empty.
std::string MakeTempName(const std::string& name, const ExistsFn& exists);

}  // namespace TempName

// umfpack: writes and lists setup packages (Setup.UMF).
//
//   umfpack OUTPUT.UMF FILE...   packs the files, each under its base name
//   umfpack --list PACKAGE       prints "offset<TAB>size<TAB>name" per member
//
// Exit codes: 0 done; 1 a file could not be read or written, or a listed
// package is damaged; 2 wrong usage or input the package cannot carry (then
// nothing is written).
#include "launcher/Archive.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFailed = 1;
constexpr int kRefused = 2;

struct Input {
  fs::path path;
  std::string name;
  int64_t size = 0;
};

int Usage() {
  std::cerr << "usage: umfpack OUTPUT.UMF FILE...\n"
               "       umfpack --list PACKAGE\n";
  return kRefused;
}

std::string FoldCase(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  return name;
}

// Looks at every file before anything is written. Returns 0 or the exit code
// of the first refusal, with its message already printed.
int CheckInputs(const std::vector<std::string>& files, std::vector<Input>& inputs, std::string& directory) {
  std::set<std::string> seen;
  int64_t total = 0;
  for (const std::string& file : files) {
    Input in{file, fs::path(file).filename().string(), 0};
    std::error_code ec;
    if (!fs::is_regular_file(in.path, ec)) {
      std::cerr << "umfpack: " << file << ": not a regular file\n";
      return kRefused;
    }
    in.size = static_cast<int64_t>(fs::file_size(in.path, ec));
    if (ec) {
      std::cerr << "umfpack: " << file << ": " << ec.message() << "\n";
      return kFailed;
    }
    if (in.name.find_first_of("|;") != std::string::npos) {
      std::cerr << "umfpack: " << file << ": a member name may not contain \"|\" or \";\"\n";
      return kRefused;
    }
    if (!IsSafeArchiveMemberName(in.name)) {
      std::cerr << "umfpack: " << file
                << ": not a plain file name (no \\ / : * ? \" < > or control characters, "
                   "no device or dot name)\n";
      return kRefused;
    }
    if (!seen.insert(FoldCase(in.name)).second) {
      std::cerr << "umfpack: " << file << ": a member of that name is already packed\n";
      return kRefused;
    }
    if (in.size == 0) {
      std::cerr << "umfpack: " << file << ": an empty file cannot be packed (size 0 ends the directory)\n";
      return kRefused;
    }
    total += in.size;
    directory += in.name + "|" + std::to_string(in.size) + ";";
    inputs.push_back(in);
  }
  if (directory.size() > static_cast<size_t>(kArchiveMaxDirectoryLength)) {
    std::cerr << "umfpack: the directory would be " << directory.size() << " characters, more than "
              << kArchiveMaxDirectoryLength << "\n";
    return kRefused;
  }
  if (total + static_cast<int64_t>(directory.size()) + kArchiveLengthFieldSize > kArchiveMaxPackageLength) {
    std::cerr << "umfpack: the package would reach 2 GiB\n";
    return kRefused;
  }
  return 0;
}

bool CopyInto(std::ofstream& out, const Input& in) {
  std::ifstream file(in.path, std::ios::binary);
  std::vector<char> buffer(1 << 20);
  int64_t left = in.size;
  while (file && left > 0) {
    const auto want = static_cast<std::streamsize>(std::min<int64_t>(left, buffer.size()));
    file.read(buffer.data(), want);
    out.write(buffer.data(), file.gcount());
    left -= file.gcount();
  }
  if (left != 0) std::cerr << "umfpack: " << in.path.string() << ": could not read all of it\n";
  return left == 0 && out.good();
}

int Pack(const std::string& output, const std::vector<std::string>& files) {
  std::vector<Input> inputs;
  std::string directory;
  if (const int refused = CheckInputs(files, inputs, directory)) return refused;

  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  bool ok = out.good();
  for (const Input& in : inputs) {
    if (ok) ok = CopyInto(out, in);
  }
  char field[8];
  std::snprintf(field, sizeof field, "%05zu", directory.size());
  out << directory << field;
  out.close();
  if (!ok || out.fail()) {
    std::cerr << "umfpack: " << output << ": could not be written\n";
    std::error_code ec;
    fs::remove(output, ec);
    return kFailed;
  }
  return 0;
}

const char* Describe(ArchiveEnd end) {
  switch (end) {
    case ArchiveEnd::EndOfDirectory: return "end of the directory";
    case ArchiveEnd::SizeZero: return "an entry of size 0";
    case ArchiveEnd::MissingBar: return "an entry without \"|\"";
    case ArchiveEnd::MissingSemicolon: return "an entry without \";\"";
    case ArchiveEnd::SizeOverflow: return "a size beyond 32 bits";
    case ArchiveEnd::UnsafeName: return "a name that is not a plain file name";
    case ArchiveEnd::PastDirectory: return "a member running past the directory";
    case ArchiveEnd::ShortOfDirectory: return "sizes ending before the directory";
    case ArchiveEnd::DirectoryDoesNotFit: return "a directory that does not fit";
  }
  return "?";
}

int List(const std::string& package) {
  std::ifstream in(package, std::ios::binary | std::ios::ate);
  if (!in) {
    std::cerr << "umfpack: " << package << ": cannot be opened\n";
    return kFailed;
  }
  const int64_t length = in.tellg();
  std::string field(static_cast<size_t>(std::min<int64_t>(length, kArchiveLengthFieldSize)), '\0');
  in.seekg(length - static_cast<int64_t>(field.size()));
  in.read(field.data(), static_cast<std::streamsize>(field.size()));
  int32_t n = 0;
  if (!in || ReadArchiveDirectoryLength(length, field, n) != ArchiveLengthStatus::Ok) {
    std::cerr << "umfpack: " << package << ": no valid length field\n";
    return kFailed;
  }
  std::string directory(static_cast<size_t>(n), '\0');
  in.seekg(length - n - kArchiveLengthFieldSize);
  in.read(directory.data(), n);
  if (!in) {
    std::cerr << "umfpack: " << package << ": the directory cannot be read\n";
    return kFailed;
  }
  const ArchivePlan plan = PlanArchiveExtraction(length, directory);
  for (const ArchiveMember& m : plan.members) std::cout << m.offset << '\t' << m.size << '\t' << m.name << '\n';
  if (!IsArchiveEndNormal(plan.end)) {
    std::cerr << "umfpack: " << package << ": entry " << plan.endIndex << " ends the extraction: "
              << Describe(plan.end) << "\n";
    return kFailed;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--list") return List(args[1]);
  if (args.size() < 2 || args[0].rfind("--", 0) == 0) return Usage();
  return Pack(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
}

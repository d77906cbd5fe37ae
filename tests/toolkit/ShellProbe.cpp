// A stand-in program for the command-start test: writes its second argument
// into the file named by its first, through a temporary name, so that the
// file appears whole.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) return 1;
  const std::string target = argv[1];
  const std::string partial = target + ".part";
  std::FILE* f = std::fopen(partial.c_str(), "wb");
  if (f == nullptr) return 2;
  std::fputs(argv[2], f);
  if (std::fclose(f) != 0) return 3;
  return std::rename(partial.c_str(), target.c_str()) == 0 ? 0 : 4;
}

// The main of a fuzz target outside libFuzzer: runs the target once over each kept input, so that the corpus
// (and every crash once found and kept) replays as a test under the sanitizers of the ordinary build.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> Inputs_Of(const std::filesystem::path& argument) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(argument)) {
    for (const auto& entry : std::filesystem::directory_iterator(argument))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  } else if (std::filesystem::is_regular_file(argument)) {
    inputs.push_back(argument);
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 0;
  for (int i = 1; i < argc; ++i) {
    for (const std::filesystem::path& input : Inputs_Of(argv[i])) {
      std::ifstream file(input, std::ios::binary);
      std::vector<char> bytes(std::filesystem::file_size(input));
      file.read(bytes.data(), std::streamsize(bytes.size()));
      std::printf("%s (%zu bytes)\n", input.c_str(), bytes.size());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++runs;
    }
  }
  std::printf("%d inputs replayed\n", runs);
  // A corpus that went missing must not pass as a replay that found nothing.
  return runs > 0 ? 0 : 1;
}

// The worst inputs for the text operations: long runs of one byte, where
// every position is a candidate. The tool's own path (a share compared with
// the leading part of the path) must stay linear; the plain search is shown
// beside it for what it costs when called on such input.
#include <benchmark/benchmark.h>

#include <string>

#include "resolve/mountinfo.h"
#include "resolve/resolve.h"
#include "text/byte_text.h"

namespace tarnwick {
namespace {

// A path of `length` bytes of one letter after the two backslashes, against
// a remote name of the same letter half as long, in another case.
void BM_SubstituteSameByte(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  const std::string path = "\\\\" + std::string(length, 'a');
  const std::vector<ConnectionEntry> connections = {
      {"Y:", "\\\\" + std::string(length / 2, 'A') + "b"},  // fails at its last byte
      {"Z:", "\\\\" + std::string(length, 'A')}};           // holds the whole path
  for (auto _ : state) benchmark::DoNotOptimize(SubstituteConnection(path, connections));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SubstituteSameByte)->RangeMultiplier(4)->Range(1 << 10, 128 << 10)->Complexity();

// The whole run's text work on the NOT_FOUND path of a 128 KB argument.
void BM_FoldLower(benchmark::State& state) {
  const std::string path(static_cast<std::size_t>(state.range(0)), 'A');
  for (auto _ : state) benchmark::DoNotOptimize(FoldLower(path));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FoldLower)->RangeMultiplier(4)->Range(1 << 10, 128 << 10)->Complexity();

// The plain search at its worst: every position matches all but the last
// byte of the pattern. The tool no longer calls it on paths.
void BM_FindTextSameByte(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  const std::string text(length, 'a');
  const std::string pattern = std::string(length / 2, 'a') + "b";
  for (auto _ : state) benchmark::DoNotOptimize(FindText(1, text, pattern));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FindTextSameByte)->RangeMultiplier(4)->Range(1 << 10, 64 << 10)->Complexity();

void BM_ParseMountInfoLongLine(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  const std::string table = "36 25 0:50 / /mnt/" + std::string(length, 'm') + " rw - cifs //srv/" +
                            std::string(length, '\\') + " rw\n";
  for (auto _ : state) benchmark::DoNotOptimize(ParseMountInfo(table));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseMountInfoLongLine)->RangeMultiplier(4)->Range(1 << 10, 128 << 10)->Complexity();

}  // namespace
}  // namespace tarnwick

BENCHMARK_MAIN();

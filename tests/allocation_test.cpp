// The text operations' costs: no allocation in the searches and the
// comparison, one for each text produced, one counting and one copying pass
// in ReplaceAll.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "text/byte_text.h"

namespace {
int g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace tarnwick {
namespace {

// Allocations made by `work`.
template <typename Work>
int CountAllocations(Work work) {
  const int before = g_allocations;
  work();
  return g_allocations - before;
}

// Long enough that no result fits the string's inline buffer.
const std::string kLong = R"(\\SRV\Share\)" + std::string(200, 'x') + "\\SRV\\Share";

TEST(AllocationTest, SearchesAndComparisonsAllocateNothing) {
  const std::string pattern = "\\SRV\\Share";
  EXPECT_EQ(CountAllocations([&] { (void)FindText(1, kLong, pattern); }), 0);
  EXPECT_EQ(CountAllocations([&] { (void)FindText(1, kLong, "absent pattern"); }), 0);
  EXPECT_EQ(CountAllocations([&] { (void)FindAnyChar(1, kLong, "/-"); }), 0);
  EXPECT_EQ(CountAllocations([&] { (void)TextEquals(kLong, kLong); }), 0);
}

TEST(AllocationTest, EachProducedTextIsOneAllocation) {
  const std::string padded = "   " + kLong + "   ";
  EXPECT_EQ(CountAllocations([&] { (void)FoldLower(kLong); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)TrimSpaces(padded); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)Slice(kLong, 2, 100); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)Spaces(100); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)Concat({kLong, "Z:", kLong}); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)FromCString(kLong.c_str()); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)ReplaceAll(kLong, "\\SRV\\Share", "Z:"); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)ReplaceAll(kLong, "x", "longer"); }), 1);
  EXPECT_EQ(CountAllocations([&] { (void)ReplaceAll(kLong, "absent", "Z:"); }), 1);
}

}  // namespace
}  // namespace tarnwick

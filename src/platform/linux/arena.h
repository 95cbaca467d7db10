// A bump allocator for one script heap's life: most of a small script's allocations never
// reach malloc, and the whole arena is dropped at once with the heap. Allocations that do
// not fit go to malloc, so a large script costs at most the arena's size in waste.
#pragma once

#include <cstddef>

namespace talvo {

class ScriptArena {
 public:
  // Borrows the calling thread's buffer; a nested arena on the same thread (not used by
  // the program) falls back to malloc entirely.
  ScriptArena();
  ~ScriptArena();
  ScriptArena(const ScriptArena&) = delete;
  ScriptArena& operator=(const ScriptArena&) = delete;

  static void* Alloc(void* arena, std::size_t size);
  static void* Realloc(void* arena, void* ptr, std::size_t size);
  static void Free(void* arena, void* ptr);

 private:
  bool Owns(const void* ptr) const;
  void* Take(std::size_t size);

  unsigned char* base_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
};

}  // namespace talvo

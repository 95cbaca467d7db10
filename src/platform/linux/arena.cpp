#include "platform/linux/arena.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace talvo {

namespace {

constexpr std::size_t kArenaSize = std::size_t{1} << 20;
constexpr std::size_t kHeader = 16;  // keeps blocks 16-byte aligned; holds the block's size

std::size_t Round(std::size_t n) {
  return (n + 15) & ~std::size_t{15};
}

struct ThreadBuffer {
  std::unique_ptr<unsigned char[]> memory;
  bool inUse = false;
};
thread_local ThreadBuffer buffer;

std::size_t& SizeOf(void* block) {
  return *reinterpret_cast<std::size_t*>(static_cast<unsigned char*>(block) - kHeader);
}

}  // namespace

ScriptArena::ScriptArena() {
  if (buffer.inUse) return;
  if (!buffer.memory) buffer.memory.reset(new (std::nothrow) unsigned char[kArenaSize]);
  if (!buffer.memory) return;
  buffer.inUse = true;
  base_ = buffer.memory.get();
  capacity_ = kArenaSize;
}

ScriptArena::~ScriptArena() {
  if (base_) buffer.inUse = false;
}

bool ScriptArena::Owns(const void* ptr) const {
  const auto* p = static_cast<const unsigned char*>(ptr);
  return base_ && p >= base_ && p < base_ + capacity_;
}

void* ScriptArena::Take(std::size_t size) {
  const std::size_t need = kHeader + Round(size);
  if (!base_ || capacity_ - used_ < need) return nullptr;
  unsigned char* block = base_ + used_ + kHeader;
  used_ += need;
  SizeOf(block) = size;
  return block;
}

void* ScriptArena::Alloc(void* arena, std::size_t size) {
  if (size == 0) return nullptr;
  auto* self = static_cast<ScriptArena*>(arena);
  if (void* block = self->Take(size)) return block;
  return std::malloc(size);
}

void ScriptArena::Free(void* arena, void* ptr) {
  if (!ptr) return;
  auto* self = static_cast<ScriptArena*>(arena);
  if (!self->Owns(ptr)) return std::free(ptr);
  // Only the newest block can be given back; the rest goes with the arena.
  auto* block = static_cast<unsigned char*>(ptr);
  if (block + Round(SizeOf(ptr)) == self->base_ + self->used_)
    self->used_ = static_cast<std::size_t>(block - kHeader - self->base_);
}

void* ScriptArena::Realloc(void* arena, void* ptr, std::size_t size) {
  auto* self = static_cast<ScriptArena*>(arena);
  if (!ptr) return Alloc(arena, size);
  if (size == 0) {
    Free(arena, ptr);
    return nullptr;
  }
  if (!self->Owns(ptr)) return std::realloc(ptr, size);
  const std::size_t old = SizeOf(ptr);
  auto* block = static_cast<unsigned char*>(ptr);
  const bool newest = block + Round(old) == self->base_ + self->used_;
  if (newest && static_cast<std::size_t>(block - self->base_) + Round(size) <= self->capacity_) {
    self->used_ = static_cast<std::size_t>(block - self->base_) + Round(size);
    SizeOf(ptr) = size;
    return ptr;
  }
  if (size <= old) {
    SizeOf(ptr) = size;
    return ptr;
  }
  void* fresh = Alloc(arena, size);
  if (!fresh) return nullptr;
  std::memcpy(fresh, ptr, old);
  Free(arena, ptr);
  return fresh;
}

}  // namespace talvo

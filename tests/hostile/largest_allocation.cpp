// SPDX-License-Identifier: GPL-3.0-or-later
#include "largest_allocation.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)
#define WATCH_WITH_SANITIZER_HOOK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WATCH_WITH_SANITIZER_HOOK 1
#endif
#endif

namespace {
std::atomic<size_t> largest{0};
void Note(size_t size) {
  size_t seen = largest.load();
  while (size > seen && !largest.compare_exchange_weak(seen, size)) {
  }
}
}  // namespace

#ifdef WATCH_WITH_SANITIZER_HOOK
// The sanitizers' runtime provides it (its header does not come with g++).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, size_t),
                                                          void (*free_hook)(const volatile void*));

namespace {
void OnMalloc(const volatile void*, size_t size) { Note(size); }
void OnFree(const volatile void*) {}
}  // namespace

void StartWatchingAllocations() {
  static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
  (void)installed;
  largest = 0;
}
#else
// The program's malloc, calloc and realloc go through here (the libraries'
// too: the program's definitions come first), then on to the C library's.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* malloc(size_t size) {
  Note(size);
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  Note(count * size);
  return __libc_calloc(count, size);
}
void* realloc(void* p, size_t size) {
  Note(size);
  return __libc_realloc(p, size);
}
}

void StartWatchingAllocations() { largest = 0; }
#endif

size_t LargestAllocation() { return largest.load(); }

// SPDX-License-Identifier: GPL-3.0-or-later
/* Preloaded into the program by bench/desktop_load.sh: counts the frames the
 * program presents and notes the process CPU time at the first one, in a
 * small shared file the script reads while the program runs. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

struct Probe {
  int64_t presents;
  int64_t firstPresentCpuNs;
};

static struct Probe* probe;

static struct Probe* OpenProbe(void) {
  const char* path = getenv("PRESENT_PROBE_FILE");
  if (!path) return NULL;
  int fd = open(path, O_RDWR | O_CREAT, 0644);
  if (fd < 0) return NULL;
  if (ftruncate(fd, sizeof(struct Probe)) != 0) {
    close(fd);
    return NULL;
  }
  void* p = mmap(NULL, sizeof(struct Probe), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  close(fd);
  return p == MAP_FAILED ? NULL : (struct Probe*)p;
}

void SDL_RenderPresent(void* renderer) {
  static void (*real)(void*);
  if (!real) *(void**)&real = dlsym(RTLD_NEXT, "SDL_RenderPresent");
  if (!probe) probe = OpenProbe();
  if (probe && probe->presents == 0) {
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    probe->firstPresentCpuNs = (int64_t)t.tv_sec * 1000000000 + t.tv_nsec;
  }
  if (probe) __atomic_add_fetch(&probe->presents, 1, __ATOMIC_RELAXED);
  real(renderer);
}

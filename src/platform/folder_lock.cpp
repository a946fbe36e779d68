// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/paths.h"

static int heldLock = -1;

bool TakeFolderLock(const std::string& path) {
  ReleaseFolderLock();
  const std::string real = ResolvePath(path);
  const int fd = real.empty() ? -1 : open(real.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  // A folder that cannot hold the lock file cannot hold saves either; the
  // program runs and says so elsewhere.
  if (fd < 0) return true;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  heldLock = fd;
  return true;
}

void ReleaseFolderLock() {
  if (heldLock < 0) return;
  close(heldLock);
  heldLock = -1;
}

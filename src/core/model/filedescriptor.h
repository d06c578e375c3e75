#pragma once

#include <unistd.h>
#include <utility>

// An open file descriptor, closed with the object.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : ffd(fd) {}
  ~FileDescriptor() {
    if (ffd >= 0) ::close(ffd);
  }
  FileDescriptor(FileDescriptor&& other) noexcept : ffd(std::exchange(other.ffd, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    std::swap(ffd, other.ffd);
    return *this;
  }

  int get() const { return ffd; }

 private:
  int ffd = -1;
};

// Opens relative to a folder descriptor (or AT_FDCWD), close-on-exec;
// throws IoError.
FileDescriptor OpenFile(int folder, const char* path, int flags, unsigned mode = 0);
// Writes every byte, also when the system takes them in parts; throws IoError.
void WriteAll(int fd, const void* data, std::size_t size);

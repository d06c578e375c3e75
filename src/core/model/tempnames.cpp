#include "model/tempnames.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>

namespace {

// The signal handler may only read what it can read safely at any moment:
// fixed slots whose state says when their name is complete.
struct Slot {
  enum : int { Free, Filling, Held };
  std::atomic<int> state{Free};
  int folder = -1;
  char name[NAME_MAX + 1] = {};
};

std::array<Slot, 32> slots;
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveHeldNames(int signal) {
  const int savedErrno = errno;
  for (Slot& slot : slots)
    if (slot.state.load() == Slot::Held) ::unlinkat(slot.folder, slot.name, 0);
  errno = savedErrno;
  // The handler was reset on entry: the signal, delivered again once this
  // returns, ends the process as it would have without us.
  std::raise(signal);
}

void InstallHandlers() {
  for (const int signal : kCleanedSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
    struct sigaction cleanup {};
    cleanup.sa_handler = RemoveHeldNames;
    cleanup.sa_flags = SA_RESETHAND;
    sigemptyset(&cleanup.sa_mask);
    ::sigaction(signal, &cleanup, nullptr);
  }
}

// Returns the slot index, or -1 when all are taken (the name then goes
// without cleanup; no write of this program holds that many at once).
int Hold(int folder, const std::string& name) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandlers);
  if (name.size() > NAME_MAX) return -1;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    int expected = Slot::Free;
    if (!slots[i].state.compare_exchange_strong(expected, Slot::Filling)) continue;
    slots[i].folder = folder;
    std::memcpy(slots[i].name, name.c_str(), name.size() + 1);
    slots[i].state.store(Slot::Held);
    return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

TemporaryName::TemporaryName(int folder, std::string name)
    : ffolder(folder), fname(std::move(name)), fslot(Hold(folder, fname)) {}

TemporaryName::~TemporaryName() {
  if (freleased) return;
  ::unlinkat(ffolder, fname.c_str(), 0);
  Release();
}

void TemporaryName::Release() {
  if (!freleased && fslot >= 0) slots[static_cast<std::size_t>(fslot)].state.store(Slot::Free);
  freleased = true;
}

std::string TemporaryNameFor(int folder, const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::string suffix = ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  const long limit = ::fpathconf(folder, _PC_NAME_MAX);
  const std::size_t room = (limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX) - suffix.size();
  std::size_t keep = std::min(target.size(), room);
  // Cut between characters, not inside one.
  while (keep > 0 && keep < target.size() && (static_cast<unsigned char>(target[keep]) & 0xC0) == 0x80) --keep;
  return target.substr(0, keep) + suffix;
}

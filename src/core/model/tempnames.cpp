#include "model/tempnames.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
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

// The target's name, shortened where the folder's name limit needs it, with
// the suffix after it.
std::string NameWithSuffix(int folder, const std::string& target, const std::string& suffix) {
  const long limit = ::fpathconf(folder, _PC_NAME_MAX);
  const std::size_t room = (limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX) - suffix.size();
  std::size_t keep = std::min(target.size(), room);
  // Cut between characters, not inside one.
  while (keep > 0 && keep < target.size() && (static_cast<unsigned char>(target[keep]) & 0xC0) == 0x80) --keep;
  return target.substr(0, keep) + suffix;
}

// Decimal digits only, as the names are written.
template <typename Number>
bool IsNumber(std::string_view text, Number& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
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

std::string TemporaryNameFor(int folder, const std::string& target, std::string_view kind) {
  static std::atomic<unsigned> counter{0};
  return NameWithSuffix(folder, target,
                        ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + std::string(kind));
}

pid_t TemporaryNameOwner(int folder, const std::string& name, const std::string& target, std::string_view kind) {
  if (!name.ends_with(kind)) return 0;
  const std::size_t numbersEnd = name.size() - kind.size();
  const std::size_t mark = name.rfind(".~", numbersEnd);
  if (mark == std::string::npos) return 0;
  const std::string_view numbers = std::string_view(name).substr(mark + 2, numbersEnd - mark - 2);
  const std::size_t dash = numbers.find('-');
  pid_t process = 0;
  unsigned number = 0;
  if (dash == std::string_view::npos || !IsNumber(numbers.substr(0, dash), process) ||
      !IsNumber(numbers.substr(dash + 1), number) || process <= 0)
    return 0;
  return NameWithSuffix(folder, target, name.substr(mark)) == name ? process : 0;
}

bool HasEnded(pid_t process) { return ::kill(process, 0) == -1 && errno == ESRCH; }

std::vector<std::string> FolderNames(int folder) {
  std::vector<std::string> names;
  // A descriptor of its own, so that listing does not move the folder's.
  const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return names;
  DIR* entries = ::fdopendir(listed);
  if (entries == nullptr) {
    ::close(listed);
    return names;
  }
  while (const dirent* entry = ::readdir(entries)) names.emplace_back(entry->d_name);
  ::closedir(entries);
  return names;
}

void RemoveLeftoverNames(int folder, const std::string& target) {
  for (const std::string& name : FolderNames(folder)) {
    const pid_t owner = TemporaryNameOwner(folder, name, target);
    if (owner != 0 && HasEnded(owner)) ::unlinkat(folder, name.c_str(), 0);
  }
}

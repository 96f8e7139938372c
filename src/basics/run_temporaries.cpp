#include "run_temporaries.h"

#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

#include "run_error.h"

namespace {

// A run writes one file at a time (two while the report reads "work2.txt" back), so a few
// slots are plenty.
constexpr int kSlots = 8;

struct Slot {
  std::atomic<bool> inUse{false};
  char path[PATH_MAX];
};
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the flags");

Slot slots[kSlots];
int (*endStatus)(int) = nullptr;
std::atomic<const char*> textBeforeExit{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free, "the handler reads the text");

void EndOnSignal(int number) {
  RemoveRunTemporaries();
  if (const char* text = textBeforeExit.load(std::memory_order_acquire)) {
    const ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
    (void)ignored;
  }
  _exit(endStatus(number));
}

}  // namespace

int RegisterTemporary(const std::string& path) {
  for (int slot = 0; slot < kSlots && path.size() < PATH_MAX; ++slot) {
    Slot& candidate = slots[slot];
    if (candidate.inUse.load(std::memory_order_relaxed)) continue;
    std::memcpy(candidate.path, path.c_str(), path.size() + 1);
    candidate.inUse.store(true, std::memory_order_release);
    return slot;
  }
  throw RunError(RunErrorCause::FileCreate, "ファイルを作成できません。" + path);
}

void ReleaseTemporary(int slot) { slots[slot].inUse.store(false, std::memory_order_release); }

void RemoveRunTemporaries() {
  for (Slot& slot : slots) {
    if (slot.inUse.load(std::memory_order_acquire)) unlink(slot.path);
  }
}

void SetTextBeforeSignalExit(const char* text) {
  textBeforeExit.store(text, std::memory_order_release);
}

void RemoveTemporariesOnSignals(int (*exitStatus)(int signal)) {
  endStatus = exitStatus;
  struct sigaction action {};
  action.sa_handler = EndOnSignal;
  sigfillset(&action.sa_mask);
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
}

#include "run_temporaries.h"

#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

#include "messages/run_error.h"

namespace {

// A run writes one file at a time (two while the trace's first blocks are written from a thread
// of its own), so a few slots are plenty.
constexpr int kSlots = 8;

// A slot is taken in one step, so two threads never fill the same one, and the handler reads
// only the paths that are complete.
enum SlotState : int { kFree, kFilling, kInUse };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the states");

Slot slots[kSlots];
std::atomic<const char*> textBeforeExit{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free, "the handler reads the text");

void EndOnSignal(int number) {
  RemoveRunTemporaries();
  if (const char* text = textBeforeExit.load(std::memory_order_acquire)) {
    const ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
    (void)ignored;
  }
  _exit(128 + number);
}

}  // namespace

int RegisterTemporary(const std::string& path) {
  for (int slot = 0; slot < kSlots && path.size() < PATH_MAX; ++slot) {
    Slot& candidate = slots[slot];
    int expected = kFree;
    if (!candidate.state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
      continue;
    }
    std::memcpy(candidate.path, path.c_str(), path.size() + 1);
    candidate.state.store(kInUse, std::memory_order_release);
    return slot;
  }
  throw RunError(RunErrorCause::FileCreate, "ファイルを作成できません。" + path);
}

void ReleaseTemporary(int slot) { slots[slot].state.store(kFree, std::memory_order_release); }

void RemoveRunTemporaries() {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) == kInUse) unlink(slot.path);
  }
}

void SetTextBeforeSignalExit(const char* text) {
  textBeforeExit.store(text, std::memory_order_release);
}

void RemoveTemporariesOnSignals() {
  struct sigaction action {};
  action.sa_handler = EndOnSignal;
  sigfillset(&action.sa_mask);
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
}

// Runs that meet in one work directory, and runs that end early. Two batch runs at once always
// give their own reports; a run waits for another's lock and says so once. A signal in the
// middle of the trace leaves every file whole, the earlier or the complete new one, and no
// temporary file; what a run killed outright leaves is removed by the next, which touches no
// temporary file of a live process and nothing that is not the program's.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>

#include "hardening/hardening_support.h"
#include "support/structure_families.h"
#include "support/test_support.h"

namespace {

// A 10-storey, 5-bay frame (198 equations, a trace of about 1.3 MB); the variant changes its
// sections.
std::string LargeFrame(int variant) { return GeneratedFrame(kStructureSizes - 2, variant); }

std::vector<std::string> Outputs(const BatchCopy& batch, const std::string& report) {
  return {batch.File("work1.txt"), batch.File("NColes.txt"), batch.File("work2.txt"), report};
}

std::string WaitingLine(const std::string& directory) {
  return "作業ディレクトリ " + directory + " で別の解析が実行中です。終わるのを待ちます。\n";
}

const char* const kRemoved = "中断された解析の一時ファイルを削除しました。";

// Reads `count` bytes from the pipe, waiting at most ten seconds for each part.
size_t ReadFromPipe(int fd, size_t count) {
  std::string bytes(count, '\0');
  size_t got = 0;
  pollfd ready{fd, POLLIN, 0};
  while (got < count && poll(&ready, 1, 10000) == 1) {
    const ssize_t read_ = read(fd, bytes.data() + got, count - got);
    if (read_ <= 0) break;
    got += static_cast<size_t>(read_);
  }
  return got;
}

}  // namespace

// The trace's temporary file is made a pipe before the run starts: the run writes into it and
// stops, the trace half-written, when the pipe is full; then the signal comes.
TEST(InterruptedRun, ASignalMidTraceLeavesEveryFileWholeAndNoTemporary) {
  struct Case {
    int signal;
    int status;  // -n: ended by signal n
  };
  for (const Case c : {Case{SIGTERM, 143}, Case{SIGINT, 130}, Case{SIGHUP, 129},
                       Case{SIGKILL, -SIGKILL}}) {
    SCOPED_TRACE(strsignal(c.signal));
    ScratchDirectory scratch;
    const BatchCopy batch(scratch);
    const std::string model = scratch.File("frame.txt");
    const std::vector<std::string> outputs = Outputs(batch, scratch.File("frame_res.txt"));
    WriteFileBytes(model, LargeFrame(1));
    ASSERT_EQ(batch.Run({model}).status, 0);
    const OutputSnapshot interruptedModel(outputs);
    WriteFileBytes(model, LargeFrame(0));
    ASSERT_EQ(batch.Run({model}).status, 0);
    const OutputSnapshot earlier(outputs);

    WriteFileBytes(model, LargeFrame(1));
    std::string trace;
    int pipe = -1;
    BatchProcess run(batch.program(), {model}, scratch.File("run"), [&](pid_t pid) {
      trace = batch.File(".NColes.txt.femframe-" + std::to_string(pid) + ".tmp");
      ASSERT_EQ(mkfifo(trace.c_str(), 0600), 0);
      pipe = open(trace.c_str(), O_RDWR);
    });
    EXPECT_EQ(ReadFromPipe(pipe, 4096), 4096u);
    kill(run.pid(), c.signal);
    const BatchResult ended = run.Wait();
    close(pipe);
    EXPECT_EQ(ended.status, c.status);
    EXPECT_EQ(ended.out, "");
    // work1.txt had been completed: it is the new model's; the later files are the earlier run's.
    interruptedModel.ExpectUnchanged({outputs[1], outputs[2], outputs[3]});
    earlier.ExpectUnchanged({outputs[0]});
    const bool killed = c.signal == SIGKILL;
    EXPECT_EQ(TemporaryFilesIn(scratch.path()), killed ? std::vector{trace} : std::vector<std::string>{});

    // The next run removes what the killed run left, says so, and writes the whole set.
    const BatchResult next = batch.Run({model});
    EXPECT_EQ(next.status, 0);
    EXPECT_EQ(next.err, killed ? kRemoved + trace + "\n" : "");
    EXPECT_TRUE(TemporaryFilesIn(scratch.path()).empty());
    interruptedModel.ExpectUnchanged();
  }
}

TEST(InterruptedRun, ARunRemovesOnlyTheTemporariesOfProcessesThatNoLongerExist) {
  ScratchDirectory scratch;
  const BatchCopy batch(scratch, "bin");
  std::filesystem::create_directories(scratch.File("models"));
  std::filesystem::create_directories(scratch.File("other"));
  const std::string model =
      CopyModelFile(ExamplePath("portal_frame.txt"), scratch.File("models/frame.txt"));
  const std::string dead = std::to_string(DeadProcessNumber());
  const std::string live = std::to_string(getpid());
  struct Planted {
    std::string path;
    bool removed;
  };
  const Planted planted[] = {
      {batch.File(".NColes.txt.femframe-" + dead + ".tmp"), true},
      {scratch.File("models/.frame_res.txt.femframe-" + dead + ".tmp"), true},
      {batch.File(".work2.txt.femframe-" + live + ".tmp"), false},         // a live process's
      {scratch.File("models/.notes.txt." + dead + ".tmp"), false},         // not the program's
      {scratch.File("other/.work1.txt.femframe-" + dead + ".tmp"), false},  // not the run's folder
  };
  for (const Planted& file : planted) WriteFileBytes(file.path, "一時ファイル\r\n");

  const BatchResult result = batch.Run({model});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, scratch.File("models/frame_res.txt") + "\n");
  std::string said;
  for (const Planted& file : planted) {
    if (file.removed) said += kRemoved + file.path + "\n";
    EXPECT_EQ(FileExists(file.path), !file.removed) << file.path;
    if (!file.removed) {
      EXPECT_EQ(ReadFileBytes(file.path), "一時ファイル\r\n") << file.path;
    }
  }
  EXPECT_EQ(result.err, said);
}

TEST(SharedWorkDirectory, TwoRunsAtOnceAlwaysGiveTheirOwnReports) {
  ScratchDirectory scratch;
  const BatchCopy batch(scratch);
  struct Model {
    std::string path;
    std::string report;
    std::string work1;                      // its work1.txt when it runs alone
    std::unique_ptr<OutputSnapshot> alone;  // its report and work files when it runs alone
  };
  Model models[2];
  for (int which = 0; which < 2; ++which) {
    Model& model = models[which];
    model.path = scratch.File("frame" + std::to_string(which) + ".txt");
    model.report = scratch.File("frame" + std::to_string(which) + "_res.txt");
    WriteFileBytes(model.path, LargeFrame(which));
    ASSERT_EQ(batch.Run({model.path}).status, 0);
    model.work1 = ReadFileBytes(batch.File("work1.txt"));
    model.alone = std::make_unique<OutputSnapshot>(Outputs(batch, model.report));
  }
  const std::string mayWait = WaitingLine(scratch.path());
  for (int pair = 0; pair < 20; ++pair) {
    SCOPED_TRACE("pair " + std::to_string(pair));
    BatchProcess first(batch.program(), {models[0].path}, scratch.File("first"));
    BatchProcess second(batch.program(), {models[1].path}, scratch.File("second"));
    for (const BatchResult& result : {first.Wait(), second.Wait()}) {
      EXPECT_EQ(result.status, 0);
      EXPECT_TRUE(result.err.empty() || result.err == mayWait) << result.err;
    }
    // Each report is that of its model alone; the work files are all of the run that came last.
    const bool secondLast = ReadFileBytes(batch.File("work1.txt")) == models[1].work1;
    const std::vector<std::string> workFiles = Outputs(batch, "");
    models[secondLast ? 0 : 1].alone->ExpectUnchanged(workFiles);  // its report
    models[secondLast ? 1 : 0].alone->ExpectUnchanged();
  }
}

TEST(SharedWorkDirectory, ARunWaitsForAnotherProcesssLockAndSaysSoOnce) {
  ScratchDirectory scratch;
  const BatchCopy batch(scratch);
  const std::string model = CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("beam.txt"));
  const int held = open(batch.File("femframe.lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  BatchProcess run(batch.program(), {model}, scratch.File("run"));
  const std::string said = WaitingLine(scratch.path());
  for (int wait = 0; wait < 1000 && !(FileExists(scratch.File("run.err")) &&
                                       ReadFileBytes(scratch.File("run.err")) == said);
       ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_FALSE(FileExists(batch.File("work1.txt")));
  close(held);
  const BatchResult result = run.Wait();
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, said);
  EXPECT_TRUE(FileExists(batch.File("work1.txt")));
}

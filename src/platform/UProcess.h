#pragma once
// Starting another program and watching for its end. A program left running when its owner stops watching is
// still reaped once it ends, so no zombie process stays behind.
#include <sys/types.h>
#include <QString>

class TChildProcess {
 public:
  TChildProcess() = default;
  ~TChildProcess();
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  // Starts `program` with `parameters` split as a command line (quotes group words). False when the program
  // could not be started (missing, not executable, refused); nothing runs then.
  bool Start(const QString& program, const QString& parameters);
  // True while the started program has not ended; collects its exit once it has.
  bool Running();
  bool Started() const { return FPid > 0; }
  pid_t Pid() const { return FPid; }

 private:
  pid_t FPid = 0;
  bool FEnded = false;
};

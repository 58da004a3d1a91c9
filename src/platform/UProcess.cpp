#include "UProcess.h"

#include <QFile>
#include <QProcess>

#include <spawn.h>
#include <sys/wait.h>
#include <cerrno>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// Waits for a program nobody watches any more, on a thread of its own, so its exit is collected when it comes.
void Reap_Later(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

TChildProcess::~TChildProcess() {
  if (FPid > 0 && !FEnded && Running()) Reap_Later(FPid);
}

bool TChildProcess::Start(const QString& program, const QString& parameters) {
  if (FPid > 0) return false;
  std::vector<QByteArray> words;
  words.push_back(QFile::encodeName(program));
  for (const QString& word : QProcess::splitCommand(parameters)) words.push_back(word.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  if (::posix_spawn(&pid, words.front().constData(), nullptr, nullptr, argv.data(), environ) != 0) return false;
  FPid = pid;
  FEnded = false;
  return true;
}

bool TChildProcess::Running() {
  if (FPid <= 0 || FEnded) return false;
  int status = 0;
  pid_t r = 0;
  do {
    r = ::waitpid(FPid, &status, WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r == 0) return true;
  // Ended, or already collected elsewhere (ECHILD): either way it no longer runs.
  FEnded = true;
  return false;
}

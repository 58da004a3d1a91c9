#include <gtest/gtest.h>

#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>

#include "TTempFolder.h"
#include "UProcess.h"
#include "UStart_Program.h"

namespace {

class StartProgramTest : public ::testing::Test {
 protected:
  void TearDown() override { Set_Start_Program_Limit_Ms(0); }

  QString Script(const QString& name, const QByteArray& body) {
    Folder.Write(name, "#!/bin/sh\n" + body);
    QFile(Folder.File(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return Folder.File(name);
  }

  // Bounded wait for something another process does; never a timing assertion.
  static bool Eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000; ++i) {
      if (condition()) return true;
      QThread::msleep(10);
    }
    return condition();
  }

  TTempFolder Folder;
};

bool Process_Gone(pid_t pid) {
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

TEST_F(StartProgramTest, AProgramThatEndsAtOnceHasRunWhenTheCallReturns) {
  const QString out = Folder.File("out.txt");
  const QString program = Script("quick.sh", "printf '%s|%s' \"$1\" \"$2\" > \"$3\"\n");
  EXPECT_TRUE(Start_Program(program, "first \"two words\" \"" + out + "\"", 0));
  EXPECT_EQ(Folder.Read("out.txt"), QByteArray("first|two words"));
}

// The wait ends at the limit while the program goes on; once it ends it is reaped, so no zombie is left.
TEST_F(StartProgramTest, AProgramRunningPastTheLimitIsLeftRunningAndReapedWhenItEnds) {
  Set_Start_Program_Limit_Ms(100);
  const QString pid_file = Folder.File("pid.txt");
  const QString program = Script("slow.sh", "echo $$ > \"$1\"\nexec sleep 30\n");
  EXPECT_TRUE(Start_Program(program, "\"" + pid_file + "\"", 1));
  ASSERT_TRUE(Eventually([&] { return !Folder.Read("pid.txt").trimmed().isEmpty(); }));
  const pid_t pid = Folder.Read("pid.txt").trimmed().toInt();
  ASSERT_GT(pid, 0);
  EXPECT_EQ(::kill(pid, 0), 0) << "the program must still run after the wait";
  ::kill(pid, SIGTERM);
  // A zombie still answers kill(pid, 0); only a reaped process is gone.
  EXPECT_TRUE(Eventually([&] { return Process_Gone(pid); }));
}

TEST_F(StartProgramTest, AProgramThatCannotStartStartsNothing) {
  Folder.Write("not_executable.sh", "#!/bin/sh\ntouch \"$0.ran\"\n");
  const QString cases[] = {Folder.File("missing.exe"), Folder.File("not_executable.sh"), Folder.Path(), QString()};
  for (const QString& program : cases) {
    TChildProcess process;
    EXPECT_FALSE(process.Start(program, QString())) << program.toStdString();
    EXPECT_FALSE(process.Started());
    EXPECT_FALSE(process.Running());
    EXPECT_FALSE(Start_Program(program, QString(), 0)) << program.toStdString();
  }
  EXPECT_FALSE(QFile::exists(Folder.File("not_executable.sh.ran")));
}

TEST_F(StartProgramTest, AChildProcessReportsItsEnd) {
  TChildProcess process;
  ASSERT_TRUE(process.Start(Script("wait.sh", "exec sleep 30\n"), QString()));
  const pid_t pid = process.Pid();
  EXPECT_TRUE(process.Running());
  ::kill(pid, SIGTERM);
  EXPECT_TRUE(Eventually([&] { return !process.Running(); }));
  EXPECT_TRUE(Process_Gone(pid));
}

#include "TExport_Check.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "TTestData.h"

void Expect_Same_As_File(const QByteArray& bytes, const QString& name) {
  QFile file(Test_Data(QStringLiteral("exporters/") + name));
  if (!file.open(QIODevice::ReadOnly)) {
    QFile out(QDir::temp().filePath(name));
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
    ADD_FAILURE() << "no expected file " << name.toStdString() << "; written to " << out.fileName().toStdString();
    return;
  }
  const QByteArray expected = file.readAll();
  if (expected == bytes) return;
  const QList<QByteArray> want = expected.split('\n');
  const QList<QByteArray> got = bytes.split('\n');
  for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
    const QByteArray w = i < want.size() ? want[i] : QByteArray("<none>");
    const QByteArray g = i < got.size() ? got[i] : QByteArray("<none>");
    if (w != g) {
      ADD_FAILURE() << name.toStdString() << " line " << i + 1 << "\n want: " << w.toStdString()
                    << "\n  got: " << g.toStdString();
      return;
    }
  }
}

TCheck_Run Run_Checker(const QString& program, const QStringList& arguments, const QString& working_dir,
                       const QStringList& environment) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const QString& setting : environment) env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (!working_dir.isEmpty()) process.setWorkingDirectory(working_dir);
  process.start(program, arguments);
  TCheck_Run run;
  if (!process.waitForStarted(10000) || !process.waitForFinished(30000)) {
    run.Output = QStringLiteral("%1 did not run: %2").arg(program, process.errorString());
    return run;
  }
  run.Exit_Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.Output = QString::fromLocal8Bit(process.readAll());
  return run;
}

#include "UPing_Program.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

#include "UPing.h"

namespace {
constexpr qsizetype Max_Pattern_Bytes = 16;
constexpr int32_t Largest_Data_Size = 65507;

QString Find_Ping_Program() {
  const QString name = QStringLiteral("ping");
  QString found = QStandardPaths::findExecutable(name);
  // A desktop session's PATH may lack the system folders.
  if (found.isEmpty())
    found = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
  return found;
}
}  // namespace

QStringList Ping_Program_Arguments(const QString& address, const TEchoRequest& request) {
  // "-W 0" would wait for ever; the program reads the timeout in seconds, with a dot whatever the locale.
  const int32_t timeout_ms = qMax(1, request.Receive_Timeout_Ms);
  QStringList arguments{QStringLiteral("-n"),
                        QStringLiteral("-c"),
                        QStringLiteral("1"),
                        QStringLiteral("-s"),
                        QString::number(qBound(0, request.Packet_Size, Largest_Data_Size)),
                        QStringLiteral("-W"),
                        QString::number(timeout_ms / 1000.0, 'f', 3)};
  const QByteArray pattern = request.Data.left(Max_Pattern_Bytes);
  if (!pattern.isEmpty()) arguments << QStringLiteral("-p") << QString::fromLatin1(pattern.toHex());
  arguments << address;
  return arguments;
}

int32_t Ping_Program_Reply_Size(const QByteArray& output) {
  static const QRegularExpression reply(QStringLiteral("^(\\d+) bytes from "), QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = reply.match(QString::fromLocal8Bit(output));
  if (!match.hasMatch()) return 0;
  bool ok = false;
  const int32_t size = match.captured(1).toInt(&ok);
  return ok ? size : 0;
}

bool Ping_Program_Refused(const QByteArray& output) {
  return output.contains("Operation not permitted") || output.contains("Permission denied");
}

TPing_Program_Run Run_System_Ping_Program(const QStringList& arguments, int32_t limit_ms) {
  TPing_Program_Run run;
  const QString program = Find_Ping_Program();
  if (program.isEmpty()) return run;
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // Its reply line is read, so it must not be translated.
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForStarted(limit_ms)) return run;
  run.Started = true;
  if (!process.waitForFinished(limit_ms)) {
    process.kill();
    process.waitForFinished(1000);
    run.Output = process.readAll();
    return run;
  }
  run.Output = process.readAll();
  run.Exit_Code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return run;
}

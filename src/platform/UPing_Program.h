#pragma once
// The system's ping program as the last way to send an ICMP echo: where this user may open no ICMP socket, the
// program (which the system installs with the privilege to send ICMP) sends the echo for us.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

struct TEchoRequest;

// One run of the ping program.
struct TPing_Program_Run {
  // False when the program is missing or could not be started.
  bool Started = false;
  // The exit code; -1 when the program had to be stopped at its time limit.
  int Exit_Code = -1;
  // Standard output and standard error together.
  QByteArray Output;
};

// The program's arguments for one echo to `address` (dotted decimal, so the program asks no resolver): one echo,
// the request's data size and reply timeout, and the request's data (at most 16 bytes, which the program repeats
// over the data area) as the fill pattern.
QStringList Ping_Program_Arguments(const QString& address, const TEchoRequest& request);

// The size of the ICMP reply (header and data) from the program's "<n> bytes from" line, 0 when no such line.
int32_t Ping_Program_Reply_Size(const QByteArray& output);

// True when the program's output says that it itself may not send ICMP.
bool Ping_Program_Refused(const QByteArray& output);

// Runs the system's ping program (looked up on PATH, then in /usr/bin and /bin) with `arguments` in the C locale,
// stopping it after limit_ms.
TPing_Program_Run Run_System_Ping_Program(const QStringList& arguments, int32_t limit_ms);

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include "UValidators.h"

// Port numbers as the update window shows them ("COM" + n), mapped onto the Linux serial devices: on-board ports
// first, then USB serial adapters, then USB modems (CDC ACM), within the 1..256 the port list has always had.
namespace {

struct TPortRange {
  const char* Prefix;
  int32_t First_Number;
  int32_t Count;
};

constexpr TPortRange Port_Ranges[] = {
    {"ttyS", 1, 64},
    {"ttyUSB", 65, 64},
    {"ttyACM", 129, 128},
};

const QString Device_Folder = QStringLiteral("/dev");

// A port in use by another program still counts as present; a device node without hardware behind it does not.
bool Port_Present(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return errno == EACCES || errno == EBUSY;
}

}  // namespace

QString COM_Port_Device_Name(int32_t n) {
  for (const TPortRange& range : Port_Ranges) {
    if (n >= range.First_Number && n < range.First_Number + range.Count)
      return Device_Folder + u'/' + QLatin1String(range.Prefix) + QString::number(n - range.First_Number);
  }
  return QString();
}

QStringList List_COM_Ports_In(const QString& device_folder) {
  QStringList ports;
  for (const TPortRange& range : Port_Ranges) {
    for (int32_t k = 0; k < range.Count; ++k) {
      const QString path = device_folder + u'/' + QLatin1String(range.Prefix) + QString::number(k);
      if (QFileInfo::exists(path) && Port_Present(path)) ports.append(QString::number(range.First_Number + k));
    }
  }
  return ports;
}

QStringList List_COM_Ports() {
  return List_COM_Ports_In(Device_Folder);
}

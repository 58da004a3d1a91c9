#include "URegistry.h"

#include <QSettings>
#include <mutex>

#include "Exception.h"

namespace {

// A key made without values is kept alive by this marker value, which readers never show.
const QString Key_Marker = QStringLiteral(".key");

std::mutex& File_Lock() {
  static std::mutex lock;
  return lock;
}

QString& File_Path() {
  static QString path;
  return path;
}

std::unique_ptr<QSettings> Open_Store() {
  const QString path = RegistryFile();
  if (path.isEmpty()) return std::make_unique<QSettings>(QStringLiteral("Tarn10"), QStringLiteral("registry"));
  return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

void Collect(QSettings& s, const QString& prefix, std::map<QString, QVariant>& into) {
  for (const QString& key : s.childKeys()) {
    if (key != Key_Marker) into[prefix + key] = s.value(key);
  }
  for (const QString& group : s.childGroups()) {
    into[prefix + group + QStringLiteral("\\")] = QVariant();
    s.beginGroup(group);
    Collect(s, prefix + group + QStringLiteral("\\"), into);
    s.endGroup();
  }
}

}  // namespace

void SetRegistryFile(const QString& path) {
  std::lock_guard<std::mutex> guard(File_Lock());
  File_Path() = path;
}

QString RegistryFile() {
  std::lock_guard<std::mutex> guard(File_Lock());
  return File_Path();
}

TRegistry::TRegistry() : FSettings(Open_Store()) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(TRootKey root) {
  CloseKey();
  FRootKey = root;
}

QString TRegistry::Group_Of(TRootKey root, const QString& path) {
  QString p = path;
  p.replace(QLatin1Char('\\'), QLatin1Char('/'));
  while (p.startsWith(QLatin1Char('/'))) p.remove(0, 1);
  while (p.endsWith(QLatin1Char('/'))) p.chop(1);
  const QString rootName = root == TRootKey::HKEY_LOCAL_MACHINE ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                                                : QStringLiteral("HKEY_CURRENT_USER");
  return p.isEmpty() ? rootName : rootName + QLatin1Char('/') + p;
}

bool TRegistry::KeyExists(const QString& path) const {
  FSettings->sync();
  const QString group = Group_Of(FRootKey, path);
  const int cut = group.lastIndexOf(QLatin1Char('/'));
  if (cut < 0) return true;
  FSettings->beginGroup(group.left(cut));
  const bool found = FSettings->childGroups().contains(group.mid(cut + 1));
  FSettings->endGroup();
  return found;
}

bool TRegistry::OpenKey(const QString& path, bool canCreate) {
  CloseKey();
  if (!KeyExists(path)) {
    if (!canCreate) return false;
    FSettings->setValue(Group_Of(FRootKey, path) + QLatin1Char('/') + Key_Marker, QString());
    FSettings->sync();
  }
  FCurrentPath = path;
  FOpen = true;
  FReadOnly = false;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& path) {
  if (!OpenKey(path, false)) return false;
  FReadOnly = true;
  return true;
}

void TRegistry::CloseKey() {
  FOpen = false;
  FReadOnly = false;
  FCurrentPath.clear();
}

bool TRegistry::ValueExists(const QString& name) const {
  return FOpen && FSettings->contains(Group_Of(FRootKey, FCurrentPath) + QLatin1Char('/') + name);
}

int32_t TRegistry::ReadInteger(const QString& name) const {
  bool ok = false;
  const int32_t value =
      ValueExists(name) ? FSettings->value(Group_Of(FRootKey, FCurrentPath) + QLatin1Char('/') + name).toInt(&ok) : 0;
  if (!ok) throw EConvertError(QStringLiteral("Invalid data type for '%1'").arg(name));
  return value;
}

QString TRegistry::ReadString(const QString& name) const {
  if (!ValueExists(name)) return {};
  return FSettings->value(Group_Of(FRootKey, FCurrentPath) + QLatin1Char('/') + name).toString();
}

void TRegistry::WriteInteger(const QString& name, int32_t value) {
  if (!FOpen || FReadOnly) throw Exception(QStringLiteral("Failed to set data for '%1'").arg(name));
  FSettings->setValue(Group_Of(FRootKey, FCurrentPath) + QLatin1Char('/') + name, value);
  FSettings->sync();
}

void TRegistry::WriteString(const QString& name, const QString& value) {
  if (!FOpen || FReadOnly) throw Exception(QStringLiteral("Failed to set data for '%1'").arg(name));
  FSettings->setValue(Group_Of(FRootKey, FCurrentPath) + QLatin1Char('/') + name, value);
  FSettings->sync();
}

bool TRegistry::DeleteValue(const QString& name) {
  if (!ValueExists(name) || FReadOnly) return false;
  FSettings->remove(Group_Of(FRootKey, FCurrentPath) + QLatin1Char('/') + name);
  FSettings->sync();
  return true;
}

bool TRegistry::DeleteKey(const QString& path) {
  if (!KeyExists(path)) return false;
  FSettings->remove(Group_Of(FRootKey, path));
  FSettings->sync();
  return true;
}

std::map<QString, QVariant> TRegistry::Snapshot(TRootKey root, const QString& path) {
  std::map<QString, QVariant> values;
  std::unique_ptr<QSettings> s = Open_Store();
  s->beginGroup(Group_Of(root, path));
  Collect(*s, QString(), values);
  s->endGroup();
  return values;
}

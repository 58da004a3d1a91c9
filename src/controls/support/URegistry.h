#pragma once
// The per-user settings registry: keys with backslash paths holding named values, stored through QSettings in
// one file (the native per-user store unless tests point it elsewhere). Keys exist while they hold a value or a
// sub-key, or once created explicitly.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <map>
#include <memory>

class QSettings;

enum class TRootKey : intptr_t {
  HKEY_CURRENT_USER = intptr_t(0x80000001),
  HKEY_LOCAL_MACHINE = intptr_t(0x80000002)
};

// The store file of every registry accessor from now on; empty restores the native per-user store.
void SetRegistryFile(const QString& path);
QString RegistryFile();

class TRegistry {
 public:
  TRegistry();
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  TRootKey RootKey() const { return FRootKey; }
  void SetRootKey(TRootKey root);

  bool KeyExists(const QString& path) const;
  // Opens the key; with canCreate a missing key is made. False (nothing open) otherwise.
  bool OpenKey(const QString& path, bool canCreate);
  bool OpenKeyReadOnly(const QString& path);
  void CloseKey();
  QString CurrentPath() const { return FCurrentPath; }

  bool ValueExists(const QString& name) const;
  // The integer value; EConvertError when it is missing or not a number.
  int32_t ReadInteger(const QString& name) const;
  QString ReadString(const QString& name) const;
  void WriteInteger(const QString& name, int32_t value);
  void WriteString(const QString& name, const QString& value);
  bool DeleteValue(const QString& name);
  bool DeleteKey(const QString& path);

  // Every value under the key and its sub-keys, by relative name: what a change watch compares.
  static std::map<QString, QVariant> Snapshot(TRootKey root, const QString& path);

 private:
  static QString Group_Of(TRootKey root, const QString& path);
  std::unique_ptr<QSettings> FSettings;
  TRootKey FRootKey = TRootKey::HKEY_CURRENT_USER;
  QString FCurrentPath;
  bool FOpen = false;
  bool FReadOnly = false;
};

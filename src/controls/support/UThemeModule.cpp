#include "UThemeModule.h"

#include <mutex>

namespace {

std::mutex& Provider_Lock() {
  static std::mutex lock;
  return lock;
}

TThemeModuleProvider& Provider() {
  static TThemeModuleProvider provider;
  return provider;
}

}  // namespace

void SetThemeModuleProvider(TThemeModuleProvider provider) {
  std::lock_guard<std::mutex> guard(Provider_Lock());
  Provider() = std::move(provider);
}

TThemeModuleHandle LoadThemeModule(const QString& fileName) {
  if (fileName.compare(QStringLiteral("UXTHEME.DLL"), Qt::CaseInsensitive) != 0) return nullptr;
  TThemeModuleProvider provider;
  {
    std::lock_guard<std::mutex> guard(Provider_Lock());
    provider = Provider();
  }
  return provider ? provider() : nullptr;
}

QString ColorSchemeOf(TGetCurrentThemeName getCurrentThemeName) {
  char16_t file[255] = {}, color[255] = {}, size[255] = {};
  if (getCurrentThemeName(file, 255, color, 255, size, 255) != S_OK) return {};
  color[254] = 0;
  return QString::fromUtf16(color);
}

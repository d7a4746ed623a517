// The settings file reader on arbitrary bytes: reading any key, and writing a key, which
// must then read back and leave every other key readable as before.
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/files.hpp"
#include "platform/profile_file.hpp"
#include "platform/profile_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  (void)FindProfileValue(text, "配置", "计算精度");
  const auto other = FindProfileValue(text, "Other", "x");
  const std::string written = SetProfileValue(text, "配置", "计算精度", "12");
  if (FindProfileValue(written, "配置", "计算精度") != "12") std::abort();
  if (FindProfileValue(written, "Other", "x") != other) std::abort();

  // The same bytes as a file on disk, GBK or UTF-8 as they come. Files are slow to
  // write, so only some inputs take this way.
  if (size == 0 || data[0] % 64 != 0) return 0;
  static QTemporaryDir directory;
  const QString path = QDir(directory.path()).filePath("配置.ini");
  if (!WriteFileAtomically(path, QByteArray(text.data(), qsizetype(text.size())))) std::abort();
  (void)ReadProfileString(path, "配置", "小数保留位数");
  if (!WriteProfileString(path, "配置", "小数保留位数", "7")) std::abort();
  if (ReadProfileString(path, "配置", "小数保留位数") != "7") std::abort();
  return 0;
}

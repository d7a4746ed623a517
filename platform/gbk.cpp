#include "platform/gbk.hpp"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

QByteArray EncodeGbk(const QString &text) {
  QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) return text.toLatin1();
  QByteArray bytes = encoder.encode(text);
  if (!encoder.hasError()) return bytes;
  // Some character is outside GBK: encode one by one so that each such character costs
  // one "?" and never the rest of the text.
  bytes.clear();
  for (char32_t c : text.toUcs4()) {
    QStringEncoder single("GBK", QStringConverter::Flag::Stateless);
    const QByteArray encoded = single.encode(QString::fromUcs4(&c, 1));
    bytes += single.hasError() || encoded.isEmpty() ? QByteArray("?") : encoded;
  }
  return bytes;
}

QString DecodeGbk(const QByteArray &bytes) {
  QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
  if (!decoder.isValid()) return QString::fromLatin1(bytes);
  return decoder.decode(bytes);
}

bool IsValidUtf8(const QByteArray &bytes) {
  const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
  for (qsizetype i = 0; i < bytes.size();) {
    const unsigned char lead = byte(i);
    qsizetype length;
    char32_t code;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (qsizetype k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
      code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

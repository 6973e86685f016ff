// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon as the program draws it: a 32 x 32 PNG file, or,
// for a name ending in ".ico", a Windows icon holding the 32 x 32 image in
// 256 colours and larger renderings of the same design.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <array>
#include <vector>

#include "toolkit/appearance.h"

namespace {

constexpr std::array kLargerSizes{48, 64, 128, 256};

void Append16(QByteArray& out, int value) {
  const auto little = qToLittleEndian(static_cast<quint16>(value));
  out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void Append32(QByteArray& out, qint64 value) {
  const auto little = qToLittleEndian(static_cast<quint32>(value));
  out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Rows of bits or bytes in a bitmap are padded to whole 32-bit words.
int PaddedRow(int bytes) { return (bytes + 3) / 4 * 4; }

// The classic icon image: a device-independent bitmap of 8 bits a pixel with
// its 256-colour palette, stored bottom-up, then the 1-bit mask of the
// transparent pixels. The height in the header counts both.
QByteArray IndexedBitmap(const QImage& argb) {
  const int size = argb.width();
  QImage opaque(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = argb.pixel(x, y);
      opaque.setPixel(x, y, qAlpha(pixel) >= 128 ? pixel | 0xff000000U : 0xff000000U);
    }
  }
  const QImage indexed =
      opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  QByteArray out;
  Append32(out, 40);
  Append32(out, size);
  Append32(out, 2 * static_cast<qint64>(size));  // the image and its mask
  Append16(out, 1);                              // planes
  Append16(out, 8);                              // bits a pixel
  Append32(out, 0);                              // no compression
  Append32(out, 0);
  Append32(out, 0);
  Append32(out, 0);
  Append32(out, 256);  // colours in the palette
  Append32(out, 0);
  for (int i = 0; i < 256; ++i) {
    const QRgb colour = i < indexed.colorCount() ? indexed.color(i) : 0;
    out.append(static_cast<char>(qBlue(colour)));
    out.append(static_cast<char>(qGreen(colour)));
    out.append(static_cast<char>(qRed(colour)));
    out.append('\0');
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(PaddedRow(size), '\0');
    for (int x = 0; x < size; ++x) {
      row[x] = static_cast<char>(indexed.pixelIndex(x, y));
    }
    out.append(row);
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(PaddedRow((size + 7) / 8), '\0');
    for (int x = 0; x < size; ++x) {
      if (qAlpha(argb.pixel(x, y)) < 128) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(row);
  }
  return out;
}

QByteArray Png(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

// The icon file: its directory, then each image (the larger ones as PNG,
// which Windows reads in icons since Vista).
QByteArray IconFile() {
  struct Entry {
    int size;
    int bitsPerPixel;
    int colours;
    QByteArray data;
  };
  std::vector<Entry> entries{
      {quorvane::kIconSize, 8, 256, IndexedBitmap(quorvane::WindowIconImage(quorvane::kIconSize))}};
  for (const int size : kLargerSizes) {
    entries.push_back({size, 32, 0, Png(quorvane::WindowIconImage(size))});
  }
  QByteArray out;
  Append16(out, 0);
  Append16(out, 1);  // an icon, not a cursor
  Append16(out, static_cast<int>(entries.size()));
  qint64 offset = 6 + 16 * static_cast<qint64>(entries.size());
  for (const Entry& entry : entries) {
    out.append(static_cast<char>(entry.size % 256));  // 256 is written 0
    out.append(static_cast<char>(entry.size % 256));
    out.append(static_cast<char>(entry.colours % 256));
    out.append('\0');
    Append16(out, 1);
    Append16(out, entry.bitsPerPixel);
    Append32(out, entry.data.size());
    Append32(out, offset);
    offset += entry.data.size();
  }
  for (const Entry& entry : entries) {
    out.append(entry.data);
  }
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    return 2;
  }
  const QGuiApplication application(argc, argv);
  const QString path = QString::fromLocal8Bit(argv[1]);
  if (!path.endsWith(QStringLiteral(".ico"))) {
    return quorvane::WindowIconImage(quorvane::kIconSize).save(path) ? 0 : 1;
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(IconFile()) > 0 ? 0 : 1;
}

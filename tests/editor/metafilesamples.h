#pragma once

#include <QByteArray>
#include <QRect>
#include <QtEndian>

#include <initializer_list>

// Small Windows metafiles written record by record: a black filled
// rectangle without outline on a picture of the given size.
namespace metafile_samples {

inline void Put32(QByteArray& out, quint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  out.append(bytes, 4);
}

inline void Put16(QByteArray& out, quint16 value) {
  char bytes[2];
  qToLittleEndian(value, bytes);
  out.append(bytes, 2);
}

inline QByteArray EmfRecord(quint32 type, std::initializer_list<qint32> params) {
  QByteArray record;
  Put32(record, type);
  Put32(record, static_cast<quint32>(8 + 4 * params.size()));
  for (qint32 param : params) Put32(record, static_cast<quint32>(param));
  return record;
}

// An EMF picture of size pixels; bar is in device pixels, right and bottom excluded.
inline QByteArray Emf(QSize size, QRect bar) {
  constexpr qint32 kNullPen = static_cast<qint32>(0x80000008);
  QByteArray body;
  body += EmfRecord(39, {1, 0, 0x000000, 0});  // CREATEBRUSHINDIRECT: handle 1, solid black
  body += EmfRecord(37, {1});                  // SELECTOBJECT
  body += EmfRecord(37, {kNullPen});
  body += EmfRecord(43, {bar.left(), bar.top(), bar.right() + 1, bar.bottom() + 1});  // RECTANGLE
  body += EmfRecord(14, {0, 16, 20});                                                 // EOF
  const int width = size.width();
  const int height = size.height();
  QByteArray header = EmfRecord(1, {0,
                                    0,
                                    width - 1,
                                    height - 1,
                                    0,
                                    0,
                                    width * 26,
                                    height * 26,
                                    0x464D4520,
                                    0x10000,
                                    88 + static_cast<qint32>(body.size()),
                                    6,
                                    2,
                                    0,
                                    0,
                                    0,
                                    1024,
                                    768,
                                    270,
                                    203});
  return header + body;
}

inline QByteArray WmfRecord(quint16 function, std::initializer_list<qint16> params) {
  QByteArray record;
  Put32(record, static_cast<quint32>(3 + params.size()));
  Put16(record, function);
  for (qint16 param : params) Put16(record, static_cast<quint16>(param));
  return record;
}

// A WMF picture with a placeable header of size logical units at unitsPerInch.
inline QByteArray Wmf(QSize size, int unitsPerInch, QRect bar) {
  QByteArray body;
  body += WmfRecord(0x020B, {0, 0});                                                                   // SETWINDOWORG
  body += WmfRecord(0x020C, {static_cast<qint16>(size.height()), static_cast<qint16>(size.width())});  // SETWINDOWEXT
  body += WmfRecord(0x02FC, {0, 0, 0, 0});     // CREATEBRUSHINDIRECT: solid black
  body += WmfRecord(0x012D, {0});              // SELECTOBJECT
  body += WmfRecord(0x01FA, {5, 0, 0, 0, 0});  // CREATEPENINDIRECT: PS_NULL
  body += WmfRecord(0x012D, {1});
  body += WmfRecord(0x041B, {static_cast<qint16>(bar.bottom() + 1), static_cast<qint16>(bar.right() + 1),
                             static_cast<qint16>(bar.top()), static_cast<qint16>(bar.left())});  // RECTANGLE
  body += WmfRecord(0x0000, {});                                                                 // EOF
  QByteArray header;
  Put16(header, 1);
  Put16(header, 9);
  Put16(header, 0x300);
  Put32(header, static_cast<quint32>((18 + body.size()) / 2));
  Put16(header, 2);
  Put32(header, 8);
  Put16(header, 0);
  QByteArray placeable;
  Put32(placeable, 0x9AC6CDD7);
  for (int value : {0, 0, 0, size.width(), size.height(), unitsPerInch, 0, 0})
    Put16(placeable, static_cast<quint16>(value));
  quint16 checksum = 0;
  for (int i = 0; i < 20; i += 2) checksum ^= qFromLittleEndian<quint16>(placeable.constData() + i);
  Put16(placeable, checksum);
  return placeable + header + body;
}

}  // namespace metafile_samples

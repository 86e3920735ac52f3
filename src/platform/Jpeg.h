#pragma once
// JPEG decoding through libjpeg. Damaged data fails cleanly with a message;
// pictures larger than MaxJpegPixels are refused.
#include <QByteArray>
#include <QImage>
#include <QString>

constexpr long long MaxJpegPixels = 16LL * 1024 * 1024;

bool IsJpegData(const QByteArray& Data);
// Decodes into an opaque 32-bit image; on failure returns false, leaves Image
// null and describes the fault in Error.
bool DecodeJpeg(const QByteArray& Data, QImage& Image, QString& Error);

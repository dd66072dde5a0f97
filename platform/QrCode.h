#pragma once
// A link as a QR code a phone's camera opens.
#include <QImage>
#include <QString>

namespace corvane::platform {

// One pixel per module, black on white with the quiet zone around it; a null
// image when the text cannot be encoded.
QImage qrCode(const QString& text);

} // namespace corvane::platform

#include "platform/QrCode.h"

#include <memory>
#include <qrencode.h>

namespace corvane::platform {
namespace {

// The white margin readers need around the code, in modules.
constexpr int quietZone = 4;

struct FreeCode {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QImage qrCode(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, FreeCode> code(
        QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code) {
        return {};
    }
    const int width = code->width;
    QImage image(width + 2 * quietZone, width + 2 * quietZone, QImage::Format_Mono);
    image.fill(1);
    // Bit 0 of each module's byte is set for a dark module.
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((code->data[y * width + x] & 1) != 0) {
                image.setPixel(x + quietZone, y + quietZone, 0);
            }
        }
    }
    return image;
}

} // namespace corvane::platform

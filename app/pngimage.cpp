#include "app/pngimage.h"

#include <png.h>

#include <QFile>
#include <QImage>

namespace rowsmith {

QImage decodePng(std::span<const unsigned char> bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        return {};
    png.format = PNG_FORMAT_RGBA;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height),
                 QImage::Format_RGBA8888);
    // One byte per component, so a row stride in components is one in bytes.
    if (image.isNull() ||
        !png_image_finish_read(&png, nullptr, image.bits(), image.bytesPerLine(), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image;
}

QImage embeddedImage(const QString& name) {
    QFile file(QStringLiteral(":/icons/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return decodePng({reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size())});
}

} // namespace rowsmith

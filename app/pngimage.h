#pragma once

// The PNG images held in the executable (resources/icons), decoded with libpng.

#include <span>

class QImage;
class QString;

namespace rowsmith {

// The image with its transparency, or a null image when the bytes are not a readable PNG.
QImage decodePng(std::span<const unsigned char> bytes);

// One of the embedded images by file name, such as "about.png"; null when there is none.
QImage embeddedImage(const QString& name);

} // namespace rowsmith

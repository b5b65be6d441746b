#include "shell/images/draw_images.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t ReadLittleEndian(const Bytes& bytes, std::size_t offset, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes.at(offset + i);
  return value;
}

struct Field {
  const char* name;
  std::size_t offset;
  int width;
  std::uint32_t expected;
};

void ExpectFields(const Bytes& file, const std::vector<Field>& fields) {
  for (const Field& f : fields) {
    EXPECT_EQ(ReadLittleEndian(file, f.offset, f.width), f.expected) << f.name << " at byte " << f.offset;
  }
}

TEST(ImagesTest, PickerCursorHeaderFields) {
  const Bytes file = DrawPickerCursor();
  ASSERT_EQ(file.size(), 3782u);
  ExpectFields(file, {
                         {"reserved", 0, 2, 0},
                         {"type: cursor", 2, 2, 2},
                         {"image count", 4, 2, 1},
                         {"entry width", 6, 1, 30},
                         {"entry height", 7, 1, 30},
                         {"entry colour count", 8, 1, 0},
                         {"entry reserved", 9, 1, 0},
                         {"hot spot x", 10, 2, 0},
                         {"hot spot y", 12, 2, 0},
                         {"bytes in image", 14, 4, 3760},
                         {"image offset", 18, 4, 22},
                         {"bitmap header size", 22, 4, 40},
                         {"bitmap width", 26, 4, 30},
                         {"bitmap height: colour and mask", 30, 4, 60},
                         {"planes", 34, 2, 1},
                         {"bits per pixel", 36, 2, 32},
                         {"compression: BI_RGB", 38, 4, 0},
                     });
}

TEST(ImagesTest, TrayIconHeaderFields) {
  const Bytes file = DrawTrayIcon();
  ASSERT_EQ(file.size(), 4286u);
  ExpectFields(file, {
                         {"reserved", 0, 2, 0},
                         {"type: icon", 2, 2, 1},
                         {"image count", 4, 2, 1},
                         {"entry width", 6, 1, 32},
                         {"entry height", 7, 1, 32},
                         {"entry colour count", 8, 1, 0},
                         {"entry reserved", 9, 1, 0},
                         {"entry planes", 10, 2, 1},
                         {"entry bits per pixel", 12, 2, 32},
                         {"bytes in image", 14, 4, 4264},
                         {"image offset", 18, 4, 22},
                         {"bitmap header size", 22, 4, 40},
                         {"bitmap width", 26, 4, 32},
                         {"bitmap height: colour and mask", 30, 4, 64},
                         {"planes", 34, 2, 1},
                         {"bits per pixel", 36, 2, 32},
                         {"compression: BI_RGB", 38, 4, 0},
                     });
}

// Reads pixels of a one-image, 32-bit icon or cursor file by their on-screen position
// (y down), although the file stores the bottom row first.
class ImageView {
 public:
  ImageView(const Bytes& file, int size) : file_(file), size_(size) {}

  unsigned alpha(int x, int y) const { return file_.at(PixelOffset(x, y) + 3); }

  bool maskBit(int x, int y) const {
    const std::size_t maskStart = kPixelsStart + static_cast<std::size_t>(size_) * size_ * 4;
    const std::size_t byte = maskStart + static_cast<std::size_t>(StoredRow(y)) * kMaskRowBytes + x / 8;
    return (file_.at(byte) >> (7 - x % 8)) & 1;
  }

 private:
  static constexpr std::size_t kPixelsStart = 22 + 40;
  static constexpr std::size_t kMaskRowBytes = 4;  // up to 32 pixels a row

  int StoredRow(int y) const { return size_ - 1 - y; }
  std::size_t PixelOffset(int x, int y) const {
    return kPixelsStart + (static_cast<std::size_t>(StoredRow(y)) * size_ + x) * 4;
  }

  const Bytes& file_;
  int size_;
};

struct ImageCase {
  const char* name;
  Bytes (*draw)();
  int size;
};

const ImageCase kImages[] = {
    {"picker cursor", DrawPickerCursor, 30},
    {"tray icon", DrawTrayIcon, 32},
};

// The AND mask is what older paths draw with; it has to cut out exactly the
// transparent pixels, and the picture must be a drawing on a see-through background.
TEST(ImagesTest, AndMaskMarksExactlyTheTransparentPixels) {
  for (const ImageCase& image : kImages) {
    SCOPED_TRACE(image.name);
    const Bytes file = image.draw();
    const ImageView view(file, image.size);
    int opaque = 0, transparent = 0;
    for (int y = 0; y < image.size; ++y) {
      for (int x = 0; x < image.size; ++x) {
        const unsigned alpha = view.alpha(x, y);
        EXPECT_EQ(view.maskBit(x, y), alpha == 0) << "pixel (" << x << ", " << y << ") alpha " << alpha;
        if (alpha == 255) ++opaque;
        if (alpha == 0) ++transparent;
      }
    }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(transparent, 0);
  }
}

// The pointer picks the window under its hot spot, the top-left pixel; that pixel must
// be part of the drawing, or the user would aim with a point they cannot see.
TEST(ImagesTest, PickerCursorHotSpotPixelIsOpaque) {
  const Bytes file = DrawPickerCursor();
  const ImageView view(file, 30);
  EXPECT_EQ(view.alpha(0, 0), 255u);
  EXPECT_FALSE(view.maskBit(0, 0));
}

#ifdef TOVRIN_IMAGES_DIR
Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << path;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The build embeds the committed files; they must be what the drawing code makes now.
TEST(ImagesTest, CommittedFilesMatchTheDrawing) {
  const std::string dir = TOVRIN_IMAGES_DIR;
  EXPECT_TRUE(ReadFile(dir + "/picker.cur") == DrawPickerCursor())
      << "picker.cur is stale: rerun make_images " << dir;
  EXPECT_TRUE(ReadFile(dir + "/tovrin.ico") == DrawTrayIcon()) << "tovrin.ico is stale: rerun make_images " << dir;
}
#endif

}  // namespace

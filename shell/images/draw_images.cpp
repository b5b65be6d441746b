#include "shell/images/draw_images.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// ---- Drawing --------------------------------------------------------------------
// Shapes are tests "is this point inside?" in pixel units, y pointing down, pixel
// (x, y) covering [x, x+1) x [y, y+1). Each pixel is sampled on a fine grid, so edges
// come out anti-aliased while the result stays a plain function of the geometry.

struct Colour {
  double r, g, b, a;  // straight (not premultiplied), 0..1
};

Colour Rgb(std::uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1.0};
}

struct Point {
  double x, y;
};

constexpr int kSamplesPerAxis = 8;

// Premultiplied RGBA, top row first.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), pixels_(Size()) {}

  int width() const { return width_; }
  int height() const { return height_; }

  // Paints `colour` over the canvas wherever `inside` holds, weighted by coverage.
  template <typename Inside>
  void Fill(const Inside& inside, Colour colour) {
    constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        int hits = 0;
        for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
          for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
            if (inside(x + (sx + 0.5) / kSamplesPerAxis, y + (sy + 0.5) / kSamplesPerAxis)) ++hits;
          }
        }
        if (hits == 0) continue;
        double alpha = colour.a * hits / kSamples;
        Over(x, y, {colour.r * alpha, colour.g * alpha, colour.b * alpha, alpha});
      }
    }
  }

  // Paints a pixel drawing at the top-left corner: one text row per pixel row, one
  // character per pixel, looked up in `palette`; other characters leave the pixel be.
  void Paint(std::initializer_list<const char*> rows,
             std::initializer_list<std::pair<char, Colour>> palette) {
    int y = 0;
    for (const char* row : rows) {
      for (int x = 0; row[x] != '\0'; ++x) {
        for (const auto& [key, colour] : palette) {
          if (row[x] == key) Over(x, y, {colour.r * colour.a, colour.g * colour.a, colour.b * colour.a, colour.a});
        }
      }
      ++y;
    }
  }

  // Lays a whole layer over this canvas at the given opacity.
  void Composite(const Canvas& layer, double opacity) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        Colour c = layer.At(x, y);
        Over(x, y, {c.r * opacity, c.g * opacity, c.b * opacity, c.a * opacity});
      }
    }
  }

  Colour At(int x, int y) const { return pixels_[Index(x, y)]; }

 private:
  std::size_t Size() const { return static_cast<std::size_t>(width_) * height_; }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  void Over(int x, int y, Colour premultiplied) {
    Colour& d = pixels_[Index(x, y)];
    double keep = 1.0 - premultiplied.a;
    d = {premultiplied.r + d.r * keep, premultiplied.g + d.g * keep, premultiplied.b + d.b * keep,
         premultiplied.a + d.a * keep};
  }

  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

auto RingShape(Point centre, double inner, double outer) {
  return [=](double x, double y) {
    double r = std::hypot(x - centre.x, y - centre.y);
    return r >= inner && r <= outer;
  };
}

auto DiscShape(Point centre, double radius) { return RingShape(centre, -1.0, radius); }

auto RectShape(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

auto RoundRectShape(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    double cx = std::clamp(x, left + radius, right - radius);
    double cy = std::clamp(y, top + radius, bottom - radius);
    return std::hypot(x - cx, y - cy) <= radius;
  };
}

// ---- Encoding -------------------------------------------------------------------
// An .ICO or .CUR file with one 32-bit image: header, one directory entry, then a
// BITMAPINFOHEADER, the BGRA pixels bottom row first and the 1-bit AND mask.

constexpr std::uint32_t kFileHeaderBytes = 6;
constexpr std::uint32_t kDirectoryEntryBytes = 16;
constexpr std::uint32_t kBitmapHeaderBytes = 40;

void PutU8(std::vector<unsigned char>& out, std::uint32_t value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
}
void PutU16(std::vector<unsigned char>& out, std::uint32_t value) {
  PutU8(out, value);
  PutU8(out, value >> 8);
}
void PutU32(std::vector<unsigned char>& out, std::uint32_t value) {
  PutU16(out, value);
  PutU16(out, value >> 16);
}

unsigned char ToByte(double unit) {
  return static_cast<unsigned char>(std::lround(std::clamp(unit, 0.0, 1.0) * 255.0));
}

// `type` 1 is an icon, whose entry then holds planes and bit count; type 2 is a cursor,
// whose entry holds the hot spot in the same two fields.
std::vector<unsigned char> EncodeIconFile(const Canvas& canvas, std::uint32_t type,
                                          std::uint32_t entryField1, std::uint32_t entryField2) {
  const std::uint32_t width = canvas.width(), height = canvas.height();
  const std::uint32_t maskRowBytes = (width + 31) / 32 * 4;
  const std::uint32_t imageBytes = kBitmapHeaderBytes + width * height * 4 + maskRowBytes * height;
  const std::uint32_t imageOffset = kFileHeaderBytes + kDirectoryEntryBytes;

  std::vector<unsigned char> out;
  out.reserve(imageOffset + imageBytes);
  PutU16(out, 0);  // reserved
  PutU16(out, type);
  PutU16(out, 1);  // one image
  PutU8(out, width);
  PutU8(out, height);
  PutU8(out, 0);  // no palette
  PutU8(out, 0);  // reserved
  PutU16(out, entryField1);
  PutU16(out, entryField2);
  PutU32(out, imageBytes);
  PutU32(out, imageOffset);

  PutU32(out, kBitmapHeaderBytes);
  PutU32(out, width);
  PutU32(out, height * 2);  // colour and mask halves
  PutU16(out, 1);           // planes
  PutU16(out, 32);          // bits per pixel
  PutU32(out, 0);           // BI_RGB
  PutU32(out, 0);           // image size: may be 0 for BI_RGB
  PutU32(out, 0);           // horizontal resolution
  PutU32(out, 0);           // vertical resolution
  PutU32(out, 0);           // colours used
  PutU32(out, 0);           // important colours

  std::vector<unsigned char> mask(maskRowBytes * height, 0);
  for (std::uint32_t row = 0; row < height; ++row) {
    const int y = static_cast<int>(height - 1 - row);
    for (std::uint32_t x = 0; x < width; ++x) {
      const Colour c = canvas.At(static_cast<int>(x), y);
      const unsigned char alpha = ToByte(c.a);
      if (alpha == 0) {
        PutU32(out, 0);
        mask[row * maskRowBytes + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        continue;
      }
      // Stored straight, not premultiplied.
      PutU8(out, ToByte(c.b / c.a));
      PutU8(out, ToByte(c.g / c.a));
      PutU8(out, ToByte(c.r / c.a));
      PutU8(out, alpha);
    }
  }
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

// ---- The pictures ----------------------------------------------------------------

const Colour kInk = Rgb(0x1B1F24);
const Colour kPaper = Rgb(0xFFFFFF);
const Colour kAccent = Rgb(0x1F6FD6);
const Colour kCentre = Rgb(0xE0382E);

// A window outline: title bar, white client area and a dark frame.
void DrawWindow(Canvas& canvas, double left, double top, double right, double bottom) {
  const double frame = 2;
  const double titleBottom = top + 6;
  canvas.Fill(RoundRectShape(left, top, right, bottom, 2.5), kInk);
  canvas.Fill(RoundRectShape(left + frame, top + frame, right - frame, bottom - frame, 0.75), kPaper);
  canvas.Fill(RectShape(left + frame, top + frame, right - frame, titleBottom), kAccent);
}

}  // namespace

std::vector<unsigned char> DrawPickerCursor() {
  Canvas canvas(30, 30);

  // A sight: ring, cross hairs and a red centre, the mark of "aim at a window".
  const Point centre{21.5, 21.5};
  canvas.Fill(DiscShape(centre, 8.45), kInk);
  canvas.Fill(DiscShape(centre, 5.0), kPaper);
  canvas.Fill(RingShape(centre, 6.0, 7.45), kAccent);
  canvas.Fill(RectShape(21, 13, 22, 18.5), kInk);
  canvas.Fill(RectShape(21, 24.5, 22, 30), kInk);
  canvas.Fill(RectShape(13, 21, 18.5, 22), kInk);
  canvas.Fill(RectShape(24.5, 21, 30, 22), kInk);
  canvas.Fill(DiscShape(centre, 2.5), kInk);
  canvas.Fill(DiscShape(centre, 1.5), kCentre);

  // The arrow whose tip, pixel (0, 0), is the hot spot; drawn pixel by pixel, as
  // pointers are, so that it stays sharp at its only size.
  canvas.Paint({"K",
                "KK",
                "KWK",
                "KWWK",
                "KWWWK",
                "KWWWWK",
                "KWWWWWK",
                "KWWWWWWK",
                "KWWWWWWWK",
                "KWWWWWWWWK",
                "KWWWWWKKKKK",
                "KWWKWWK",
                "KWK KWWK",
                "KK  KWWK",
                "K    KWWK",
                "     KWWK",
                "      KK"},
               {{'K', kInk}, {'W', kPaper}});

  return EncodeIconFile(canvas, 2, 0, 0);
}

std::vector<unsigned char> DrawTrayIcon() {
  Canvas canvas(32, 32);

  // Two windows, the one behind faded: switching between two windows with a fade.
  // Every edge lies on an even pixel, so the picture stays sharp halved to 16 x 16.
  Canvas behind(32, 32);
  DrawWindow(behind, 2, 2, 22, 20);
  canvas.Composite(behind, 0.45);
  DrawWindow(canvas, 10, 12, 30, 30);

  return EncodeIconFile(canvas, 1, 1, 32);
}

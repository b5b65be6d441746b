// make_images OUTDIR: writes picker.cur and tovrin.ico, the images the program embeds.
// Run it after changing the drawing, and commit the two files it writes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "shell/images/draw_images.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_images: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_images OUTDIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = WriteFile(dir + "/picker.cur", DrawPickerCursor());
  ok = WriteFile(dir + "/tovrin.ico", DrawTrayIcon()) && ok;
  return ok ? 0 : 1;
}

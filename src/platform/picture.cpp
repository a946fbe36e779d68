#include "platform/picture.h"

#include <SDL.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

#include "platform/files.h"
#include "platform/paths.h"

namespace {

// Pictures larger than this are refused rather than filling the memory.
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

bool EndsWithNoCase(const std::string& s, const std::string& ending) {
  return s.size() >= ending.size() && SameTextNoCase(s.substr(s.size() - ending.size()), ending);
}

uint16_t Pack565(unsigned r, unsigned g, unsigned b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

bool LoadBmp(const std::string& real, Picture& out) {
  SDL_RWops* file = SDL_RWFromFile(real.c_str(), "rb");
  if (!file) return false;
  SDL_Surface* loaded = SDL_LoadBMP_RW(file, 1);
  if (!loaded) return false;
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB565, 0);
  SDL_FreeSurface(loaded);
  if (!surface) return false;
  bool ok = surface->w > 0 && surface->h > 0 && int64_t(surface->w) * surface->h <= kMaxPixels;
  if (ok) {
    out.width = surface->w;
    out.height = surface->h;
    out.pixels.assign(size_t(out.width) * out.height, 0);
    SDL_LockSurface(surface);
    for (int y = 0; y < out.height; ++y) {
      const auto* row = reinterpret_cast<const uint16_t*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
      std::copy(row, row + out.width, out.pixels.begin() + size_t(y) * out.width);
    }
    SDL_UnlockSurface(surface);
  }
  SDL_FreeSurface(surface);
  return ok;
}

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

// libjpeg's own handler ends the process; a bad picture must only fail to load.
void JpegErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void JpegSilent(j_common_ptr, int) {}

// The buffers belong to the caller, so nothing this function changes after
// setjmp is needed once a longjmp has come back.
bool DecodeJpeg(const std::string& bytes, int& width, int& height, std::vector<uint16_t>& pixels,
                std::vector<unsigned char>& row) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegErrorExit;
  error.manager.emit_message = JpegSilent;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxPixels || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  pixels.resize(size_t(width) * height);
  row.resize(size_t(width) * 3);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    uint16_t* to = pixels.data() + size_t(y) * width;
    for (int x = 0; x < width; ++x) to[x] = Pack565(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool LoadJpeg(const std::string& path, Picture& out) {
  std::string bytes;
  if (!ReadBinary(path, bytes) || bytes.empty()) return false;
  int width = 0, height = 0;
  std::vector<uint16_t> pixels;
  std::vector<unsigned char> row;
  if (!DecodeJpeg(bytes, width, height, pixels, row)) return false;
  out.width = width;
  out.height = height;
  out.pixels.swap(pixels);
  return true;
}

void PutLe(std::string& s, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

bool LoadPicture(const std::string& path, Picture& out) {
  if (EndsWithNoCase(path, ".bmp")) {
    std::string real = ResolvePath(path);
    if (real.empty() || !FileExists(path)) return false;
    Picture decoded = out;
    if (!LoadBmp(real, decoded)) return false;
    out = std::move(decoded);
    return true;
  }
  if (EndsWithNoCase(path, ".jpg") || EndsWithNoCase(path, ".jpeg")) {
    Picture decoded = out;
    if (!LoadJpeg(path, decoded)) return false;
    out = std::move(decoded);
    return true;
  }
  return false;
}

bool SavePictureBmp(const std::string& path, const Picture& picture) {
  if (picture.empty() || picture.pixels.size() < size_t(picture.width) * picture.height) return false;
  const uint32_t rowBytes = (uint32_t(picture.width) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * uint32_t(picture.height);
  std::string bmp;
  bmp.reserve(54 + imageBytes);
  bmp += "BM";
  PutLe(bmp, 54 + imageBytes, 4);
  PutLe(bmp, 0, 4);
  PutLe(bmp, 54, 4);
  PutLe(bmp, 40, 4);  // BITMAPINFOHEADER
  PutLe(bmp, uint32_t(picture.width), 4);
  PutLe(bmp, uint32_t(picture.height), 4);  // positive: bottom-up rows
  PutLe(bmp, 1, 2);
  PutLe(bmp, 24, 2);
  PutLe(bmp, 0, 4);  // no compression
  PutLe(bmp, imageBytes, 4);
  PutLe(bmp, 3780, 4);  // 96 dpi
  PutLe(bmp, 3780, 4);
  PutLe(bmp, 0, 4);
  PutLe(bmp, 0, 4);
  for (int y = picture.height - 1; y >= 0; --y) {
    const uint16_t* row = picture.pixels.data() + size_t(y) * picture.width;
    for (int x = 0; x < picture.width; ++x) {
      uint32_t c = FromRgb565(row[x]);
      bmp += static_cast<char>((c >> 16) & 0xFF);  // blue, green, red
      bmp += static_cast<char>((c >> 8) & 0xFF);
      bmp += static_cast<char>(c & 0xFF);
    }
    for (uint32_t pad = uint32_t(picture.width) * 3; pad < rowBytes; ++pad) bmp += '\0';
  }
  return WriteBinary(path, bmp);
}

Picture StretchedCopy(const Picture& picture, int w, int h) {
  Picture copy;
  copy.transparent = picture.transparent;
  copy.transparentColour = picture.transparentColour;
  if (w <= 0 || h <= 0 || picture.empty() || picture.pixels.size() < size_t(picture.width) * picture.height)
    return copy;
  copy.width = w;
  copy.height = h;
  copy.pixels.resize(size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint16_t* from = picture.pixels.data() + size_t(int64_t(y) * picture.height / h) * picture.width;
    uint16_t* to = copy.pixels.data() + size_t(y) * w;
    for (int x = 0; x < w; ++x) to[x] = from[int64_t(x) * picture.width / w];
  }
  return copy;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture.h"

#include <SDL.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>

#include "platform/files.h"
#include "platform/frame_log.h"
#include "platform/paths.h"

namespace {

uint64_t NewPictureSerial() {
  static uint64_t last = 0;
  return ++last;
}

// Pictures larger than this are refused rather than filling the memory; the
// size is checked from the file's header, before anything is decoded.
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;
// Room for the largest picture allowed, at four bytes a pixel, and its header.
constexpr int64_t kMaxFileBytes = 4 * kMaxPixels + (1 << 20);

bool EndsWithNoCase(const std::string& s, const std::string& ending) {
  return s.size() >= ending.size() && SameTextNoCase(s.substr(s.size() - ending.size()), ending);
}

uint16_t Pack565(unsigned r, unsigned g, unsigned b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

bool Refuse(std::string* why, const std::string& reason) {
  if (why) *why = reason;
  return false;
}

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

bool SizeAllowed(int64_t width, int64_t height, std::string* why) {
  if (width <= 0 || height <= 0) return Refuse(why, "taille d'image invalide " + SizeText(width, height));
  if (width * height > kMaxPixels) return Refuse(why, "image trop grande " + SizeText(width, height));
  return true;
}

// The whole file, when its size is within what a picture may take.
bool ReadPictureFile(const std::string& path, std::string& bytes, std::string* why) {
  const std::string real = ResolvePath(path);
  std::error_code error;
  const auto size = real.empty() ? 0 : std::filesystem::file_size(real, error);
  if (real.empty() || error) return Refuse(why, "fichier introuvable");
  if (size > uint64_t(kMaxFileBytes)) return Refuse(why, "fichier trop gros (" + std::to_string(size) + " octets)");
  if (!ReadBinary(path, bytes, kMaxFileBytes)) return Refuse(why, "lecture impossible");
  return true;
}

uint32_t Le(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

// The header of a Windows bitmap, checked before the decoder sees it: the
// declared size within the cap, a known header, depth and compression, and
// an uncompressed body as long as the header says.
bool BmpHeaderSound(const std::string& bytes, std::string* why) {
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return Refuse(why, "en-tête BMP invalide");
  const uint32_t bodyOffset = Le(bytes, 10, 4);
  const uint32_t headerSize = Le(bytes, 14, 4);
  int64_t width, height;
  uint32_t depth, compression = 0;
  if (headerSize == 12) {  // the old OS/2 header: 16-bit sizes
    width = Le(bytes, 18, 2);
    height = Le(bytes, 20, 2);
    depth = Le(bytes, 24, 2);
  } else if (headerSize >= 40 && headerSize <= 124 && bytes.size() >= 34) {
    width = static_cast<int32_t>(Le(bytes, 18, 4));
    height = static_cast<int32_t>(Le(bytes, 22, 4));
    depth = Le(bytes, 28, 2);
    compression = Le(bytes, 30, 4);
    if (height < 0) height = -height;  // rows stored top-down
  } else {
    return Refuse(why, "en-tête BMP invalide");
  }
  if (!SizeAllowed(width, height, why)) return false;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
    return Refuse(why, "profondeur BMP inconnue " + std::to_string(depth));
  const bool rle = (compression == 1 && depth == 8) || (compression == 2 && depth == 4);
  const bool plain = compression == 0 || (compression == 3 && (depth == 16 || depth == 32));
  if (!rle && !plain) return Refuse(why, "compression BMP inconnue " + std::to_string(compression));
  if (bodyOffset < 14 + headerSize || bodyOffset > bytes.size()) return Refuse(why, "en-tête BMP invalide");
  if (plain) {
    const int64_t rowBytes = (width * depth + 31) / 32 * 4;
    if (int64_t(bytes.size()) - bodyOffset < rowBytes * height)
      return Refuse(why, "image BMP tronquée " + SizeText(width, height));
  }
  return true;
}

bool LoadBmp(const std::string& path, Picture& out, std::string* why) {
  std::string bytes;
  if (!ReadPictureFile(path, bytes, why) || !BmpHeaderSound(bytes, why)) return false;
  SDL_RWops* file = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!file) return Refuse(why, "lecture impossible");
  SDL_Surface* loaded = SDL_LoadBMP_RW(file, 1);
  if (!loaded) return Refuse(why, "image BMP illisible");
  SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB565, 0);
  SDL_FreeSurface(loaded);
  if (!surface) return Refuse(why, "image BMP illisible");
  bool ok = SizeAllowed(surface->w, surface->h, why);
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
// setjmp is needed once a longjmp has come back. The declared size is checked
// from the header, before the decoder sets anything up for it.
bool DecodeJpeg(const std::string& bytes, int& width, int& height, std::vector<uint16_t>& pixels,
                std::vector<unsigned char>& row, std::string* why) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegErrorExit;
  error.manager.emit_message = JpegSilent;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return Refuse(why, "image JPEG illisible");
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  if (!SizeAllowed(info.image_width, info.image_height, why)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  if (!SizeAllowed(width, height, why) || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return Refuse(why, "image JPEG illisible");
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

bool LoadJpeg(const std::string& path, Picture& out, std::string* why) {
  std::string bytes;
  if (!ReadPictureFile(path, bytes, why)) return false;
  if (bytes.empty()) return Refuse(why, "image JPEG illisible");
  int width = 0, height = 0;
  std::vector<uint16_t> pixels;
  std::vector<unsigned char> row;
  if (!DecodeJpeg(bytes, width, height, pixels, row, why)) return false;
  out.width = width;
  out.height = height;
  out.pixels.swap(pixels);
  return true;
}

void PutLe(std::string& s, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

bool LoadPicture(const std::string& path, Picture& out, std::string* why) {
  Picture decoded = out;
  if (EndsWithNoCase(path, ".bmp")) {
    if (!LoadBmp(path, decoded, why)) return false;
  } else if (EndsWithNoCase(path, ".jpg") || EndsWithNoCase(path, ".jpeg")) {
    if (!LoadJpeg(path, decoded, why)) return false;
  } else {
    return Refuse(why, "type d'image inconnu");
  }
  // A drawing noted earlier in this frame may show the old pixels.
  FrameFlush();
  decoded.serial = NewPictureSerial();
  out = std::move(decoded);
  return true;
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
  copy.serial = NewPictureSerial();
  copy.pixels.resize(size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint16_t* from = picture.pixels.data() + size_t(int64_t(y) * picture.height / h) * picture.width;
    uint16_t* to = copy.pixels.data() + size_t(y) * w;
    for (int x = 0; x < w; ++x) to[x] = from[int64_t(x) * picture.width / w];
  }
  return copy;
}

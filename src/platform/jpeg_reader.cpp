#include "platform/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

#include "platform/files.h"

namespace orv {

namespace {

// libjpeg's own ceiling for its working memory; progressive pictures keep
// every coefficient, about twice the pixel bytes.
constexpr long kMaxDecoderMemory = 320L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr pub;  // first, so libjpeg's pointer converts back
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// Everything the decoding frame touches lives here, in the caller's frame:
// the error handler longjmps back across libjpeg, and no object with a
// destructor may be skipped by that jump.
struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  std::vector<std::uint8_t> cmykRow;
};

[[noreturn]] void FailDecoding(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Level -1 is a warning about corrupt or missing data; the picture would
// come out partly grey, so it is refused. Trace messages are ignored.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) FailDecoding(cinfo);
}

// The default prints to stderr; a desktop program has no console to show.
void IgnoreOutput(j_common_ptr) {}

// Adobe writes CMYK inverted: 255 means no ink.
void CmykRowToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, int width) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const unsigned k = cmyk[3];
    rgb[0] = static_cast<std::uint8_t>(cmyk[0] * k / 255);
    rgb[1] = static_cast<std::uint8_t>(cmyk[1] * k / 255);
    rgb[2] = static_cast<std::uint8_t>(cmyk[2] * k / 255);
  }
}

bool TooLarge(const jpeg_decompress_struct& cinfo) {
  const long long w = cinfo.image_width, h = cinfo.image_height;
  return w <= 0 || h <= 0 || w > kMaxJpegSide || h > kMaxJpegSide || w * h > kMaxJpegPixels;
}

void ReadRows(Decoder& d, RgbImage& out, bool cmyk) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  const size_t stride = static_cast<size_t>(out.width) * 3;
  while (cinfo.output_scanline < cinfo.output_height) {
    std::uint8_t* target = out.pixels.data() + stride * cinfo.output_scanline;
    JSAMPROW row = cmyk ? d.cmykRow.data() : target;
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) FailDecoding(reinterpret_cast<j_common_ptr>(&cinfo));
    if (cmyk) CmykRowToRgb(d.cmykRow.data(), target, out.width);
  }
}

// Only trivially destructible locals here (see Decoder).
bool DecodeInto(Decoder& d, const unsigned char* data, unsigned long size, RgbImage& out, std::string& error) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  cinfo.err = jpeg_std_error(&d.err.pub);
  d.err.pub.error_exit = FailDecoding;
  d.err.pub.emit_message = OnMessage;
  d.err.pub.output_message = IgnoreOutput;
  if (setjmp(d.err.jump)) {
    error = d.err.message;
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&cinfo, data, size);
  jpeg_read_header(&cinfo, TRUE);
  if (TooLarge(cinfo)) {
    error = "picture too large";
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&cinfo);
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  out.pixels.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3, 0);
  if (cmyk) d.cmykRow.assign(static_cast<size_t>(out.width) * 4, 0);
  ReadRows(d, out, cmyk);
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

JpegResult DecodeJpeg(std::string_view bytes) {
  JpegResult result;
  if (bytes.empty()) {
    result.error = "empty JPEG data";
    return result;
  }
  Decoder decoder{};
  if (!DecodeInto(decoder, reinterpret_cast<const unsigned char*>(bytes.data()),
                  static_cast<unsigned long>(bytes.size()), result.image, result.error)) {
    if (result.error.empty()) result.error = "damaged JPEG data";
    result.image = RgbImage{};
  }
  return result;
}

JpegResult ReadJpegFile(std::string_view path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) {
    JpegResult result;
    result.error = "cannot read " + std::string(path);
    return result;
  }
  return DecodeJpeg(*bytes);
}

}  // namespace orv

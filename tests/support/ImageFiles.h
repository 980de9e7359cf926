// Real image files made by the tests through GDI+: PNG, BMP, GIF and JPEG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Pixels are 0xAARRGGBB, row by row. `format` is "png", "bmp", "gif" or "jpeg".
// Returns the file's bytes (empty on failure).
std::string EncodeImage(int width, int height, const std::vector<uint32_t>& pixels,
                        const std::string& format);

// A GIF written by hand (Wine's GDI+ writes no image data into GIFs): one
// frame per pixel vector, each with its delay in hundredths of a second;
// pixels with alpha below 128 are transparent.
std::string EncodeGif(int width, int height, const std::vector<std::vector<uint32_t>>& frames,
                      const std::vector<int>& delays = {});

// A solid image of one colour.
std::string SolidImage(int width, int height, uint32_t argb, const std::string& format);

}  // namespace testsupport

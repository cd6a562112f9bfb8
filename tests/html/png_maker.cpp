#include "png_maker.h"

#include <algorithm>
#include <cstdint>

namespace {

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xffffffffu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xffffffffu;
}

uint32_t Adler32(const std::string& bytes) {
  uint32_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % 65521u;
    b = (b + a) % 65521u;
  }
  return (b << 16) | a;
}

std::string BigEndian(uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

std::string Chunk(const std::string& type, const std::string& data) {
  return BigEndian(static_cast<uint32_t>(data.size())) + type + data + BigEndian(Crc32(type + data));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
    const bool last = at + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(length & 0xff);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xff);
    out += static_cast<char>((~length >> 8) & 0xff);
    out += raw.substr(at, length);
    at += length;
  } while (at < raw.size());
  return out + BigEndian(Adler32(raw));
}

}  // namespace

std::string MakePng(unsigned width, unsigned height, unsigned char red, unsigned char green,
                    unsigned char blue) {
  std::string header = BigEndian(width) + BigEndian(height);
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
  std::string row(1, '\0');                           // filter: none
  for (unsigned x = 0; x < width; ++x)
    row += {static_cast<char>(red), static_cast<char>(green), static_cast<char>(blue)};
  std::string pixels;
  for (unsigned y = 0; y < height; ++y)
    pixels += row;
  return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", StoredZlib(pixels)) +
         Chunk("IEND", "");
}

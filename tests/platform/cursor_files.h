#pragma once

// Cursor files made by the tests: a monochrome .cur of any size (a square drawn in
// black on white, the rest transparent) and an animated .ani of such frames.

#include <cstdint>
#include <string>
#include <vector>

namespace platform::test_support {

inline void putLittleEndian(std::string& out, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

inline std::string monochromeCursorFile(int size, int hotX, int hotY) {
    const int rowBytes = ((size + 31) / 32) * 4;
    std::string image;
    putLittleEndian(image, 40, 4);  // BITMAPINFOHEADER
    putLittleEndian(image, static_cast<uint32_t>(size), 4);
    putLittleEndian(image, static_cast<uint32_t>(size * 2), 4);  // colour and mask
    putLittleEndian(image, 1, 2);
    putLittleEndian(image, 1, 2);
    for (int i = 0; i < 6; ++i) {
        putLittleEndian(image, 0, 4);
    }
    putLittleEndian(image, 0x000000, 4);  // palette: black, white
    putLittleEndian(image, 0xFFFFFF, 4);
    const auto inSquare = [size](int x, int y) {
        return x >= size / 4 && x < size * 3 / 4 && y >= size / 4 && y < size * 3 / 4;
    };
    for (const bool colourPlane : {true, false}) {
        for (int y = 0; y < size; ++y) {
            std::string row(static_cast<size_t>(rowBytes), '\0');
            for (int x = 0; x < size; ++x) {
                // Colour: white inside the square. Mask: set (transparent) outside it.
                if (colourPlane ? inSquare(x, y) : !inSquare(x, y)) {
                    row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
                }
            }
            image += row;
        }
    }
    std::string file;
    putLittleEndian(file, 0, 2);
    putLittleEndian(file, 2, 2);  // cursor
    putLittleEndian(file, 1, 2);
    file += static_cast<char>(size % 256);
    file += static_cast<char>(size % 256);
    putLittleEndian(file, 0, 2);
    putLittleEndian(file, static_cast<uint32_t>(hotX), 2);
    putLittleEndian(file, static_cast<uint32_t>(hotY), 2);
    putLittleEndian(file, static_cast<uint32_t>(image.size()), 4);
    putLittleEndian(file, static_cast<uint32_t>(file.size() + 4), 4);
    return file + image;
}

inline std::string riffChunk(const std::string& id, const std::string& data) {
    std::string chunk = id;
    putLittleEndian(chunk, static_cast<uint32_t>(data.size()), 4);
    chunk += data;
    if (data.size() % 2 != 0) {
        chunk += '\0';
    }
    return chunk;
}

inline std::string animatedCursorFile(const std::vector<std::string>& frames, int size) {
    std::string header;
    for (const uint32_t field :
         {36u, static_cast<uint32_t>(frames.size()), static_cast<uint32_t>(frames.size()),
          static_cast<uint32_t>(size), static_cast<uint32_t>(size), 1u, 1u, 10u, 1u}) {
        putLittleEndian(header, field, 4);  // ANIHEADER; the last field says "frames are icons"
    }
    std::string frameList = "fram";
    for (const auto& frame : frames) {
        frameList += riffChunk("icon", frame);
    }
    const std::string body = "ACON" + riffChunk("anih", header) + riffChunk("LIST", frameList);
    return riffChunk("RIFF", body);
}

}  // namespace platform::test_support

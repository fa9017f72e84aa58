// offscreen_context_osmesa.cpp -- OSMesa context and PNG output
#include "host/offscreen_context.h"

#include <GL/osmesa.h>

#include <cstdio>
#include <cstring>
#include <vector>

static OSMesaContext offscreen = nullptr;
static std::vector<uint8_t> colourBuffer;
static std::vector<uint8_t> topDownCopy;
static int offscreenWidth = 0;
static int offscreenHeight = 0;

bool CreateOffscreenContext(int width, int height) {
    DestroyOffscreenContext();
    offscreen = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (!offscreen) return false;
    colourBuffer.assign(static_cast<size_t>(width) * height * 4, 0);
    if (!OSMesaMakeCurrent(offscreen, colourBuffer.data(), GL_UNSIGNED_BYTE, width, height)) {
        DestroyOffscreenContext();
        return false;
    }
    OSMesaPixelStore(OSMESA_Y_UP, 1);
    offscreenWidth = width;
    offscreenHeight = height;
    return true;
}

void DestroyOffscreenContext() {
    if (offscreen) OSMesaDestroyContext(offscreen);
    offscreen = nullptr;
    offscreenWidth = offscreenHeight = 0;
}

int OffscreenWidth() { return offscreenWidth; }
int OffscreenHeight() { return offscreenHeight; }

const uint8_t *ReadOffscreenPixels() {
    glFinish();
    const size_t row = static_cast<size_t>(offscreenWidth) * 4;
    topDownCopy.resize(row * offscreenHeight);
    for (int y = 0; y < offscreenHeight; ++y)
        std::memcpy(&topDownCopy[row * y], &colourBuffer[row * (offscreenHeight - 1 - y)], row);
    return topDownCopy.data();
}

bool WriteOffscreenPng(const char *path) {
    const uint8_t *pixels = ReadOffscreenPixels();
    return WritePng(path, pixels, offscreenWidth, offscreenHeight);
}

// PNG with stored (uncompressed) deflate blocks: no zlib needed.
static uint32_t Crc32(const uint8_t *data, size_t size, uint32_t crc = 0) {
    static uint32_t table[256];
    if (!table[1]) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

static void PutBigEndian(std::vector<uint8_t> &out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

static void PutChunk(std::vector<uint8_t> &out, const char *type, const std::vector<uint8_t> &data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, Crc32(typed.data(), typed.size()));
}

bool WritePng(const char *path, const uint8_t *rgba, int width, int height) {
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(width * 3 + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            const uint8_t *p = rgba + (static_cast<size_t>(y) * width + x) * 4;
            raw.insert(raw.end(), p, p + 3);
        }
    }
    std::vector<uint8_t> zlib = {0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    size_t offset = 0;
    do {
        const size_t block = raw.size() - offset < 65535 ? raw.size() - offset : 65535;
        const bool last = offset + block == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<uint8_t>(block & 0xFF));
        zlib.push_back(static_cast<uint8_t>(block >> 8));
        zlib.push_back(static_cast<uint8_t>(~block & 0xFF));
        zlib.push_back(static_cast<uint8_t>((~block >> 8) & 0xFF));
        zlib.insert(zlib.end(), raw.begin() + offset, raw.begin() + offset + block);
        offset += block;
    } while (offset < raw.size());
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    FILE *file = std::fopen(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

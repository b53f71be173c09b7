// The built-in image decoder on Linux: JPEG through libjpeg(-turbo) and PNG through libpng,
// from bytes in memory, delivering the layouts listed in the header. It registers itself as
// the one generic source (priority 2) and claims no extension. Left out: multi-frame files
// (APNG), CMYK JPEG, colour management (ICC and gamma chunks are ignored), EXIF orientation.
#include "framework/image/jpegpng/ImageSourceFileJpegPng.h"

#include "framework/image/ImageSourceRegistry.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

#ifndef LUME_IMAGE_MAX_PIXELS
#define LUME_IMAGE_MAX_PIXELS (16384ull * 16384ull)
#endif
#ifndef LUME_IMAGE_MAX_BYTES
#define LUME_IMAGE_MAX_BYTES (1ull << 30)
#endif

namespace lume {

const uint64_t ImageSourceFileJpegPng::kMaxPixels = LUME_IMAGE_MAX_PIXELS;
const uint64_t ImageSourceFileJpegPng::kMaxBytes = LUME_IMAGE_MAX_BYTES;

namespace {

// Both libraries report fatal errors through callbacks that must not return. We leave them
// with longjmp back to a setjmp in a function that holds only plain C data: no C++ object with
// a destructor is ever live between the setjmp and the longjmp, and everything the cleanup
// needs sits in a job record owned by the caller, so nothing depends on register contents
// after the jump.

// The decoded result in plain data: pixels come from malloc and are freed with free.
struct Decoded {
    uint8_t *pixels;
    uint32_t width;
    uint32_t height;
    size_t rowBytes;
    ImageIo::ChannelOrder order;
    ImageIo::ColorModel model;
    ImageIo::DataType type;
};

// Rejects empty images and images too large to hold; all products in 64 bits so nothing wraps.
bool allocatePixels(Decoded *out, uint64_t width, uint64_t height, uint64_t components, uint64_t componentBytes)
{
    if (width == 0 || height == 0 || width > 0x7fffffff || height > 0x7fffffff)
        return false;
    if (width * height > ImageSourceFileJpegPng::kMaxPixels)
        return false;
    uint64_t rowBytes = width * components * componentBytes;
    if (rowBytes > 0x7fffffff || rowBytes * height > ImageSourceFileJpegPng::kMaxBytes)
        return false;
    out->pixels = static_cast<uint8_t *>(std::malloc(size_t(rowBytes * height)));
    if (!out->pixels)
        return false;
    out->width = uint32_t(width);
    out->height = uint32_t(height);
    out->rowBytes = size_t(rowBytes);
    return true;
}

// ---- JPEG ----

// Progressive files can hold any number of scans, each re-reading the whole coefficient
// buffer; real files have about ten. Beyond this a file is treated as hostile.
constexpr int kMaxJpegScans = 500;

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

struct JpegJob {
    jpeg_decompress_struct cinfo;
    JpegErrorManager error;
    jpeg_progress_mgr progress;
    Decoded out;
};

void jpegFail(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegErrorManager *>(cinfo->err)->jump, 1);
}

// libjpeg only warns about corrupt or truncated data and then fills the rest of the picture
// with grey; such a picture is not the file's content, so those warnings fail the decode.
// Warnings about metadata alone leave the pixels intact and are tolerated.
void jpegEmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace output
    switch (cinfo->err->msg_code) {
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC:
    case JWRN_JFIF_MAJOR: return;
    default: jpegFail(cinfo);
    }
}

void jpegSilent(j_common_ptr) {}

void jpegProgress(j_common_ptr cinfo)
{
    auto dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > kMaxJpegScans)
        jpegFail(cinfo);
}

bool runJpeg(JpegJob *job, const uint8_t *data, size_t size)
{
    job->cinfo.err = jpeg_std_error(&job->error.pub);
    job->error.pub.error_exit = jpegFail;
    job->error.pub.emit_message = jpegEmitMessage;
    job->error.pub.output_message = jpegSilent;
    if (setjmp(job->error.jump)) {
        jpeg_destroy_decompress(&job->cinfo);
        std::free(job->out.pixels);
        job->out.pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(&job->cinfo);
    // Multi-scan files buffer all coefficients; without a backing store this cap makes an
    // oversized buffer an error instead of an allocation.
    job->cinfo.mem->max_memory_to_use = long(ImageSourceFileJpegPng::kMaxBytes);
    job->progress.progress_monitor = jpegProgress;
    job->cinfo.progress = &job->progress;
    jpeg_mem_src(&job->cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&job->cinfo, TRUE) != JPEG_HEADER_OK)
        jpegFail(reinterpret_cast<j_common_ptr>(&job->cinfo));

    int components;
    switch (job->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        job->cinfo.out_color_space = JCS_GRAYSCALE;
        job->out.order = ImageIo::ChannelOrder::Y;
        job->out.model = ImageIo::ColorModel::Gray;
        components = 1;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        job->cinfo.out_color_space = JCS_EXT_BGR;
        job->out.order = ImageIo::ChannelOrder::BGR;
        job->out.model = ImageIo::ColorModel::RGB;
        components = 3;
        break;
    default: // CMYK, YCCK and unknown component sets have no layout here
        jpegFail(reinterpret_cast<j_common_ptr>(&job->cinfo));
        return false;
    }
    job->out.type = ImageIo::DataType::UInt8;
    if (!allocatePixels(&job->out, job->cinfo.image_width, job->cinfo.image_height, components, 1))
        jpegFail(reinterpret_cast<j_common_ptr>(&job->cinfo));

    jpeg_start_decompress(&job->cinfo);
    if (job->cinfo.output_width != job->out.width || job->cinfo.output_height != job->out.height ||
        job->cinfo.output_components != components)
        jpegFail(reinterpret_cast<j_common_ptr>(&job->cinfo));
    while (job->cinfo.output_scanline < job->cinfo.output_height) {
        JSAMPROW row = job->out.pixels + size_t(job->cinfo.output_scanline) * job->out.rowBytes;
        // A memory source never suspends; no progress means something is wrong, not "later".
        if (jpeg_read_scanlines(&job->cinfo, &row, 1) != 1)
            jpegFail(reinterpret_cast<j_common_ptr>(&job->cinfo));
    }
    jpeg_finish_decompress(&job->cinfo);
    jpeg_destroy_decompress(&job->cinfo);
    return true;
}

// ---- PNG ----

struct PngJob {
    const uint8_t *data;
    size_t size;
    size_t position;
    png_structp png;
    png_infop info;
    png_bytep *rows;
    Decoded out;
};

void pngRead(png_structp png, png_bytep destination, size_t length)
{
    auto *job = static_cast<PngJob *>(png_get_io_ptr(png));
    if (length > job->size - job->position)
        png_error(png, "truncated");
    std::memcpy(destination, job->data + job->position, length);
    job->position += length;
}

void pngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}
void pngWarning(png_structp, png_const_charp) {}

bool runPng(PngJob *job)
{
    job->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (!job->png)
        return false;
    job->info = png_create_info_struct(job->png);
    if (!job->info) {
        png_destroy_read_struct(&job->png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(job->png))) {
        png_destroy_read_struct(&job->png, &job->info, nullptr);
        std::free(job->rows);
        job->rows = nullptr;
        std::free(job->out.pixels);
        job->out.pixels = nullptr;
        return false;
    }
    png_set_read_fn(job->png, job, pngRead);
    png_set_user_limits(job->png, 65535, 65535);
    png_read_info(job->png, job->info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0;
    png_get_IHDR(job->png, job->info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    bool transparency = png_get_valid(job->png, job->info, PNG_INFO_tRNS) != 0;
    bool sixteen = bitDepth == 16;
    int components;

    // A transparent colour key becomes a real alpha channel rather than being dropped.
    if (transparency)
        png_set_tRNS_to_alpha(job->png);
    switch (colorType) {
    case PNG_COLOR_TYPE_PALETTE:
        png_set_palette_to_rgb(job->png);
        job->out.order = transparency ? ImageIo::ChannelOrder::RGBA : ImageIo::ChannelOrder::RGB;
        components = transparency ? 4 : 3;
        break;
    case PNG_COLOR_TYPE_GRAY:
        if (bitDepth < 8)
            png_set_expand_gray_1_2_4_to_8(job->png);
        if (!transparency) {
            job->out.order = ImageIo::ChannelOrder::Y;
            components = 1;
            break;
        }
        [[fallthrough]]; // grey with a colour key is grey with alpha from here on
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        // Grey with alpha has no layout of its own here; it travels as colour with alpha.
        png_set_gray_to_rgb(job->png);
        if (!sixteen)
            png_set_bgr(job->png);
        job->out.order = sixteen ? ImageIo::ChannelOrder::RGBA : ImageIo::ChannelOrder::BGRA;
        components = 4;
        break;
    case PNG_COLOR_TYPE_RGB:
    case PNG_COLOR_TYPE_RGB_ALPHA: {
        bool alpha = transparency || colorType == PNG_COLOR_TYPE_RGB_ALPHA;
        if (!sixteen)
            png_set_bgr(job->png);
        if (sixteen)
            job->out.order = alpha ? ImageIo::ChannelOrder::RGBA : ImageIo::ChannelOrder::RGB;
        else
            job->out.order = alpha ? ImageIo::ChannelOrder::BGRA : ImageIo::ChannelOrder::BGR;
        components = alpha ? 4 : 3;
        break;
    }
    default: png_error(job->png, "colour type"); return false;
    }
    if (sixteen && std::endian::native == std::endian::little)
        png_set_swap(job->png);
    png_set_interlace_handling(job->png);
    png_read_update_info(job->png, job->info);

    job->out.model = ImageIo::channelOrderIsGray(job->out.order) ? ImageIo::ColorModel::Gray : ImageIo::ColorModel::RGB;
    job->out.type = sixteen ? ImageIo::DataType::UInt16 : ImageIo::DataType::UInt8;
    if (!allocatePixels(&job->out, width, height, components, sixteen ? 2 : 1))
        png_error(job->png, "size");
    // The transforms above must yield exactly the layout announced; anything else would make
    // libpng write rows of another length than the ones allocated.
    if (png_get_rowbytes(job->png, job->info) != job->out.rowBytes ||
        png_get_channels(job->png, job->info) != components)
        png_error(job->png, "layout");

    job->rows = static_cast<png_bytep *>(std::malloc(sizeof(png_bytep) * height));
    if (!job->rows)
        png_error(job->png, "memory");
    for (png_uint_32 y = 0; y < height; ++y)
        job->rows[y] = job->out.pixels + size_t(y) * job->out.rowBytes;
    png_read_image(job->png, job->rows);
    // Reading to the end checks the trailing chunks too: a file cut after its image data is
    // still a truncated file.
    png_read_end(job->png, nullptr);

    png_destroy_read_struct(&job->png, &job->info, nullptr);
    std::free(job->rows);
    job->rows = nullptr;
    return true;
}

bool isJpeg(const uint8_t *data, size_t size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool isPng(const uint8_t *data, size_t size)
{
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

} // namespace

void registerBuiltInImageSources(ImageSourceRegistry &registry)
{
    registry.registerGeneric(&ImageSourceFileJpegPng::createRef, 2);
}

ImageSourceRef ImageSourceFileJpegPng::createRef(const DataSourceRef &dataSource, Options options)
{
    return std::make_shared<ImageSourceFileJpegPng>(dataSource, options);
}

ImageSourceFileJpegPng::ImageSourceFileJpegPng(const DataSourceRef &dataSource, Options options)
{
    // Both formats hold a single picture.
    if (!dataSource || options.mFrameIndex != 0)
        throw ImageIoExceptionFailedLoad();
    const Buffer &buffer = dataSource->getBuffer();
    const auto *bytes = static_cast<const uint8_t *>(buffer.getData());
    size_t size = buffer.getDataSize();
    if (!bytes || size == 0)
        throw ImageIoExceptionFailedLoad();

    Decoded decoded{};
    bool ok = false;
    if (isJpeg(bytes, size)) {
        JpegJob job{};
        ok = runJpeg(&job, bytes, size);
        decoded = job.out;
    } else if (isPng(bytes, size)) {
        PngJob job{};
        job.data = bytes;
        job.size = size;
        ok = runPng(&job);
        decoded = job.out;
    }
    if (!ok)
        throw ImageIoExceptionFailedLoad();

    // From here on the pixels belong to a C++ owner (it frees them even if this line throws).
    mData = std::shared_ptr<uint8_t[]>(decoded.pixels, [](uint8_t *p) { std::free(p); });
    mRowBytes = int32_t(decoded.rowBytes);
    setSize(int32_t(decoded.width), int32_t(decoded.height));
    setColorModel(decoded.model);
    setDataType(decoded.type);
    setChannelOrder(decoded.order);
}

void ImageSourceFileJpegPng::load(const ImageTargetRef &target)
{
    if (!target)
        throw ImageIoExceptionFailedLoad();
    writeRows(*target, mData.get(), size_t(mRowBytes));
}

} // namespace lume

// The built-in image decoder on Windows: the Windows Imaging Component through COM, from bytes
// in memory (resources) or from a file, delivering the layouts listed in the header. It
// registers itself as the one generic source (priority 2) and claims no extension. Left out:
// colour management, EXIF orientation, and image writing (the player writes no images).
#include "framework/image/wic/ImageSourceFileWic.h"

#include "framework/image/ImageSourceRegistry.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <wincodec.h>
#include <windows.h>

namespace lume {

const uint64_t ImageSourceFileWic::kMaxPixels = 16384ull * 16384ull;
const uint64_t ImageSourceFileWic::kMaxBytes = 1ull << 30;

namespace {

// COM for the calling thread, once per thread, released when the thread ends. A thread that
// already joined the multithreaded apartment keeps it (RPC_E_CHANGED_MODE): WIC works in
// either, and that initialisation is not ours to undo.
struct ComApartment {
    ComApartment() : mInitialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    {
    }
    ~ComApartment()
    {
        if (mInitialized)
            CoUninitialize();
    }
    bool mInitialized;
};

void enterComApartment()
{
    thread_local ComApartment apartment;
    (void)apartment;
}

struct Releaser {
    void operator()(IUnknown *object) const { object->Release(); }
};
template <typename T>
using ComRef = std::unique_ptr<T, Releaser>;

// Runs a COM call that hands out an object through its last argument and takes ownership of
// it; throws when the call fails.
template <typename T, typename Call>
ComRef<T> obtain(Call call)
{
    T *raw = nullptr;
    HRESULT result = call(&raw);
    ComRef<T> ref(raw);
    if (FAILED(result) || !raw)
        throw ImageIoExceptionFailedLoad();
    return ref;
}

void check(HRESULT result)
{
    if (FAILED(result))
        throw ImageIoExceptionFailedLoad();
}

struct Layout {
    const GUID *format;
    ImageIo::ChannelOrder order;
    ImageIo::DataType type;
    bool premultiplied;
    const GUID *convertTo; // null: the frame's own pixels are the layout
};

using Order = ImageIo::ChannelOrder;
using Type = ImageIo::DataType;

// clang-format off
const Layout kLayouts[] = {
    {&GUID_WICPixelFormat1bppIndexed,    Order::RGB,  Type::UInt8,   false, &GUID_WICPixelFormat24bppRGB},
    {&GUID_WICPixelFormat2bppIndexed,    Order::RGB,  Type::UInt8,   false, &GUID_WICPixelFormat24bppRGB},
    {&GUID_WICPixelFormat4bppIndexed,    Order::RGB,  Type::UInt8,   false, &GUID_WICPixelFormat24bppRGB},
    {&GUID_WICPixelFormat8bppIndexed,    Order::RGB,  Type::UInt8,   false, &GUID_WICPixelFormat24bppRGB},
    {&GUID_WICPixelFormat16bppBGR555,    Order::RGB,  Type::UInt8,   false, &GUID_WICPixelFormat24bppRGB},
    {&GUID_WICPixelFormat16bppBGR565,    Order::RGB,  Type::UInt8,   false, &GUID_WICPixelFormat24bppRGB},
    {&GUID_WICPixelFormat24bppBGR,       Order::BGR,  Type::UInt8,   false, nullptr},
    {&GUID_WICPixelFormat24bppRGB,       Order::RGB,  Type::UInt8,   false, nullptr},
    {&GUID_WICPixelFormat32bppBGR,       Order::BGRX, Type::UInt8,   false, nullptr},
    {&GUID_WICPixelFormat32bppBGRA,      Order::BGRA, Type::UInt8,   false, nullptr},
    {&GUID_WICPixelFormat32bppPBGRA,     Order::BGRA, Type::UInt8,   true,  nullptr},
    {&GUID_WICPixelFormat48bppRGB,       Order::RGB,  Type::UInt16,  false, nullptr},
    {&GUID_WICPixelFormat64bppRGBA,      Order::RGBA, Type::UInt16,  false, nullptr},
    {&GUID_WICPixelFormat64bppPRGBA,     Order::RGBA, Type::UInt16,  true,  nullptr},
    {&GUID_WICPixelFormat128bppRGBFloat, Order::RGB,  Type::Float32, false, nullptr},
    {&GUID_WICPixelFormat8bppGray,       Order::Y,    Type::UInt8,   false, nullptr},
    {&GUID_WICPixelFormat16bppGray,      Order::Y,    Type::UInt16,  false, nullptr},
    {&GUID_WICPixelFormat32bppGrayFloat, Order::Y,    Type::Float32, false, nullptr},
    // Grey below 8 bits (PNG allows 1, 2 and 4) has no layout of its own; widened to 8 bits
    // as the Linux decoder does, rather than refusing a valid file.
    {&GUID_WICPixelFormatBlackWhite,     Order::Y,    Type::UInt8,   false, &GUID_WICPixelFormat8bppGray},
    {&GUID_WICPixelFormat2bppGray,       Order::Y,    Type::UInt8,   false, &GUID_WICPixelFormat8bppGray},
    {&GUID_WICPixelFormat4bppGray,       Order::Y,    Type::UInt8,   false, &GUID_WICPixelFormat8bppGray},
};
// clang-format on

bool isIndexed(const GUID &format)
{
    return IsEqualGUID(format, GUID_WICPixelFormat1bppIndexed) || IsEqualGUID(format, GUID_WICPixelFormat2bppIndexed) ||
           IsEqualGUID(format, GUID_WICPixelFormat4bppIndexed) || IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed);
}

// A palette with transparent entries would lose them in a conversion to 24bppRGB; such images
// become RGBA instead, as they do on Linux.
bool paletteHasAlpha(IWICImagingFactory *factory, IWICBitmapFrameDecode *frame)
{
    IWICPalette *raw = nullptr;
    if (FAILED(factory->CreatePalette(&raw)) || !raw)
        return false;
    ComRef<IWICPalette> palette(raw);
    BOOL alpha = FALSE;
    return SUCCEEDED(frame->CopyPalette(palette.get())) && SUCCEEDED(palette->HasAlpha(&alpha)) && alpha;
}

// Converts the frame's pixels into `format` (of the given 8-bit order) with WIC's converter.
// Converters do not all offer every target (Wine's converts palette and low-bit grey images to
// neither 24bppRGB nor 8bppGray, and says so only when asked for the pixels); those go through 32bppBGRA, which every
// converter offers, and are repacked here.
void convertPixels(IWICImagingFactory *factory, IWICBitmapFrameDecode *frame, const GUID &format,
                   ImageIo::ChannelOrder order, UINT width, UINT height, UINT stride, uint8_t *pixels)
{
    auto converter =
        obtain<IWICFormatConverter>([&](IWICFormatConverter **out) { return factory->CreateFormatConverter(out); });
    if (SUCCEEDED(
            converter->Initialize(frame, format, WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->CopyPixels(nullptr, stride, stride * height, pixels)))
        return;
    converter =
        obtain<IWICFormatConverter>([&](IWICFormatConverter **out) { return factory->CreateFormatConverter(out); });
    check(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom));
    std::vector<uint8_t> bgra(size_t(width) * 4 * height);
    check(converter->CopyPixels(nullptr, width * 4, UINT(bgra.size()), bgra.data()));
    const ImageIo::ChannelPositions at = ImageIo::channelOrderPositions(order);
    const int components = ImageIo::channelOrderComponents(order);
    for (UINT y = 0; y < height; ++y) {
        const uint8_t *from = bgra.data() + size_t(y) * width * 4;
        uint8_t *to = pixels + size_t(y) * stride;
        for (UINT x = 0; x < width; ++x, from += 4, to += components) {
            if (at.red >= 0) {
                to[at.red] = from[2];
                to[at.green] = from[1];
                to[at.blue] = from[0];
            }
            if (at.gray >= 0)
                to[at.gray] = from[1]; // grey sources arrive with equal components
            if (at.alpha >= 0)
                to[at.alpha] = from[3];
        }
    }
}

} // namespace

void registerBuiltInImageSources(ImageSourceRegistry &registry)
{
    registry.registerGeneric(&ImageSourceFileWic::createRef, 2);
}

ImageSourceRef ImageSourceFileWic::createRef(const DataSourceRef &dataSource, Options options)
{
    return std::make_shared<ImageSourceFileWic>(dataSource, options);
}

ImageSourceFileWic::ImageSourceFileWic(const DataSourceRef &dataSource, Options options)
{
    if (!dataSource || options.mFrameIndex < 0)
        throw ImageIoExceptionFailedLoad();
    enterComApartment();

    auto factory = obtain<IWICImagingFactory>([](IWICImagingFactory **out) {
        return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void **>(out));
    });

    // The stream reads the buffer in place, so the buffer (owned by the data source) must
    // outlive the decode; it does, the data source is held by the caller throughout.
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    if (dataSource->isFilePath()) {
        decoder = obtain<IWICBitmapDecoder>([&](IWICBitmapDecoder **out) {
            return factory->CreateDecoderFromFilename(dataSource->getFilePath().wstring().c_str(), nullptr,
                                                      GENERIC_READ, WICDecodeMetadataCacheOnDemand, out);
        });
    } else {
        const Buffer &buffer = dataSource->getBuffer();
        if (!buffer.getData() || buffer.getDataSize() == 0)
            throw ImageIoExceptionFailedLoad();
        stream = obtain<IWICStream>([&](IWICStream **out) { return factory->CreateStream(out); });
        check(stream->InitializeFromMemory(static_cast<BYTE *>(const_cast<void *>(buffer.getData())),
                                           DWORD(buffer.getDataSize())));
        decoder = obtain<IWICBitmapDecoder>([&](IWICBitmapDecoder **out) {
            return factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, out);
        });
    }
    auto frame = obtain<IWICBitmapFrameDecode>(
        [&](IWICBitmapFrameDecode **out) { return decoder->GetFrame(UINT(options.mFrameIndex), out); });

    UINT width = 0, height = 0;
    check(frame->GetSize(&width, &height));
    WICPixelFormatGUID format{};
    check(frame->GetPixelFormat(&format));
    const Layout *layout = nullptr;
    for (const Layout &candidate : kLayouts)
        if (IsEqualGUID(format, *candidate.format)) {
            layout = &candidate;
            break;
        }
    if (!layout)
        throw ImageIoExceptionFailedLoad();
    ChannelOrder order = layout->order;
    const GUID *convertTo = layout->convertTo;
    if (isIndexed(format) && paletteHasAlpha(factory.get(), frame.get())) {
        order = ChannelOrder::RGBA;
        convertTo = &GUID_WICPixelFormat32bppRGBA;
    }

    // All products in 64 bits so nothing wraps; WIC takes the sizes as 32-bit values.
    uint64_t rowBytes =
        uint64_t(width) * uint64_t(channelOrderComponents(order)) * uint64_t(dataTypeBytes(layout->type));
    if (width == 0 || height == 0 || uint64_t(width) * height > kMaxPixels || rowBytes * height > kMaxBytes)
        throw ImageIoExceptionFailedLoad();
    auto pixels = std::shared_ptr<uint8_t[]>(new uint8_t[size_t(rowBytes * height)]);

    UINT stride = UINT(rowBytes), size = UINT(rowBytes * height);
    if (convertTo) {
        convertPixels(factory.get(), frame.get(), *convertTo, order, width, height, stride, pixels.get());
    } else {
        // A file cut short or damaged fails here, not earlier: WIC reads pixel data lazily.
        check(frame->CopyPixels(nullptr, stride, size, pixels.get()));
    }

    mData = std::move(pixels);
    mRowBytes = int32_t(rowBytes);
    mIsPremultiplied = layout->premultiplied;
    setSize(int32_t(width), int32_t(height));
    setColorModel(channelOrderIsGray(order) ? ColorModel::Gray : ColorModel::RGB);
    setDataType(layout->type);
    setChannelOrder(order);
}

void ImageSourceFileWic::load(const ImageTargetRef &target)
{
    if (!target)
        throw ImageIoExceptionFailedLoad();
    writeRows(*target, mData.get(), size_t(mRowBytes));
}

} // namespace lume

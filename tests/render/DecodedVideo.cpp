#include "tests/render/DecodedVideo.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <stdexcept>

namespace lume::test {

namespace {

void check(int code, const char *what)
{
    if (code < 0)
        throw std::runtime_error(std::string("decode: ") + what);
}

struct Decoders {
    AVFormatContext *format = nullptr;
    AVCodecContext *video = nullptr, *audio = nullptr;
    AVFrame *frame = av_frame_alloc();
    AVPacket *packet = av_packet_alloc();
    SwsContext *scale = nullptr;
    ~Decoders()
    {
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        avformat_close_input(&format);
    }
};

AVCodecContext *openDecoder(AVStream *stream)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        throw std::runtime_error("decode: no decoder");
    AVCodecContext *context = avcodec_alloc_context3(codec);
    check(avcodec_parameters_to_context(context, stream->codecpar), "parameters");
    context->pkt_timebase = stream->time_base;
    check(avcodec_open2(context, codec, nullptr), "open decoder");
    return context;
}

} // namespace

DecodedVideo decodeVideo(const std::string &path)
{
    av_log_set_level(AV_LOG_ERROR);
    Decoders d;
    DecodedVideo out;
    check(avformat_open_input(&d.format, path.c_str(), nullptr, nullptr), "open");
    check(avformat_find_stream_info(d.format, nullptr), "stream info");
    const int videoIndex = av_find_best_stream(d.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int audioIndex = av_find_best_stream(d.format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    check(videoIndex, "no video stream");
    AVStream *videoStream = d.format->streams[videoIndex];
    d.video = openDecoder(videoStream);
    out.videoCodec = avcodec_get_name(videoStream->codecpar->codec_id);
    out.pixelFormat = av_get_pix_fmt_name(AVPixelFormat(videoStream->codecpar->format));
    out.width = videoStream->codecpar->width;
    out.height = videoStream->codecpar->height;
    out.rateNum = videoStream->avg_frame_rate.num;
    out.rateDen = videoStream->avg_frame_rate.den;
    if (audioIndex >= 0) {
        AVStream *audioStream = d.format->streams[audioIndex];
        d.audio = openDecoder(audioStream);
        out.hasAudio = true;
        out.audioCodec = avcodec_get_name(audioStream->codecpar->codec_id);
        out.sampleRate = audioStream->codecpar->sample_rate;
    }

    int64_t lastEnd = 0;
    auto drain = [&](AVCodecContext *codec) {
        while (avcodec_receive_frame(codec, d.frame) == 0) {
            if (codec == d.audio) {
                out.audioSamples += d.frame->nb_samples;
                continue;
            }
            if (!d.scale) {
                d.scale = sws_getContext(
                    d.frame->width, d.frame->height, AVPixelFormat(d.frame->format), d.frame->width, d.frame->height,
                    AV_PIX_FMT_RGB24, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr);
                // Colours as the stream is tagged, as a player shows them, rounded accurately
                // so that the decoder adds no error of its own to the comparisons.
                const int space = d.frame->colorspace == AVCOL_SPC_BT709 ? SWS_CS_ITU709 : SWS_CS_DEFAULT;
                sws_setColorspaceDetails(d.scale, sws_getCoefficients(space), d.frame->color_range == AVCOL_RANGE_JPEG,
                                         sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
                out.colorSpace = av_color_space_name(d.frame->colorspace);
                out.colorRange = av_color_range_name(d.frame->color_range);
            }
            std::vector<uint8_t> rgb(size_t(d.frame->width) * size_t(d.frame->height) * 3);
            uint8_t *dst[1] = {rgb.data()};
            const int dstStride[1] = {d.frame->width * 3};
            sws_scale(d.scale, d.frame->data, d.frame->linesize, 0, d.frame->height, dst, dstStride);
            out.frames.push_back(std::move(rgb));
            lastEnd = std::max(lastEnd, d.frame->best_effort_timestamp + d.frame->pkt_duration);
        }
    };
    while (av_read_frame(d.format, d.packet) >= 0) {
        AVCodecContext *codec = d.packet->stream_index == videoIndex   ? d.video
                                : d.packet->stream_index == audioIndex ? d.audio
                                                                       : nullptr;
        if (codec) {
            check(avcodec_send_packet(codec, d.packet), "packet");
            drain(codec);
        }
        av_packet_unref(d.packet);
    }
    for (AVCodecContext *codec : {d.video, d.audio})
        if (codec) {
            avcodec_send_packet(codec, nullptr);
            drain(codec);
        }
    out.videoDuration = double(lastEnd) * av_q2d(videoStream->time_base);
    return out;
}

} // namespace lume::test

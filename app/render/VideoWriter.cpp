// H.264 video with an AAC soundtrack through FFmpeg's libraries.
#include "app/render/FrameWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <unistd.h>

namespace fraglume {

namespace {

constexpr int kAudioBitRate = 192000;
// Quality against time. On a CPU renderer the cores are busy drawing, so every encoder cycle
// is a frame's cycle. x264's "ultrafast" with B-frames put back, on one thread of its own
// (beside the renderer's), measured best on samples of four of the show's scenes: at crf 16
// it takes a third to a half of the CPU time of "superfast" at crf 18, at a PSNR from 0.6 dB
// lower to 1.9 dB higher; the whole show at 640x360 grew from 161 to 206 MB. The B-frames
// carry that: in a fixed pattern they cost almost nothing to decide and make the files 40 %
// smaller than "ultrafast" alone.
constexpr const char *kPreset = "ultrafast";
constexpr const char *kX264Params = "bframes=3";
constexpr int kEncoderThreads = 1;

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void check(int code, const std::string &what)
{
    if (code < 0)
        throw std::runtime_error(what + ": " + errorText(code));
}

bool isMatroska(const std::string &path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".mkv";
}

class VideoWriter : public FrameWriter {
  public:
    VideoWriter(const std::string &path, int width, int height, int fps, int crf, const Soundtrack &sound)
        : mPath(path), mWidth(width), mHeight(height), mFps(fps), mSound(sound)
    {
        const std::filesystem::path target(path);
        checkOutputFolder(target.parent_path().empty() ? "." : target.parent_path().string());
        mTemp =
            (target.parent_path() / ("." + target.filename().string() + "." + std::to_string(::getpid()) + ".partial"))
                .string();
        try {
            open(fps, crf);
        } catch (...) {
            close();
            throw;
        }
    }

    ~VideoWriter() override { close(); }

    // The planes are made on the render thread, where the conversion overlaps with encoding
    // instead of adding to it.
    FramePixels pixels() const override { return FramePixels::Yuv420; }

    void write(int64_t frame, const uint8_t *planes) override
    {
        if (mFirstFrame < 0)
            mFirstFrame = frame;
        check(av_frame_make_writable(mVideoFrame), "video frame");
        const int linesizes[4] = {mWidth, mWidth / 2, mWidth / 2, 0};
        uint8_t *src[4] = {};
        check(av_image_fill_pointers(src, AV_PIX_FMT_YUV420P, mHeight, const_cast<uint8_t *>(planes), linesizes),
              "video frame");
        av_image_copy(mVideoFrame->data, mVideoFrame->linesize, const_cast<const uint8_t **>(src), linesizes,
                      AV_PIX_FMT_YUV420P, mWidth, mHeight);
        mVideoFrame->pts = frame - mFirstFrame;
        encode(mVideoCodec, mVideoStream, mVideoFrame);
        ++mFramesWritten;
        // The sound up to the end of this frame, so the file interleaves as it grows.
        writeAudio(mFramesWritten * int64_t(mSound.sampleRate) / mFps);
    }

    void finish() override
    {
        writeAudio(totalAudioFrames());
        encode(mVideoCodec, mVideoStream, nullptr);
        if (mAudioCodec)
            encode(mAudioCodec, mAudioStream, nullptr);
        check(av_write_trailer(mFormat), "cannot finish '" + mPath + "'");
        check(avio_closep(&mFormat->pb), "cannot write '" + mPath + "'");
        std::error_code error;
        std::filesystem::rename(mTemp, mPath, error);
        if (error)
            throw std::runtime_error("cannot write '" + mPath + "': " + error.message());
        mTemp.clear();
    }

  private:
    void open(int fps, int crf)
    {
        // FFmpeg's own notes (encoder statistics) would bury the progress; its errors stay.
        av_log_set_level(AV_LOG_ERROR);
        check(avformat_alloc_output_context2(&mFormat, nullptr, isMatroska(mPath) ? "matroska" : "mp4", mTemp.c_str()),
              "container");
        const AVCodec *h264 = avcodec_find_encoder_by_name("libx264");
        if (!h264)
            throw std::runtime_error("this FFmpeg has no libx264 encoder");
        mVideoCodec = avcodec_alloc_context3(h264);
        mVideoCodec->width = mWidth;
        mVideoCodec->height = mHeight;
        mVideoCodec->time_base = AVRational{1, fps};
        mVideoCodec->framerate = AVRational{fps, 1};
        mVideoCodec->pix_fmt = AV_PIX_FMT_YUV420P;
        mVideoCodec->color_range = AVCOL_RANGE_MPEG;
        mVideoCodec->colorspace = AVCOL_SPC_BT709;
        mVideoCodec->color_primaries = AVCOL_PRI_BT709;
        mVideoCodec->color_trc = AVCOL_TRC_BT709;
        // Each chroma sample is its 2x2 block's mean.
        mVideoCodec->chroma_sample_location = AVCHROMA_LOC_CENTER;
        if (mFormat->oformat->flags & AVFMT_GLOBALHEADER)
            mVideoCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        av_opt_set(mVideoCodec->priv_data, "preset", kPreset, 0);
        av_opt_set(mVideoCodec->priv_data, "x264-params", kX264Params, 0);
        mVideoCodec->thread_count = kEncoderThreads;
        av_opt_set(mVideoCodec->priv_data, "crf", std::to_string(crf).c_str(), 0);
        check(avcodec_open2(mVideoCodec, h264, nullptr), "H.264 encoder");
        mVideoStream = avformat_new_stream(mFormat, nullptr);
        mVideoStream->time_base = mVideoCodec->time_base;
        mVideoStream->avg_frame_rate = mVideoCodec->framerate;
        check(avcodec_parameters_from_context(mVideoStream->codecpar, mVideoCodec), "video stream");

        mVideoFrame = av_frame_alloc();
        mVideoFrame->format = AV_PIX_FMT_YUV420P;
        mVideoFrame->width = mWidth;
        mVideoFrame->height = mHeight;
        check(av_frame_get_buffer(mVideoFrame, 0), "video frame");

        if (mSound.sampleRate > 0 && !mSound.samples.empty())
            openAudio();

        check(avio_open(&mFormat->pb, mTemp.c_str(), AVIO_FLAG_WRITE), "cannot write '" + mPath + "'");
        AVDictionary *options = nullptr;
        // The index at the front, so players can start before the whole file has arrived.
        if (!isMatroska(mPath))
            av_dict_set(&options, "movflags", "+faststart", 0);
        const int written = avformat_write_header(mFormat, &options);
        av_dict_free(&options);
        check(written, "cannot write '" + mPath + "'");
        mPacket = av_packet_alloc();
    }

    void openAudio()
    {
        const AVCodec *aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
        if (!aac)
            throw std::runtime_error("this FFmpeg has no AAC encoder");
        mAudioCodec = avcodec_alloc_context3(aac);
        mAudioCodec->sample_fmt = AV_SAMPLE_FMT_FLTP;
        mAudioCodec->sample_rate = mSound.sampleRate;
        av_channel_layout_default(&mAudioCodec->ch_layout, 2);
        mAudioCodec->bit_rate = kAudioBitRate;
        mAudioCodec->time_base = AVRational{1, mSound.sampleRate};
        // The default "twoloop" search takes twice the time for no difference one hears at
        // this bit rate.
        av_opt_set(mAudioCodec->priv_data, "aac_coder", "fast", 0);
        if (mFormat->oformat->flags & AVFMT_GLOBALHEADER)
            mAudioCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        check(avcodec_open2(mAudioCodec, aac, nullptr), "AAC encoder");
        mAudioStream = avformat_new_stream(mFormat, nullptr);
        mAudioStream->time_base = mAudioCodec->time_base;
        check(avcodec_parameters_from_context(mAudioStream->codecpar, mAudioCodec), "audio stream");

        check(swr_alloc_set_opts2(&mResample, &mAudioCodec->ch_layout, AV_SAMPLE_FMT_FLTP, mSound.sampleRate,
                                  &mAudioCodec->ch_layout, AV_SAMPLE_FMT_S16, mSound.sampleRate, 0, nullptr),
              "audio conversion");
        check(swr_init(mResample), "audio conversion");
        mAudioFrame = av_frame_alloc();
        mAudioFrame->format = AV_SAMPLE_FMT_FLTP;
        mAudioFrame->sample_rate = mSound.sampleRate;
        av_channel_layout_copy(&mAudioFrame->ch_layout, &mAudioCodec->ch_layout);
        mAudioFrame->nb_samples = mAudioCodec->frame_size;
        check(av_frame_get_buffer(mAudioFrame, 0), "audio frame");
    }

    int64_t totalAudioFrames() const { return int64_t(mSound.samples.size() / 2); }

    // Encodes the soundtrack up to sample frame `until` in the encoder's frame size; the
    // last, shorter frame only at the end.
    void writeAudio(int64_t until)
    {
        if (!mAudioCodec)
            return;
        until = std::min(until, totalAudioFrames());
        const int64_t size = mAudioCodec->frame_size;
        while (mAudioDone < until && (until - mAudioDone >= size || until == totalAudioFrames())) {
            const int count = int(std::min(size, until - mAudioDone));
            check(av_frame_make_writable(mAudioFrame), "audio frame");
            mAudioFrame->nb_samples = count;
            const uint8_t *src[1] = {reinterpret_cast<const uint8_t *>(&mSound.samples[size_t(mAudioDone) * 2])};
            check(swr_convert(mResample, mAudioFrame->data, count, src, count), "audio conversion");
            mAudioFrame->pts = mAudioDone;
            encode(mAudioCodec, mAudioStream, mAudioFrame);
            mAudioDone += count;
        }
    }

    void encode(AVCodecContext *codec, AVStream *stream, AVFrame *frame)
    {
        check(avcodec_send_frame(codec, frame), "encoder");
        for (;;) {
            const int got = avcodec_receive_packet(codec, mPacket);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return;
            check(got, "encoder");
            av_packet_rescale_ts(mPacket, codec->time_base, stream->time_base);
            mPacket->stream_index = stream->index;
            check(av_interleaved_write_frame(mFormat, mPacket), "cannot write '" + mPath + "'");
        }
    }

    void close()
    {
        av_packet_free(&mPacket);
        av_frame_free(&mVideoFrame);
        av_frame_free(&mAudioFrame);
        swr_free(&mResample);
        avcodec_free_context(&mVideoCodec);
        avcodec_free_context(&mAudioCodec);
        if (mFormat) {
            if (mFormat->pb)
                avio_closep(&mFormat->pb);
            avformat_free_context(mFormat);
            mFormat = nullptr;
        }
        // Unfinished: what was written goes, the requested name never appears.
        if (!mTemp.empty()) {
            std::error_code ignored;
            std::filesystem::remove(mTemp, ignored);
        }
    }

    std::string mPath, mTemp;
    int mWidth, mHeight, mFps;
    Soundtrack mSound;
    AVFormatContext *mFormat = nullptr;
    AVCodecContext *mVideoCodec = nullptr;
    AVCodecContext *mAudioCodec = nullptr;
    AVStream *mVideoStream = nullptr;
    AVStream *mAudioStream = nullptr;
    AVFrame *mVideoFrame = nullptr;
    AVFrame *mAudioFrame = nullptr;
    AVPacket *mPacket = nullptr;
    SwrContext *mResample = nullptr;
    int64_t mFirstFrame = -1;
    int64_t mFramesWritten = 0;
    int64_t mAudioDone = 0;
};

} // namespace

std::unique_ptr<FrameWriter> makeVideoWriter(const std::string &path, int width, int height, int fps, int crf,
                                             const Soundtrack &sound)
{
    return std::make_unique<VideoWriter>(path, width, height, fps, crf, sound);
}

} // namespace fraglume

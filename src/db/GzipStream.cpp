#include "db/GzipStream.h"

#include <QIODevice>
#include <zlib.h>

namespace {
constexpr int kChunk = 1 << 16;
// 15 bits of window plus 16: the gzip wrapper with its header and checksum.
constexpr int kGzipWindow = 15 + 16;

const QString kReadFailed = "Файлът не може да бъде прочетен.";
const QString kWriteFailed =
    "Файлът не може да бъде записан (няма достатъчно място на диска или няма права за "
    "запис).";
const QString kBrokenArchive = "Архивният файл е повреден или непълен.";

void report(const WorkProgress& progress, const QIODevice& in) {
    if (!progress)
        return;
    const qint64 size = in.size();
    progress(size > 0 ? static_cast<int>(in.pos() * 100 / size) : 100);
}

bool writeAll(QIODevice& out, const unsigned char* data, qint64 length) {
    return out.write(reinterpret_cast<const char*>(data), length) == length;
}
} // namespace

QString GzipCompress(QIODevice& in, QIODevice& out, const WorkProgress& progress) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return kWriteFailed;
    std::vector<unsigned char> input(kChunk), output(kChunk);
    QString error;
    int flush = Z_NO_FLUSH;
    while (error.isEmpty() && flush != Z_FINISH) {
        const qint64 read = in.read(reinterpret_cast<char*>(input.data()), kChunk);
        if (read < 0) {
            error = kReadFailed;
            break;
        }
        flush = in.atEnd() || read == 0 ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = input.data();
        stream.avail_in = static_cast<uInt>(read);
        do {
            stream.next_out = output.data();
            stream.avail_out = kChunk;
            deflate(&stream, flush);
            if (!writeAll(out, output.data(), kChunk - stream.avail_out)) {
                error = kWriteFailed;
                break;
            }
        } while (stream.avail_out == 0);
        report(progress, in);
    }
    deflateEnd(&stream);
    return error;
}

QString GzipDecompress(QIODevice& in, QIODevice& out, const WorkProgress& progress) {
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindow) != Z_OK)
        return kBrokenArchive;
    std::vector<unsigned char> input(kChunk), output(kChunk);
    QString error;
    int status = Z_OK;
    while (error.isEmpty() && status != Z_STREAM_END) {
        const qint64 read = in.read(reinterpret_cast<char*>(input.data()), kChunk);
        if (read < 0) {
            error = kReadFailed;
            break;
        }
        if (read == 0) {
            error = kBrokenArchive; // the stream ended before its end mark
            break;
        }
        stream.next_in = input.data();
        stream.avail_in = static_cast<uInt>(read);
        do {
            stream.next_out = output.data();
            stream.avail_out = kChunk;
            status = inflate(&stream, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
                error = kBrokenArchive;
                break;
            }
            if (!writeAll(out, output.data(), kChunk - stream.avail_out)) {
                error = kWriteFailed;
                break;
            }
        } while (stream.avail_out == 0 && status != Z_STREAM_END);
        report(progress, in);
    }
    inflateEnd(&stream);
    return error;
}

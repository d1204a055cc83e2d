#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Reports how far a long piece of work is, in percent; the window keeps
// itself responsive from here.
using WorkProgress = std::function<void(int percent)>;

// The whole of `in` as one gzip stream into `out` (what `gzip -dc` reads
// back). The error text, empty on success.
QString GzipCompress(QIODevice& in, QIODevice& out, const WorkProgress& progress);
// The gzip stream of `in` unpacked into `out`; a stream that ends early or
// holds anything else is refused.
QString GzipDecompress(QIODevice& in, QIODevice& out, const WorkProgress& progress);

#include "export/Deflater.h"

#include <memory>

#include "kalder/AutomationError.h"

namespace kalder {

Deflater::Deflater(int level) : level_(level) {
    // A page's content is a few kilobytes: a hash table of 2^13 entries (memory level 6)
    // finds the same matches as zlib's default of 2^15 there, and resetting it for every page
    // clears a quarter of the memory.
    if (deflateInit2(&stream_, level, Z_DEFLATED, 15, 6, Z_DEFAULT_STRATEGY) != Z_OK)
        raiseStandard(err::OutOfMemory, "Deflater");
    ready_ = true;
}

Deflater::~Deflater() {
    if (ready_) deflateEnd(&stream_);
}

void Deflater::compress(std::string_view in, std::string& out) {
    deflateReset(&stream_);
    out.resize(deflateBound(&stream_, static_cast<uLong>(in.size())));
    stream_.next_in = reinterpret_cast<const Bytef*>(in.data());
    stream_.avail_in = static_cast<uInt>(in.size());
    stream_.next_out = reinterpret_cast<Bytef*>(out.data());
    stream_.avail_out = static_cast<uInt>(out.size());
    if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) raiseStandard(err::OutOfMemory, "Deflater");
    out.resize(stream_.total_out);
}

Deflater& Deflater::forThisThread(int level) {
    thread_local std::unique_ptr<Deflater> own;
    if (!own || own->level_ != level) own = std::make_unique<Deflater>(level);
    return *own;
}

}  // namespace kalder

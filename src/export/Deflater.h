// One zlib deflate stream reused for every page's content: resetting a stream is much cheaper
// than setting one up per page, and the output is the same bytes as zlib's compress().
// Contract: compress() replaces `out` with the zlib-wrapped deflate of `in`; throws
// AutomationError 7 when zlib cannot allocate.
#pragma once

#include <string>
#include <string_view>

// zlib reads its input through a pointer to const.
#define ZLIB_CONST
#include <zlib.h>

namespace kalder {

class Deflater {
public:
    explicit Deflater(int level = Z_DEFAULT_COMPRESSION);
    ~Deflater();
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void compress(std::string_view in, std::string& out);
    // The calling thread's own stream at `level`, made on first use, so that worker threads
    // compress pages side by side without setting a stream up for each.
    static Deflater& forThisThread(int level);

private:
    int level_;
    z_stream stream_{};
    bool ready_ = false;
};

}  // namespace kalder

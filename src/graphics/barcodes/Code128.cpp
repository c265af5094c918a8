// Code 128 (ISO/IEC 15417) with automatic code sets: C packs digit pairs, A holds the ASCII
// control characters, B the lower case; both hold the rest of ASCII 32-95.
//
// Sets are chosen by the rules of ISO/IEC 15417 Annex E, which give the shortest symbol for
// almost all data: C for data of two digits and for every run of four or more digits (an odd
// run leaves one digit to A or B: its last at the start of the data, its first elsewhere), A
// rather than B when a control character comes before any lower-case one, and a shift for a
// single character that needs the other of A and B when the next character needing a set
// needs the current one again. zint 2.11 differs in two places, each time to a symbol as
// long or longer: it chooses between A and B by the next run alone, and it shifts every
// single character.
#include "graphics/barcodes/Encoders.h"

#include <array>
#include <vector>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

constexpr const char* kSource = "Code 128";
// Code A and Code B have the same values in every set that has them.
enum Value : int { kShift = 98, kCodeC = 99, kCodeB = 100, kCodeA = 101, kStartA = 103, kStartB = 104,
                   kStartC = 105, kStop = 106 };

// Bar and space widths of each symbol value, in modules: six elements of eleven modules,
// the stop seven elements of thirteen (its final bar included).
constexpr std::array<const char*, 107> kWidths = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

// What each character needs: a digit may go in any set, a character of ASCII 32-95 in A or
// B, a control character only in A, a lower-case one (96-127) only in B.
enum class Need { Digit, AorB, A, B };

Need needOf(char c) {
    if (c >= '0' && c <= '9') return Need::Digit;
    if (c < 32) return Need::A;
    return c >= 96 ? Need::B : Need::AorB;
}

// A run of characters with the same need, and how it is written: 'A', 'B' or 'C' for the
// set it is in, 'S' for a single character shifted into the other of A and B.
struct Block {
    Need need;
    std::size_t begin, size;
    char mode = 0;
};

std::vector<Block> blocksOf(std::string_view data) {
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const Need need = needOf(data[i]);
        if (blocks.empty() || blocks.back().need != need) blocks.push_back({need, i, 0});
        ++blocks.back().size;
    }
    return blocks;
}

// The set, 'A' or 'B', of the first block from `b` on that needs one of them alone; 0 when
// no block does.
char nextNeed(const std::vector<Block>& blocks, std::size_t b) {
    for (; b < blocks.size(); ++b)
        if (blocks[b].need == Need::A || blocks[b].need == Need::B) return blocks[b].need == Need::A ? 'A' : 'B';
    return 0;
}

// A or B for data from block `b` on (ISO/IEC 15417 Annex E, rules 1c and 1d): A when a control
// character comes before any lower-case one.
char aOrB(const std::vector<Block>& blocks, std::size_t b) { return nextNeed(blocks, b) == 'A' ? 'A' : 'B'; }

void chooseModes(std::vector<Block>& blocks) {
    char set = 0;  // the set in force after the previous block; 0 before the start character
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        Block& block = blocks[b];
        if (block.need == Need::Digit && (block.size >= 4 || (blocks.size() == 1 && block.size == 2))) {
            block.mode = 'C';  // rules 1a, 1b and 3
        } else if (block.need == Need::A || block.need == Need::B) {
            // Rules 4 and 5: a single character shifts when the next character needing a set
            // needs the current one again; otherwise the set changes.
            const char own = block.need == Need::A ? 'A' : 'B';
            const bool inAorB = set == 'A' || set == 'B';
            block.mode = inAorB && set != own && block.size == 1 && nextNeed(blocks, b + 1) == set ? 'S' : own;
        } else {
            block.mode = set == 'A' || set == 'B' ? set : aOrB(blocks, b);  // rules 1c, 1d and 6
        }
        if (block.mode != 'S') set = block.mode;
    }
}

int valueIn(char set, char c) { return set == 'A' && c < 32 ? c + 64 : c - 32; }

std::vector<int> symbolValues(std::string_view data) {
    std::vector<Block> blocks = blocksOf(data);
    chooseModes(blocks);
    std::vector<int> values;
    char set = 0;
    const auto change = [&](char to) {
        if (set == to) return;
        values.push_back(set == 0 ? kStartA + (to - 'A') : to == 'A' ? kCodeA : to == 'B' ? kCodeB : kCodeC);
        set = to;
    };
    std::size_t carried = 0;  // digits left over from an odd run in C, written with the next block
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        std::size_t i = block.begin - carried;
        const std::size_t end = block.begin + block.size;
        carried = 0;
        if (block.mode == 'C') {
            if (block.size % 2 == 1) {
                if (b == 0)
                    carried = 1;  // a leading odd run leaves its last digit to what follows
                else
                    values.push_back(valueIn(set, data[i++]));  // a later one its first to what precedes
            }
            change('C');
            for (; i + 1 < end; i += 2)
                values.push_back((data[i] - '0') * 10 + (data[i + 1] - '0'));
            continue;
        }
        if (block.mode == 'S') {
            values.push_back(kShift);
            values.push_back(valueIn(set == 'A' ? 'B' : 'A', data[i]));
            continue;
        }
        change(block.mode);
        for (; i < end; ++i) values.push_back(valueIn(set, data[i]));
    }
    if (carried) {
        change('B');  // rule 2 for data of digits only: nothing follows that needs A
        values.push_back(valueIn(set, data.back()));
    }
    return values;
}

}  // namespace

std::string encodeCode128(std::string_view data) {
    if (data.empty()) fail(kSource, "There is no data to encode.");
    for (const char c : data)
        if (static_cast<unsigned char>(c) > 127) fail(kSource, "Invalid Character Specified");
    std::vector<int> values = symbolValues(data);
    int sum = values[0];
    for (std::size_t k = 1; k < values.size(); ++k) sum = (sum + static_cast<int>(k) * values[k]) % 103;
    values.push_back(sum % 103);
    values.push_back(kStop);
    std::string modules;
    for (const int v : values) {
        const std::string_view widths = kWidths[static_cast<std::size_t>(v)];
        for (std::size_t e = 0; e < widths.size(); ++e)
            modules.append(static_cast<std::size_t>(widths[e] - '0'), e % 2 == 0 ? '1' : '0');
    }
    return modules;
}

}  // namespace kalder::barcodes

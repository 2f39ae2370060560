// Writes the CP932 tables the clock converts with on Linux, taken from ICU's "windows-31j"
// (Microsoft's table) at build time: every single byte, every lead and trail byte pair, and every
// character of the Basic Multilingual Plane, each converted on its own with fallbacks off and
// stopping at what does not convert, exactly as a converter of that kind would be used. The
// programs then carry some 90 KiB of tables instead of opening ICU's converter, which would map
// about a mebibyte of ICU's code and data into every start.
//
//   ombrel_cp932_table_gen OUTPUT.cpp
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/utypes.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr std::uint16_t kInvalid = 0xFFFF;
constexpr std::uint16_t kLead = 0xFFFE;

UConverter* Open() {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* conv = ucnv_open("windows-31j", &status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU has no windows-31j converter: %s\n", u_errorName(status));
        return nullptr;
    }
    ucnv_setFallback(conv, false);
    status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(conv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setToUCallBack(conv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    return U_FAILURE(status) ? nullptr : conv;
}

// The one UTF-16 unit the bytes decode to, kLead when they end inside a character, else
// kInvalid. CP932 has no character outside the Basic Multilingual Plane.
std::uint16_t Decode(UConverter* conv, const char* bytes, int size) {
    ucnv_reset(conv);
    UChar out[4];
    UChar* target = out;
    const char* source = bytes;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(conv, &target, out + 4, &source, bytes + size, nullptr, true, &status);
    if (status == U_TRUNCATED_CHAR_FOUND) {
        return kLead;
    }
    if (U_FAILURE(status) || target - out != 1 || out[0] >= 0xFFFE) {
        return kInvalid;
    }
    return out[0];
}

// The bytes one character encodes to (a lead byte above a trail byte), or 0 when it has none.
std::uint16_t Encode(UConverter* conv, UChar c) {
    ucnv_reset(conv);
    char out[8];
    char* target = out;
    const UChar* source = &c;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_fromUnicode(conv, &target, out + 8, &source, &c + 1, nullptr, true, &status);
    if (U_FAILURE(status)) {
        return 0;
    }
    if (target - out == 1) {
        return static_cast<unsigned char>(out[0]);
    }
    if (target - out == 2) {
        return std::uint16_t(static_cast<unsigned char>(out[0]) << 8 |
                             static_cast<unsigned char>(out[1]));
    }
    return 0;
}

void Row(std::FILE* out, const std::uint16_t* values, int count) {
    for (int i = 0; i < count; ++i) {
        std::fprintf(out, "%s0x%04X,", i % 12 == 0 ? "\n    " : " ", values[i]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    UConverter* conv = Open();
    if (!conv) {
        return 1;
    }

    std::array<std::uint16_t, 256> single{};
    std::vector<int> leads;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        single[b] = Decode(conv, &byte, 1);
        if (single[b] == kLead) {
            leads.push_back(b);
        }
    }
    std::vector<std::uint16_t> pairs;
    for (const int lead : leads) {
        for (int trail = 0; trail < 256; ++trail) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::uint16_t unit = Decode(conv, bytes, 2);
            pairs.push_back(unit == kLead ? kInvalid : unit);
        }
    }

    // Characters by blocks of 256; a block with no character CP932 holds is left out.
    std::array<int, 256> blockOf{};
    std::vector<std::uint16_t> blocks;
    for (int high = 0; high < 256; ++high) {
        std::array<std::uint16_t, 256> block{};
        bool any = false;
        for (int low = 0; low < 256; ++low) {
            const int c = high << 8 | low;
            block[low] = c >= 0xD800 && c <= 0xDFFF ? 0 : Encode(conv, UChar(c));
            any = any || block[low] != 0 || c == 0;
        }
        blockOf[high] = any ? int(blocks.size() / 256) : -1;
        if (any) {
            blocks.insert(blocks.end(), block.begin(), block.end());
        }
    }
    ucnv_close(conv);

    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out,
                 "// Written by ombrel_cp932_table_gen from ICU's windows-31j; not to be edited.\n"
                 "#include \"records/cp932_table.h\"\n\n"
                 "const std::uint16_t kCp932SingleByte[256] = {");
    Row(out, single.data(), 256);
    std::fprintf(out, "\n};\n\nconst std::int8_t kCp932LeadIndex[256] = {");
    for (int b = 0; b < 256; ++b) {
        int index = -1;
        for (size_t i = 0; i < leads.size(); ++i) {
            index = leads[i] == b ? int(i) : index;
        }
        std::fprintf(out, "%s%d,", b % 16 == 0 ? "\n    " : " ", index);
    }
    std::fprintf(out, "\n};\n\nconst std::uint16_t kCp932Pairs[%zu] = {", pairs.size());
    Row(out, pairs.data(), int(pairs.size()));
    std::fprintf(out, "\n};\n\nconst std::int16_t kCp932BlockIndex[256] = {");
    for (int high = 0; high < 256; ++high) {
        std::fprintf(out, "%s%d,", high % 16 == 0 ? "\n    " : " ", blockOf[high]);
    }
    std::fprintf(out, "\n};\n\nconst std::uint16_t kCp932Blocks[%zu] = {", blocks.size());
    Row(out, blocks.data(), int(blocks.size()));
    std::fprintf(out, "\n};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}

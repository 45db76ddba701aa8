#include "basekit/aes_util.h"

#include <algorithm>
#include <cstring>

namespace basekit {
namespace {

using Table = std::array<unsigned char, 256>;

// Multiplication in GF(2^8) modulo the AES polynomial x^8 + x^4 + x^3 + x + 1.
constexpr unsigned char FFmul(unsigned char a, unsigned char b)
{
    unsigned char product = 0;
    while (b != 0) {
        if ((b & 1) != 0) {
            product ^= a;
        }
        a = static_cast<unsigned char>((a << 1) ^ ((a & 0x80) != 0 ? 0x1B : 0));
        b >>= 1;
    }
    return product;
}

constexpr unsigned char RotateLeft(unsigned char b, int n)
{
    return static_cast<unsigned char>((b << n) | (b >> (8 - n)));
}

// The substitution table as FIPS-197 5.1.1 defines it: the multiplicative inverse (0 for 0)
// followed by the affine transformation with the constant 0x63. Computed rather than typed in,
// so no entry can be mistyped.
constexpr Table MakeSbox()
{
    Table sbox{};
    for (int x = 0; x < 256; ++x) {
        auto value = static_cast<unsigned char>(x);
        unsigned char inverse = 0;
        if (value != 0) {
            // x^254 is the inverse of x in GF(2^8).
            unsigned char power = value;
            inverse = 1;
            for (int bit = 254; bit != 0; bit >>= 1) {
                if ((bit & 1) != 0) {
                    inverse = FFmul(inverse, power);
                }
                power = FFmul(power, power);
            }
        }
        sbox[x] = static_cast<unsigned char>(inverse ^ RotateLeft(inverse, 1) ^ RotateLeft(inverse, 2) ^
                                             RotateLeft(inverse, 3) ^ RotateLeft(inverse, 4) ^ 0x63);
    }
    return sbox;
}

constexpr Table MakeInverse(const Table &table)
{
    Table inverse{};
    for (int x = 0; x < 256; ++x) {
        inverse[table[x]] = static_cast<unsigned char>(x);
    }
    return inverse;
}

constexpr Table kSbox = MakeSbox();
constexpr Table kInvSbox = MakeInverse(kSbox);
static_assert(kSbox[0x00] == 0x63 && kSbox[0x53] == 0xED && kSbox[0xFF] == 0x16);

constexpr std::array<unsigned char, 10> kRcon = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0x1B, 0x36};

// The state is the block itself: byte i is row i mod 4 of column i div 4 (FIPS-197 3.4).
constexpr int At(int row, int column)
{
    return row + (4 * column);
}

void SubBytes(unsigned char *state, const Table &table)
{
    for (int i = 0; i < 16; ++i) {
        state[i] = table[state[i]];
    }
}

// Row r moves r places to the left (right when inverse).
void ShiftRows(unsigned char *state, bool inverse)
{
    for (int row = 1; row < 4; ++row) {
        unsigned char shifted[4];
        for (int column = 0; column < 4; ++column) {
            int from = inverse ? (column + 4 - row) % 4 : (column + row) % 4;
            shifted[column] = state[At(row, from)];
        }
        for (int column = 0; column < 4; ++column) {
            state[At(row, column)] = shifted[column];
        }
    }
}

// Each column times the fixed polynomial {03}x^3 + {01}x^2 + {01}x + {02} (inverse:
// {0b}x^3 + {0d}x^2 + {09}x + {0e}).
void MixColumns(unsigned char *state, bool inverse)
{
    const std::array<unsigned char, 4> factors = inverse
                                                     ? std::array<unsigned char, 4>{0x0E, 0x0B, 0x0D, 0x09}
                                                     : std::array<unsigned char, 4>{0x02, 0x03, 0x01, 0x01};
    for (int column = 0; column < 4; ++column) {
        unsigned char *c = state + At(0, column);
        const unsigned char a[4] = {c[0], c[1], c[2], c[3]};
        for (int row = 0; row < 4; ++row) {
            c[row] = static_cast<unsigned char>(
                FFmul(a[row], factors[0]) ^ FFmul(a[(row + 1) % 4], factors[1]) ^
                FFmul(a[(row + 2) % 4], factors[2]) ^ FFmul(a[(row + 3) % 4], factors[3]));
        }
    }
}

// The value of a hexadecimal digit in either case, or -1.
int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

char HexDigit(unsigned value)
{
    return "0123456789ABCDEF"[value & 0x0F];
}

// Leaves the empty text in out when it has room for it.
bool Refuse(std::span<char> out)
{
    if (!out.empty()) {
        out[0] = '\0';
    }
    return false;
}

} // namespace

AesUtil::AesUtil(std::span<const unsigned char, kBlockSize> key)
{
    // Words w[0..43] of FIPS-197 5.2; round key r is w[4r..4r+3], byte for byte.
    auto word = [this](std::size_t i) { return roundKeys_[i / 4].data() + ((i % 4) * 4); };
    std::copy(key.begin(), key.end(), roundKeys_[0].begin());
    for (std::size_t i = 4; i < std::size_t{4} * (kRounds + 1); ++i) {
        const unsigned char *previous = word(i - 1);
        unsigned char temp[4] = {previous[0], previous[1], previous[2], previous[3]};
        if (i % 4 == 0) {
            // RotWord, SubWord, then the round constant on the first byte.
            const unsigned char first = temp[0];
            temp[0] = static_cast<unsigned char>(kSbox[temp[1]] ^ kRcon[(i / 4) - 1]);
            temp[1] = kSbox[temp[2]];
            temp[2] = kSbox[temp[3]];
            temp[3] = kSbox[first];
        }
        const unsigned char *back = word(i - 4);
        unsigned char *target = word(i);
        for (int b = 0; b < 4; ++b) {
            target[b] = static_cast<unsigned char>(back[b] ^ temp[b]);
        }
    }
}

void AesUtil::AddRoundKey(unsigned char *state, int round) const
{
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        state[i] ^= roundKeys_[round][i];
    }
}

unsigned char *AesUtil::Cipher(std::span<unsigned char, kBlockSize> block) const
{
    unsigned char *state = block.data();
    AddRoundKey(state, 0);
    for (int round = 1; round <= kRounds; ++round) {
        SubBytes(state, kSbox);
        ShiftRows(state, false);
        if (round != kRounds) {
            MixColumns(state, false);
        }
        AddRoundKey(state, round);
    }
    return state;
}

unsigned char *AesUtil::InvCipher(std::span<unsigned char, kBlockSize> block) const
{
    unsigned char *state = block.data();
    AddRoundKey(state, kRounds);
    for (int round = kRounds - 1; round >= 0; --round) {
        ShiftRows(state, true);
        SubBytes(state, kInvSbox);
        AddRoundKey(state, round);
        if (round != 0) {
            MixColumns(state, true);
        }
    }
    return state;
}

std::size_t AesUtil::CoveredBytes(std::span<const unsigned char> buffer, int length)
{
    if (length < 0) {
        return 0;
    }
    auto bytes = static_cast<std::size_t>(length);
    if (length == 0) {
        const auto end = std::find(buffer.begin(), buffer.end(), 0);
        if (end == buffer.end()) {
            return 0;
        }
        bytes = static_cast<std::size_t>(end - buffer.begin()) + 1;
    }
    const std::size_t covered = (bytes + kBlockSize - 1) / kBlockSize * kBlockSize;
    return covered <= buffer.size() ? covered : 0;
}

void *AesUtil::EachBlock(std::span<unsigned char> buffer, int length, bool decrypt) const
{
    const std::size_t covered = CoveredBytes(buffer, length);
    if (covered == 0) {
        return nullptr;
    }
    for (std::size_t offset = 0; offset < covered; offset += kBlockSize) {
        const std::span<unsigned char, kBlockSize> block = buffer.subspan(offset).first<kBlockSize>();
        decrypt ? InvCipher(block) : Cipher(block);
    }
    return buffer.data();
}

void *AesUtil::Cipher(std::span<unsigned char> buffer, int length) const
{
    return EachBlock(buffer, length, false);
}

void *AesUtil::InvCipher(std::span<unsigned char> buffer, int length) const
{
    return EachBlock(buffer, length, true);
}

bool AesUtil::Cipher(const char *text, std::span<char> hexOut) const
{
    if (text == nullptr || hexOut.size() < kHexTextSize) {
        return Refuse(hexOut);
    }
    // Never more than one block is read from the text.
    const std::size_t length = strnlen(text, kBlockSize);
    if (length == kBlockSize) {
        return Refuse(hexOut);
    }
    Block block{};
    std::memcpy(block.data(), text, length);
    Cipher(block);
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        hexOut[2 * i] = HexDigit(block[i] >> 4U);
        hexOut[(2 * i) + 1] = HexDigit(block[i]);
    }
    hexOut[2 * kBlockSize] = '\0';
    return true;
}

bool AesUtil::InvCipher(const char *hexText, std::span<char> textOut) const
{
    // Never more than one block's digits and the terminator are read.
    if (hexText == nullptr || strnlen(hexText, kHexTextSize) != 2 * kBlockSize) {
        return Refuse(textOut);
    }
    Block block{};
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        const int high = HexDigitValue(hexText[2 * i]);
        const int low = HexDigitValue(hexText[(2 * i) + 1]);
        if (high < 0 || low < 0) {
            return Refuse(textOut);
        }
        block[i] = static_cast<unsigned char>((high << 4) | low);
    }
    InvCipher(block);
    const std::size_t length =
        static_cast<std::size_t>(std::find(block.begin(), block.end(), 0) - block.begin());
    if (textOut.size() <= length) {
        return Refuse(textOut);
    }
    std::memcpy(textOut.data(), block.data(), length);
    textOut[length] = '\0';
    return true;
}

} // namespace basekit

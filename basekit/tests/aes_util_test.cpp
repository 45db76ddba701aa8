#include "basekit/aes_util.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace basekit {
namespace {

using Bytes = std::vector<unsigned char>;
using Block = std::array<unsigned char, 16>;

Block FromHex(const std::string &hex)
{
    Block block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<unsigned char>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    }
    return block;
}

std::string ToHex(const Block &block)
{
    std::string hex;
    for (unsigned char b : block) {
        hex += "0123456789ABCDEF"[b >> 4U];
        hex += "0123456789ABCDEF"[b & 0x0FU];
    }
    return hex;
}

// The published vectors: FIPS-197 appendix C.1 (AES-128) and the worked example of appendix B.
struct Vector {
    const char *key;
    const char *plain;
    const char *cipher;
};

class AesVectorTest : public testing::TestWithParam<Vector> {};

TEST_P(AesVectorTest, EncryptsToThePublishedBlockAndBack)
{
    const Block key = FromHex(GetParam().key);
    const AesUtil aes(key);
    Block block = FromHex(GetParam().plain);
    EXPECT_EQ(aes.Cipher(block), block.data());
    EXPECT_EQ(block, FromHex(GetParam().cipher));
    EXPECT_EQ(aes.InvCipher(block), block.data());
    EXPECT_EQ(block, FromHex(GetParam().plain));
}

INSTANTIATE_TEST_SUITE_P(
    Fips197, AesVectorTest,
    testing::Values(Vector{"000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff",
                           "69c4e0d86a7b0430d8cdb78070b4c55a"},
                    Vector{"2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
                           "3925841d02dc09fbdc118597196a0b32"}));

class AesUtilTest : public testing::Test {
protected:
    const Block key_ = FromHex("000102030405060708090a0b0c0d0e0f");
    const AesUtil aes_{key_};

    // One block encrypted on its own, for comparison with the other forms.
    Block Encrypted(Block block) const
    {
        aes_.Cipher(block);
        return block;
    }
};

TEST_F(AesUtilTest, BufferFormCoversTheLengthRoundedUpToWholeBlocksEachOnItsOwn)
{
    // Length 20 covers two blocks of 32; the third block of the buffer is not touched.
    Bytes buffer(48);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = static_cast<unsigned char>(i);
    }
    const Bytes plain = buffer;
    EXPECT_EQ(aes_.Cipher(buffer, 20), buffer.data());
    for (std::size_t block = 0; block < 2; ++block) {
        Block expected{};
        std::memcpy(expected.data(), plain.data() + (16 * block), 16);
        EXPECT_EQ(0, std::memcmp(buffer.data() + (16 * block), Encrypted(expected).data(), 16)) << block;
    }
    EXPECT_TRUE(std::equal(buffer.begin() + 32, buffer.end(), plain.begin() + 32));
    EXPECT_EQ(aes_.InvCipher(buffer, 20), buffer.data());
    EXPECT_EQ(buffer, plain);
}

TEST_F(AesUtilTest, BufferFormWithLengthZeroCoversTheTextAndItsTerminator)
{
    Bytes buffer(32, 0xAA);
    std::memcpy(buffer.data(), "abc", 4);
    EXPECT_EQ(aes_.Cipher(buffer, 0), buffer.data());
    Block expected{'a', 'b', 'c', 0, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(0, std::memcmp(buffer.data(), Encrypted(expected).data(), 16));
    EXPECT_TRUE(std::all_of(buffer.begin() + 16, buffer.end(), [](unsigned char b) { return b == 0xAA; }));

    // Sixteen characters and the terminator are 17 bytes: two blocks.
    Bytes text(32, 0);
    std::memset(text.data(), 'x', 16);
    const Bytes before = text;
    EXPECT_EQ(aes_.Cipher(text, 0), text.data());
    EXPECT_NE(0, std::memcmp(text.data() + 16, before.data() + 16, 16));
}

TEST_F(AesUtilTest, BufferFormRefusesBlocksOutsideTheBufferAndLeavesItAsItWas)
{
    struct Case {
        std::size_t size;
        int length;
        bool terminated;
    };
    const Case cases[] = {
        {20, 20, true}, // two blocks needed, 20 bytes there: the old form wrote 12 past the end
        {16, 17, true},        {31, 17, true}, {16, -1, true},
        {16, INT32_MIN, true}, {16, 0, false}, // no terminator to measure the text by
        {0, 0, false},
    };
    for (const Case &c : cases) {
        Bytes buffer(c.size, 'y');
        if (c.terminated && c.size > 0) {
            buffer.back() = 0;
        }
        const Bytes before = buffer;
        EXPECT_EQ(aes_.Cipher(buffer, c.length), nullptr) << c.size << " " << c.length;
        EXPECT_EQ(aes_.InvCipher(buffer, c.length), nullptr) << c.size << " " << c.length;
        EXPECT_EQ(buffer, before);
    }
}

TEST_F(AesUtilTest, TextFormWritesTheBlockAsUpperCaseHexAndReadsItBack)
{
    char hex[AesUtil::kHexTextSize];
    ASSERT_TRUE(aes_.Cipher("hello", hex));
    // The text, its terminator and zeros make the block.
    const std::string expected = ToHex(Encrypted(Block{'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(std::string(hex), expected);

    char text[16];
    ASSERT_TRUE(aes_.InvCipher(hex, text));
    EXPECT_STREQ(text, "hello");

    // Lower-case digits read the same; the empty text is a block of zeros.
    std::string lower = expected;
    for (char &c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    ASSERT_TRUE(aes_.InvCipher(lower.c_str(), text));
    EXPECT_STREQ(text, "hello");
    ASSERT_TRUE(aes_.Cipher("", hex));
    ASSERT_TRUE(aes_.InvCipher(hex, text));
    EXPECT_STREQ(text, "");
}

TEST_F(AesUtilTest, TextFormTakesAtMostFifteenBytesAndNeedsRoomForThirtyThreeCharacters)
{
    char hex[AesUtil::kHexTextSize];
    EXPECT_TRUE(aes_.Cipher("fifteen chars!!", hex));
    std::strcpy(hex, "previous");
    EXPECT_FALSE(aes_.Cipher("sixteen chars!!!", hex));
    EXPECT_STREQ(hex, "");
    EXPECT_FALSE(aes_.Cipher(std::string(1000, 'z').c_str(), hex));
    EXPECT_FALSE(aes_.Cipher(nullptr, hex));

    char shortOut[32];
    EXPECT_FALSE(aes_.Cipher("abc", shortOut));
    EXPECT_STREQ(shortOut, "");
}

TEST_F(AesUtilTest, HexReaderTakesExactlyThirtyTwoHexDigits)
{
    char hex[AesUtil::kHexTextSize];
    ASSERT_TRUE(aes_.Cipher("abc", hex));
    const std::string good = hex;
    const std::string bad[] = {
        "",
        good.substr(0, 31),   // odd
        good.substr(0, 30),   // short
        good + "0",           // more than one block
        good + good,          // the old reader went on past 32 digits
        "G" + good.substr(1), // G read as 16 by the old reader
        good.substr(0, 10) + " " + good.substr(11),
        good.substr(0, 31) + "z",
    };
    for (const std::string &text : bad) {
        char out[17] = "unchanged";
        EXPECT_FALSE(aes_.InvCipher(text.c_str(), out)) << text;
        EXPECT_STREQ(out, "") << text;
    }
    char out[17];
    EXPECT_FALSE(aes_.InvCipher(nullptr, out));
}

TEST_F(AesUtilTest, HexReaderWritesNoMoreThanTheOutputHolds)
{
    // A block without a zero byte decrypts to sixteen characters: 17 with the terminator.
    Block block{};
    block.fill('A');
    const std::string hex = ToHex(Encrypted(block));
    char exact[17];
    ASSERT_TRUE(aes_.InvCipher(hex.c_str(), exact));
    EXPECT_EQ(std::string(exact), std::string(16, 'A'));

    std::array<char, 20> small{};
    small.fill('#');
    EXPECT_FALSE(aes_.InvCipher(hex.c_str(), std::span<char>(small.data(), 16)));
    EXPECT_EQ(small[0], '\0');
    EXPECT_TRUE(std::all_of(small.begin() + 16, small.end(), [](char c) { return c == '#'; }));
    EXPECT_FALSE(aes_.InvCipher(hex.c_str(), std::span<char>()));
}

TEST_F(AesUtilTest, CopiesEncryptTheSameWay)
{
    const AesUtil copy = aes_;
    Block a = FromHex("00112233445566778899aabbccddeeff");
    Block b = a;
    aes_.Cipher(a);
    copy.Cipher(b);
    EXPECT_EQ(a, b);
}

} // namespace
} // namespace basekit

/// \file
/// \brief AES-128 (FIPS-197) block by block, without chaining: one block, a buffer of blocks in
/// place, and a short text as hexadecimal digits.
///
/// Every form is bounded by the sizes it is given: a text too long for one block, hexadecimal
/// text that is not exactly one block's 32 digits, or a buffer too small for the blocks that
/// cover the requested length is refused, and nothing is written.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "basekit/basekit_export.h"

namespace basekit {

class BASEKIT_EXPORT AesUtil {
public:
    static constexpr std::size_t kBlockSize = 16;
    /// Hexadecimal digits of one block and their terminating NUL.
    static constexpr std::size_t kHexTextSize = 2 * kBlockSize + 1;

    /// Expands the 16-byte key (FIPS-197 key expansion); the key itself is not kept.
    explicit AesUtil(std::span<const unsigned char, kBlockSize> key);

    /// Encrypts the block in place (10 rounds); returns block.data().
    unsigned char *Cipher(std::span<unsigned char, kBlockSize> block) const;
    /// Decrypts the block in place; returns block.data().
    unsigned char *InvCipher(std::span<unsigned char, kBlockSize> block) const;

    /// Encrypts in place every block that covers the first length bytes of buffer (length rounded
    /// up to a multiple of 16: length 20 is two blocks). Length 0 means the NUL-terminated text at
    /// the start of buffer with its terminator. Returns buffer.data(); null, with buffer left as it
    /// was, when those blocks do not all lie inside buffer, length is negative, or length is 0 and
    /// buffer holds no NUL.
    void *Cipher(std::span<unsigned char> buffer, int length) const;
    /// Decrypts in place as Cipher encrypts; the same bounds.
    void *InvCipher(std::span<unsigned char> buffer, int length) const;

    /// Encrypts the NUL-terminated text, shorter than 16 bytes, as one block (its terminator and
    /// zero bytes after it) and writes the block to hexOut as 32 upper-case hexadecimal digits and
    /// a NUL. False when the text has 16 bytes or more or hexOut holds fewer than 33 characters;
    /// hexOut then holds the empty text (when it has room for one).
    bool Cipher(const char *text, std::span<char> hexOut) const;
    /// Reads exactly 32 hexadecimal digits (either case) ending with a NUL, decrypts the block and
    /// writes its text (the bytes before its first NUL, at most 16) and a NUL to textOut. False
    /// for anything but 32 hexadecimal digits, or when textOut is too small; textOut then holds
    /// the empty text (when it has room for one).
    bool InvCipher(const char *hexText, std::span<char> textOut) const;

private:
    using Block = std::array<unsigned char, kBlockSize>;
    static constexpr int kRounds = 10;

    /// What Cipher and InvCipher cover of buffer, or 0 when it is refused.
    static std::size_t CoveredBytes(std::span<const unsigned char> buffer, int length);
    /// The buffer forms: every covered block encrypted, or decrypted.
    void *EachBlock(std::span<unsigned char> buffer, int length, bool decrypt) const;

    void AddRoundKey(unsigned char *state, int round) const;
    std::array<Block, kRounds + 1> roundKeys_{};
};

} // namespace basekit

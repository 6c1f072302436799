#pragma once

#include <array>
#include <cstdint>
#include <string>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace CipherVfs {

// On-disk page layout. Every page keeps its last 32 bytes for the codec:
//   [0, 4064)     AES-256-GCM ciphertext of the page
//   [4064, 4076)  the page write's random nonce
//   [4076, 4092)  the authentication tag
//   [4092, 4096)  spare, zero
// Page 1 of a database file starts with the file's random salt in place of
// the engine's fixed 16-byte header text, which is restored on reading.
constexpr int kPageSize = 4096;
constexpr int kReserveBytes = 32;
constexpr int kPayloadBytes = kPageSize - kReserveBytes;
constexpr int kNonceBytes = 12;
constexpr int kTagBytes = 16;
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;

using Salt = std::array<unsigned char, kSaltBytes>;
using PageKey = std::array<unsigned char, kKeyBytes>;

// Where a page image lives: authenticated with the page number, so that a
// database page cannot be moved to another place or into the journal.
enum class PageKind : unsigned char { Database = 'D', Journal = 'J' };

// The page key of one file, HKDF-SHA256 of the master key and the file's
// salt. Derivations are remembered per (master key, salt), so opening the
// same file again costs nothing.
bool derivePageKey(const std::string &masterKey, const Salt &salt, PageKey *out);

// A fresh random salt.
bool randomSalt(Salt *out);

// AES-256-GCM over one page. Not thread-safe: one instance per open file.
class PageCipher
{
public:
    PageCipher();
    ~PageCipher();
    PageCipher(const PageCipher &) = delete;
    PageCipher &operator=(const PageCipher &) = delete;

    bool setKey(const PageKey &key);
    bool hasKey() const { return m_hasKey; }

    // Encrypts the page `in` into `out` (both kPageSize bytes, distinct).
    // Bytes before `from` are left to the caller (the salt of page 1).
    bool encrypt(uint32_t pgno, PageKind kind, const unsigned char *in, unsigned char *out, int from = 0);
    // Decrypts `page` in place and clears the reserved bytes. On failure the
    // page is zeroed: unauthenticated plaintext never leaves this function.
    bool decrypt(uint32_t pgno, PageKind kind, unsigned char *page, int from = 0);

private:
    EVP_CIPHER_CTX *m_enc = nullptr;
    EVP_CIPHER_CTX *m_dec = nullptr;
    bool m_hasKey = false;
};

} // namespace CipherVfs

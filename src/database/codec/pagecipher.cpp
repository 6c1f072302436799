#include "database/codec/pagecipher.h"

#include <openssl/evp.h>
#include <openssl/kdf.h>
#include <openssl/rand.h>

#include <cstring>
#include <map>
#include <mutex>

namespace CipherVfs {

namespace {

const char kKdfInfo[] = "vireon database page key v1";

std::mutex g_keyCacheMutex;
std::map<std::string, PageKey> g_keyCache; // master key + salt -> page key

bool hkdfSha256(const std::string &ikm, const Salt &salt, PageKey *out)
{
    EVP_PKEY_CTX *ctx = EVP_PKEY_CTX_new_id(EVP_PKEY_HKDF, nullptr);
    if (!ctx)
        return false;
    size_t outLen = out->size();
    const bool ok =
        EVP_PKEY_derive_init(ctx) > 0 && EVP_PKEY_CTX_set_hkdf_md(ctx, EVP_sha256()) > 0 &&
        EVP_PKEY_CTX_set1_hkdf_salt(ctx, salt.data(), int(salt.size())) > 0 &&
        EVP_PKEY_CTX_set1_hkdf_key(ctx, reinterpret_cast<const unsigned char *>(ikm.data()), int(ikm.size())) > 0 &&
        EVP_PKEY_CTX_add1_hkdf_info(ctx, reinterpret_cast<const unsigned char *>(kKdfInfo), int(sizeof(kKdfInfo) - 1)) >
            0 &&
        EVP_PKEY_derive(ctx, out->data(), &outLen) > 0 && outLen == out->size();
    EVP_PKEY_CTX_free(ctx);
    return ok;
}

// Authenticated data of a page: its number and where it lives.
void makeAad(uint32_t pgno, PageKind kind, unsigned char aad[5])
{
    aad[0] = static_cast<unsigned char>(pgno >> 24);
    aad[1] = static_cast<unsigned char>(pgno >> 16);
    aad[2] = static_cast<unsigned char>(pgno >> 8);
    aad[3] = static_cast<unsigned char>(pgno);
    aad[4] = static_cast<unsigned char>(kind);
}

} // namespace

bool derivePageKey(const std::string &masterKey, const Salt &salt, PageKey *out)
{
    if (masterKey.empty())
        return false;
    std::string cacheKey = masterKey;
    cacheKey.append(reinterpret_cast<const char *>(salt.data()), salt.size());
    std::lock_guard<std::mutex> lock(g_keyCacheMutex);
    auto it = g_keyCache.find(cacheKey);
    if (it != g_keyCache.end()) {
        *out = it->second;
        return true;
    }
    if (!hkdfSha256(masterKey, salt, out))
        return false;
    // Wrong-key and random-file probes add entries too; keep the cache small.
    if (g_keyCache.size() >= 64)
        g_keyCache.clear();
    g_keyCache.emplace(std::move(cacheKey), *out);
    return true;
}

bool randomSalt(Salt *out)
{
    return RAND_bytes(out->data(), int(out->size())) == 1;
}

PageCipher::PageCipher()
    : m_enc(EVP_CIPHER_CTX_new())
    , m_dec(EVP_CIPHER_CTX_new())
{
}

PageCipher::~PageCipher()
{
    EVP_CIPHER_CTX_free(m_enc);
    EVP_CIPHER_CTX_free(m_dec);
}

bool PageCipher::setKey(const PageKey &key)
{
    m_hasKey = false;
    if (!m_enc || !m_dec)
        return false;
    // The key schedule is set once; each page then only supplies its nonce.
    if (EVP_EncryptInit_ex(m_enc, EVP_aes_256_gcm(), nullptr, key.data(), nullptr) != 1 ||
        EVP_DecryptInit_ex(m_dec, EVP_aes_256_gcm(), nullptr, key.data(), nullptr) != 1)
        return false;
    m_hasKey = true;
    return true;
}

bool PageCipher::encrypt(uint32_t pgno, PageKind kind, const unsigned char *in, unsigned char *out, int from)
{
    if (!m_hasKey)
        return false;
    unsigned char *nonce = out + kPayloadBytes;
    unsigned char *tag = nonce + kNonceBytes;
    unsigned char aad[5];
    makeAad(pgno, kind, aad);
    if (RAND_bytes(nonce, kNonceBytes) != 1)
        return false;
    int len = 0;
    int finalLen = 0;
    if (EVP_EncryptInit_ex(m_enc, nullptr, nullptr, nullptr, nonce) != 1 ||
        EVP_EncryptUpdate(m_enc, nullptr, &len, aad, int(sizeof(aad))) != 1 ||
        EVP_EncryptUpdate(m_enc, out + from, &len, in + from, kPayloadBytes - from) != 1 ||
        EVP_EncryptFinal_ex(m_enc, out + from + len, &finalLen) != 1 ||
        EVP_CIPHER_CTX_ctrl(m_enc, EVP_CTRL_GCM_GET_TAG, kTagBytes, tag) != 1)
        return false;
    std::memset(tag + kTagBytes, 0, kReserveBytes - kNonceBytes - kTagBytes);
    return true;
}

bool PageCipher::decrypt(uint32_t pgno, PageKind kind, unsigned char *page, int from)
{
    bool ok = m_hasKey;
    if (ok) {
        unsigned char nonce[kNonceBytes];
        unsigned char tag[kTagBytes];
        std::memcpy(nonce, page + kPayloadBytes, kNonceBytes);
        std::memcpy(tag, page + kPayloadBytes + kNonceBytes, kTagBytes);
        unsigned char aad[5];
        makeAad(pgno, kind, aad);
        int len = 0;
        int finalLen = 0;
        ok = EVP_DecryptInit_ex(m_dec, nullptr, nullptr, nullptr, nonce) == 1 &&
             EVP_DecryptUpdate(m_dec, nullptr, &len, aad, int(sizeof(aad))) == 1 &&
             EVP_DecryptUpdate(m_dec, page + from, &len, page + from, kPayloadBytes - from) == 1 &&
             EVP_CIPHER_CTX_ctrl(m_dec, EVP_CTRL_GCM_SET_TAG, kTagBytes, tag) == 1 &&
             EVP_DecryptFinal_ex(m_dec, page + from + len, &finalLen) == 1;
    }
    if (!ok) {
        std::memset(page, 0, kPageSize);
        return false;
    }
    std::memset(page + kPayloadBytes, 0, kReserveBytes);
    return true;
}

} // namespace CipherVfs

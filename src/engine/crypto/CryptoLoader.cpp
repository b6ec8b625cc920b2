// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// qpdf hashes, encrypts and decrypts through GnuTLS. Loading that library and the eight
// behind it, and its start-up, cost every run about 5 ms, though most jobs never meet an
// encrypted file. The engine links qpdf statically, and these definitions stand in for the
// GnuTLS functions qpdf calls: the first call loads the library, and each then forwards to it.
// Without the library every call fails, and qpdf reports the failure as it would GnuTLS's own.

#include <gnutls/crypto.h>
#include <gnutls/gnutls.h>

#include <dlfcn.h>

#include <string>

namespace {

// The library qpdf's own package is built against.
constexpr const char* kLibrary = "libgnutls.so.30";

struct Crypto
{
    bool loaded = false;
    decltype(&::gnutls_hash_init) hashInit = nullptr;
    decltype(&::gnutls_hash) hash = nullptr;
    decltype(&::gnutls_hash_deinit) hashDeinit = nullptr;
    decltype(&::gnutls_cipher_init) cipherInit = nullptr;
    decltype(&::gnutls_cipher_encrypt2) encrypt = nullptr;
    decltype(&::gnutls_cipher_decrypt2) decrypt = nullptr;
    decltype(&::gnutls_cipher_deinit) cipherDeinit = nullptr;
    decltype(&::gnutls_cipher_get_key_size) keySize = nullptr;
    decltype(&::gnutls_rnd) random = nullptr;
    decltype(&::gnutls_strerror) error = nullptr;
};

template <typename F> bool resolve(void* handle, const char* name, F& target)
{
    target = reinterpret_cast<F>(dlsym(handle, name));
    return target != nullptr;
}

Crypto load()
{
    Crypto c;
    // Kept open for the life of the process: handles it gave out stay valid.
    void* handle = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return c;
    c.loaded =
        resolve(handle, "gnutls_hash_init", c.hashInit) && resolve(handle, "gnutls_hash", c.hash) &&
        resolve(handle, "gnutls_hash_deinit", c.hashDeinit) &&
        resolve(handle, "gnutls_cipher_init", c.cipherInit) &&
        resolve(handle, "gnutls_cipher_encrypt2", c.encrypt) &&
        resolve(handle, "gnutls_cipher_decrypt2", c.decrypt) &&
        resolve(handle, "gnutls_cipher_deinit", c.cipherDeinit) &&
        resolve(handle, "gnutls_cipher_get_key_size", c.keySize) &&
        resolve(handle, "gnutls_rnd", c.random) && resolve(handle, "gnutls_strerror", c.error);
    return c;
}

const Crypto& crypto()
{
    static const Crypto c = load();
    return c;
}

// What each call returns when the library is missing.
constexpr int kMissing = GNUTLS_E_CRYPTO_INIT_FAILED;

} // namespace

extern "C" {

int gnutls_hash_init(gnutls_hash_hd_t* dig, gnutls_digest_algorithm_t algorithm)
{
    const Crypto& c = crypto();
    return c.loaded ? c.hashInit(dig, algorithm) : kMissing;
}

int gnutls_hash(gnutls_hash_hd_t handle, const void* text, size_t textlen)
{
    const Crypto& c = crypto();
    return c.loaded ? c.hash(handle, text, textlen) : kMissing;
}

void gnutls_hash_deinit(gnutls_hash_hd_t handle, void* digest)
{
    const Crypto& c = crypto();
    if (c.loaded)
        c.hashDeinit(handle, digest);
}

int gnutls_cipher_init(gnutls_cipher_hd_t* handle, gnutls_cipher_algorithm_t cipher,
                       const gnutls_datum_t* key, const gnutls_datum_t* iv)
{
    const Crypto& c = crypto();
    return c.loaded ? c.cipherInit(handle, cipher, key, iv) : kMissing;
}

int gnutls_cipher_encrypt2(gnutls_cipher_hd_t handle, const void* text, size_t textlen,
                           void* ciphertext, size_t ciphertextlen)
{
    const Crypto& c = crypto();
    return c.loaded ? c.encrypt(handle, text, textlen, ciphertext, ciphertextlen) : kMissing;
}

int gnutls_cipher_decrypt2(gnutls_cipher_hd_t handle, const void* ciphertext, size_t ciphertextlen,
                           void* text, size_t textlen)
{
    const Crypto& c = crypto();
    return c.loaded ? c.decrypt(handle, ciphertext, ciphertextlen, text, textlen) : kMissing;
}

void gnutls_cipher_deinit(gnutls_cipher_hd_t handle)
{
    const Crypto& c = crypto();
    if (c.loaded)
        c.cipherDeinit(handle);
}

size_t gnutls_cipher_get_key_size(gnutls_cipher_algorithm_t algorithm)
{
    const Crypto& c = crypto();
    return c.loaded ? c.keySize(algorithm) : 0;
}

int gnutls_rnd(gnutls_rnd_level_t level, void* data, size_t len)
{
    const Crypto& c = crypto();
    return c.loaded ? c.random(level, data, len) : kMissing;
}

const char* gnutls_strerror(int error)
{
    const Crypto& c = crypto();
    static const std::string missing =
        std::string("the encryption library ") + kLibrary + " could not be loaded";
    return c.loaded ? c.error(error) : missing.c_str();
}

} // extern "C"

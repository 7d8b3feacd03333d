// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemRandomSource.h"

#include <windows.h>

#include <wincrypt.h>

namespace {

// The CryptoAPI's default provider: a named key container is opened, and
// created on request when it does not exist yet (NTE_BAD_KEYSET).
class SystemRandomSource final : public RandomSource {
public:
    OpenResult open(char const *container) override
    {
        provider = 0;
        if (CryptAcquireContextA(&provider, container, nullptr, PROV_RSA_FULL, 0))
            return OpenResult::Opened;
        provider = 0;
        return GetLastError() == static_cast<DWORD>(NTE_BAD_KEYSET) ? OpenResult::NoKeyContainer
                                                                    : OpenResult::Failed;
    }

    bool create(char const *container) override
    {
        provider = 0;
        if (CryptAcquireContextA(&provider, container, nullptr, PROV_RSA_FULL, CRYPT_NEWKEYSET))
            return true;
        provider = 0;
        return false;
    }

    bool read(void *buffer, std::size_t size) override
    {
        auto *bytes = static_cast<BYTE *>(buffer);
        while (size > 0) {
            DWORD const chunk = size > 0x10000 ? 0x10000 : static_cast<DWORD>(size);
            if (!provider || !CryptGenRandom(provider, chunk, bytes))
                return false;
            bytes += chunk;
            size -= chunk;
        }
        return true;
    }

    void close() override
    {
        if (provider)
            CryptReleaseContext(provider, 0);
        provider = 0;
    }

private:
    HCRYPTPROV provider = 0;
};

} // namespace

RandomSource &systemRandomSource()
{
    static SystemRandomSource source;
    return source;
}

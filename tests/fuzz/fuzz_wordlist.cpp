// Feeds arbitrary bytes to the word-list decoder and checks that what it reads survives a
// write and a second read unchanged.
#include "wordlist/WordListFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool complete = false;
    const QStringList words = WordListFormat::decode(bytes, &complete);

    // Every word needs at least its one-byte prefix.
    if (static_cast<size_t>(words.size()) > size)
        std::abort();
    if (size == 0 && (!complete || !words.isEmpty()))
        std::abort();

    const QByteArray written = WordListFormat::encode(words);
    bool writtenComplete = false;
    const QStringList again = WordListFormat::decode(written, &writtenComplete);
    if (!writtenComplete || again != words)
        std::abort();
    // Writing is a function of the words alone.
    if (WordListFormat::encode(again) != written)
        std::abort();
    return 0;
}

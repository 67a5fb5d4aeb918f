#pragma once

#include <QString>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <vector>

// Decoded sounds (48 kHz stereo 16-bit, as the mixer plays them) kept for the next time the
// same file is played, so that a press does not wait for a file to be read and resampled
// again. An entry is used only while its file is the one it was made from: same device and
// inode, size, modification and change times (nanoseconds). A new take moved into place, a
// starter recording written in the background or a file a parent drops in therefore never
// plays stale. Files that cannot be played are remembered too (as empty sounds), so a broken
// file is not read and reported again at every press.
//
// The cache holds at most capBytes of samples; the sounds played longest ago go first. A sound
// larger than the cap is decoded for each play and not kept. A sound that is evicted while it
// plays stays alive in the cue that holds it.
//
// Not thread-safe: the audio engine uses it from its worker thread only.
class CSoundCache
{
public:
    using Sound = std::shared_ptr<const std::vector<int16_t>>;

    static constexpr size_t kDefaultCapBytes = 16u << 20;

    explicit CSoundCache(size_t capBytes = kDefaultCapBytes) : m_capBytes(capBytes) {}

    // The sound of the file at path (a resolved path: the exact file name), decoded if it is
    // not cached or has changed since. Never null; empty when the file cannot be played.
    Sound get(const QString& path);

    // Bytes of samples held, and the number of files remembered.
    size_t bytes() const { return m_bytes; }
    size_t count() const { return m_entries.size(); }
    size_t capBytes() const { return m_capBytes; }
    // Drops what no longer fits.
    void setCapBytes(size_t capBytes);
    // How many files were decoded since the cache was made (for tests and measurements).
    quint64 decodes() const { return m_decodes; }

private:
    struct Stamp
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp& o) const
        {
            return device == o.device && inode == o.inode && size == o.size &&
                   modifiedNs == o.modifiedNs && changedNs == o.changedNs;
        }
    };
    struct Entry
    {
        Stamp stamp;
        Sound sound;
        std::list<QString>::iterator age;
    };
    static bool stampOf(const QString& path, Stamp& stamp);
    static size_t bytesOf(const Sound& sound) { return sound->size() * sizeof(int16_t); }
    void erase(std::map<QString, Entry>::iterator it);
    void trim();

    size_t m_capBytes;
    size_t m_bytes = 0;
    quint64 m_decodes = 0;
    std::map<QString, Entry> m_entries;
    std::list<QString> m_ages; // most recently used first
};

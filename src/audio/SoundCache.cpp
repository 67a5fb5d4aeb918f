#include "audio/SoundCache.h"

#include "audio/WavDecoder.h"

#include <QFile>
#include <sys/stat.h>

bool CSoundCache::stampOf(const QString& path, Stamp& stamp)
{
    struct stat st
    {
    };
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return true;
}

CSoundCache::Sound CSoundCache::get(const QString& path)
{
    Stamp stamp;
    const bool exists = !path.isEmpty() && stampOf(path, stamp);
    auto it = m_entries.find(path);
    if (it != m_entries.end()) {
        if (exists && it->second.stamp == stamp) {
            m_ages.splice(m_ages.begin(), m_ages, it->second.age);
            return it->second.sound;
        }
        erase(it);
    }
    auto pcm = std::make_shared<std::vector<int16_t>>();
    if (!exists)
        return pcm;
    ++m_decodes;
    CWavDecoder::decode(path, *pcm);
    pcm->shrink_to_fit();
    Sound sound = std::move(pcm);
    // A file that changed while it was read is decoded again next time.
    Stamp after;
    if (!stampOf(path, after) || !(after == stamp) || bytesOf(sound) > m_capBytes)
        return sound;
    m_ages.push_front(path);
    m_entries.emplace(path, Entry{stamp, sound, m_ages.begin()});
    m_bytes += bytesOf(sound);
    trim();
    return sound;
}

void CSoundCache::setCapBytes(size_t capBytes)
{
    m_capBytes = capBytes;
    trim();
}

void CSoundCache::erase(std::map<QString, Entry>::iterator it)
{
    m_bytes -= bytesOf(it->second.sound);
    m_ages.erase(it->second.age);
    m_entries.erase(it);
}

void CSoundCache::trim()
{
    while (m_bytes > m_capBytes && !m_ages.empty())
        erase(m_entries.find(m_ages.back()));
}
